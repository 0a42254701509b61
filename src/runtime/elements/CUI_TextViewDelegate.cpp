#include "runtime/elements/CUI_TextViewDelegate.h"

#include "runtime/elements/CUI_TextFieldDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/foundation/Value.h"
#include "platform/services/SharingServicePicker.h"
#include "platform/views/TextStorage.h"
#include "platform/views/TextView.h"

using platform::Range;
using platform::Ref;

const Ref<CUI_TextViewDelegate>& CUI_TextViewDelegate::shared() {
    static const Ref<CUI_TextViewDelegate> delegate = std::make_shared<CUI_TextViewDelegate>();
    return delegate;
}

void CUI_TextViewDelegate::textViewCallUserDefinedOnDialogFunctionWithEventObject(
    const Ref<platform::TextView>& textView, std::int64_t event,
    const Ref<platform::Object>& object) {
    if (textView)
        ForwardElementDelegateEvent(*textView, event, object);
}

void CUI_TextViewDelegate::notify(std::int64_t code, const Ref<platform::Notification>& notice) {
    if (notice && notice->object())
        textViewCallUserDefinedOnDialogFunctionWithEventObject(
            notice->object()->as<platform::TextView>(), code, nullptr);
}

bool CUI_TextViewDelegate::textViewShouldChangeTextInRangeReplacementString(
    const Ref<platform::TextView>& textView, Range range, Ref<platform::String>* replacement) {
    const Ref<platform::String> proposed = replacement ? *replacement : nullptr;
    DialogEventSetBoolVal(true);
    DialogEventSetRangeVal(range);
    DialogEventSetStringObj(proposed);
    textViewCallUserDefinedOnDialogFunctionWithEventObject(
        textView, TextViewEvent::ShouldChangeText, proposed);
    // A callback may rewrite the replacement in stringObj; what it leaves there is inserted.
    if (replacement)
        *replacement = DialogEventStringObj();
    return DialogEventBoolVal();
}

Range CUI_TextViewDelegate::textViewWillChangeSelectionFromCharacterRangeToCharacterRange(
    const Ref<platform::TextView>& textView, Range oldRange, Range newRange) {
    fromRange_ = oldRange;
    toRange_ = newRange;
    fromRanges_ = platform::Array::arrayWithObjects({platform::Value::valueWithRange(oldRange)});
    toRanges_ = platform::Array::arrayWithObjects({platform::Value::valueWithRange(newRange)});
    textViewCallUserDefinedOnDialogFunctionWithEventObject(
        textView, TextViewEvent::WillChangeSelection, nullptr);
    return toRange_;
}

void CUI_TextViewDelegate::textViewDidChangeSelection(const Ref<platform::Notification>& notice) {
    notify(TextViewEvent::DidChangeSelection, notice);
}

void CUI_TextViewDelegate::textDidBeginEditing(const Ref<platform::Notification>& notice) {
    notify(TextViewEvent::DidBeginEditing, notice);
}

void CUI_TextViewDelegate::textDidChange(const Ref<platform::Notification>& notice) {
    notify(TextViewEvent::DidChange, notice);
}

void CUI_TextViewDelegate::textDidEndEditing(const Ref<platform::Notification>& notice) {
    notify(TextViewEvent::DidEndEditing, notice);
}

bool CUI_TextViewDelegate::textViewDoCommandBySelector(const Ref<platform::TextView>& textView,
                                                       std::string_view selector) {
    const auto name = platform::String::fromUtf8(selector);
    DialogEventSetBoolVal(false);
    DialogEventSetLongVal(TextCommandNumber(selector));
    DialogEventSetStringObj(name);
    textViewCallUserDefinedOnDialogFunctionWithEventObject(
        textView, TextViewEvent::DoCommandBySelector, name);
    return DialogEventBoolVal();
}

Ref<platform::Array>
CUI_TextViewDelegate::textViewCompletionsForPartialWordRangeIndexOfSelectedItem(
    const Ref<platform::TextView>& textView, const Ref<platform::Array>& words, Range charRange,
    std::int64_t* index) {
    DialogEventSetArrayObj(words);
    DialogEventSetRangeVal(charRange);
    DialogEventSetLongVal(index ? *index : 0);
    textViewCallUserDefinedOnDialogFunctionWithEventObject(
        textView, TextViewEvent::Completions,
        textView ? textView->textStorage()->substringWithRange(charRange) : nullptr);
    if (index)
        *index = DialogEventLongVal();
    return DialogEventArrayObj();
}

Ref<platform::SharingServicePicker>
CUI_TextViewDelegate::textViewWillShowSharingServicePickerForItems(
    const Ref<platform::TextView>& textView, const Ref<platform::SharingServicePicker>& picker,
    const Ref<platform::Array>& items) {
    DialogEventSetArrayObj(items);
    DialogEventSetObject(picker);
    textViewCallUserDefinedOnDialogFunctionWithEventObject(
        textView, TextViewEvent::WillShowSharingServicePicker, items);
    return std::dynamic_pointer_cast<platform::SharingServicePicker>(DialogEventObject());
}
