#include "platform/views/TextViewDelegate.h"

#include "platform/foundation/Array.h"
#include "platform/services/SharingServicePicker.h"

namespace platform {

TextViewDelegate::~TextViewDelegate() = default;

bool TextViewDelegate::textViewShouldChangeTextInRangeReplacementString(const Ref<TextView>&, Range,
                                                                        Ref<String>*) {
    return true;
}

Range TextViewDelegate::textViewWillChangeSelectionFromCharacterRangeToCharacterRange(
    const Ref<TextView>&, Range, Range newRange) {
    return newRange;
}

void TextViewDelegate::textViewDidChangeSelection(const Ref<Notification>&) {}
void TextViewDelegate::textDidBeginEditing(const Ref<Notification>&) {}
void TextViewDelegate::textDidChange(const Ref<Notification>&) {}
void TextViewDelegate::textDidEndEditing(const Ref<Notification>&) {}

bool TextViewDelegate::textViewDoCommandBySelector(const Ref<TextView>&, std::string_view) {
    return false;
}

Ref<Array> TextViewDelegate::textViewCompletionsForPartialWordRangeIndexOfSelectedItem(
    const Ref<TextView>&, const Ref<Array>& words, Range, std::int64_t*) {
    return words;
}

Ref<SharingServicePicker> TextViewDelegate::textViewWillShowSharingServicePickerForItems(
    const Ref<TextView>&, const Ref<SharingServicePicker>& picker, const Ref<Array>&) {
    return picker;
}

} // namespace platform
