#include "runtime/elements/CUI_TextStorageDelegate.h"

#include "runtime/shell/Additions.h"

#include "platform/views/TextStorage.h"

using platform::Ref;

const Ref<CUI_TextStorageDelegate>& CUI_TextStorageDelegate::shared() {
    static const Ref<CUI_TextStorageDelegate> delegate =
        std::make_shared<CUI_TextStorageDelegate>();
    return delegate;
}

void CUI_TextStorageDelegate::textStorageWillProcessEditingRangeChangeInLength(
    const Ref<platform::TextStorage>& storage, std::uint64_t editedMask,
    platform::Range editedRange, std::int64_t delta) {
    if (const auto callback = storage ? Additions::willProcessEditingCallback(*storage) : nullptr)
        callback(storage, editedMask, editedRange.location, editedRange.length, delta,
                 Additions::willProcessEditingUserData(*storage));
}

void CUI_TextStorageDelegate::textStorageDidProcessEditingRangeChangeInLength(
    const Ref<platform::TextStorage>& storage, std::uint64_t editedMask,
    platform::Range editedRange, std::int64_t delta) {
    if (const auto callback = storage ? Additions::didProcessEditingCallback(*storage) : nullptr)
        callback(storage, editedMask, editedRange.location, editedRange.length, delta,
                 Additions::didProcessEditingUserData(*storage));
}
