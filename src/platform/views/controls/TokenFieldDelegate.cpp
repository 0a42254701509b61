#include "platform/views/controls/TokenFieldDelegate.h"

#include "platform/views/controls/TokenField.h"

namespace platform {

Ref<String> TokenFieldDelegate::tokenFieldDisplayStringForRepresentedObject(const Ref<TokenField>&,
                                                                            const Ref<Object>&) {
    return nullptr;
}

TokenStyle TokenFieldDelegate::tokenFieldStyleForRepresentedObject(const Ref<TokenField>& field,
                                                                   const Ref<Object>&) {
    return field ? field->tokenStyle() : TokenStyle::Default;
}

Ref<Array> TokenFieldDelegate::tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
    const Ref<TokenField>&, const Ref<String>&, std::int64_t, std::int64_t&) {
    return nullptr;
}

Ref<String> TokenFieldDelegate::tokenFieldEditingStringForRepresentedObject(const Ref<TokenField>&,
                                                                            const Ref<Object>&) {
    return nullptr;
}

Ref<Object> TokenFieldDelegate::tokenFieldRepresentedObjectForEditingString(const Ref<TokenField>&,
                                                                            const Ref<String>&) {
    return nullptr;
}

Ref<Array> TokenFieldDelegate::tokenFieldShouldAddObjectsAtIndex(const Ref<TokenField>&,
                                                                 const Ref<Array>& tokens,
                                                                 std::int64_t) {
    return tokens;
}

Ref<Array> TokenFieldDelegate::tokenFieldReadFromPasteboard(const Ref<TokenField>&,
                                                            const Ref<Pasteboard>&) {
    return nullptr;
}

bool TokenFieldDelegate::tokenFieldWriteRepresentedObjectsToPasteboard(const Ref<TokenField>&,
                                                                       const Ref<Array>&,
                                                                       const Ref<Pasteboard>&) {
    return false;
}

bool TokenFieldDelegate::tokenFieldHasMenuForRepresentedObject(const Ref<TokenField>&,
                                                               const Ref<Object>&) {
    return false;
}

Ref<Menu> TokenFieldDelegate::tokenFieldMenuForRepresentedObject(const Ref<TokenField>&,
                                                                 const Ref<Object>&) {
    return nullptr;
}

} // namespace platform
