#pragma once

// The delegate the wiring gives editable text views. It reports each notice and question of a
// text view to the dialog callback alone, with the text view's tag and window tag; for a
// question it first prepares the shared record (or its own range fields) with the answer the
// text view gives without a delegate, and then answers what the program left there. One
// instance serves every text view.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/views/TextViewDelegate.h"

#include <cstdint>
#include <string_view>

namespace platform {
class Array;
}

class CUI_TextViewDelegate : public platform::Object, public platform::TextViewDelegate {
public:
    // The one delegate, created on first use and never released: text views hold it weakly.
    static const platform::Ref<CUI_TextViewDelegate>& shared();

    // The selection question's old and proposed selection, the proposal answered in toRange;
    // the lists hold the same ranges as single boxed ranges.
    platform::Ref<platform::Array> fromRanges() const { return fromRanges_; }
    void setFromRanges(platform::Ref<platform::Array> ranges) { fromRanges_ = std::move(ranges); }
    platform::Ref<platform::Array> toRanges() const { return toRanges_; }
    void setToRanges(platform::Ref<platform::Array> ranges) { toRanges_ = std::move(ranges); }
    platform::Range fromRange() const { return fromRange_; }
    void setFromRange(platform::Range range) { fromRange_ = range; }
    platform::Range toRange() const { return toRange_; }
    void setToRange(platform::Range range) { toRange_ = range; }

    // The text-view path: the text view's window becomes the current output window, and the
    // dialog callback, when one is installed, hears the event.
    void textViewCallUserDefinedOnDialogFunctionWithEventObject(
        const platform::Ref<platform::TextView>& textView, std::int64_t event,
        const platform::Ref<platform::Object>& object);

    bool textViewShouldChangeTextInRangeReplacementString(
        const platform::Ref<platform::TextView>& textView, platform::Range range,
        platform::Ref<platform::String>* replacement) override;
    platform::Range textViewWillChangeSelectionFromCharacterRangeToCharacterRange(
        const platform::Ref<platform::TextView>& textView, platform::Range oldRange,
        platform::Range newRange) override;
    void textViewDidChangeSelection(const platform::Ref<platform::Notification>& notice) override;
    void textDidBeginEditing(const platform::Ref<platform::Notification>& notice) override;
    void textDidChange(const platform::Ref<platform::Notification>& notice) override;
    void textDidEndEditing(const platform::Ref<platform::Notification>& notice) override;
    bool textViewDoCommandBySelector(const platform::Ref<platform::TextView>& textView,
                                     std::string_view selector) override;
    platform::Ref<platform::Array> textViewCompletionsForPartialWordRangeIndexOfSelectedItem(
        const platform::Ref<platform::TextView>& textView,
        const platform::Ref<platform::Array>& words, platform::Range charRange,
        std::int64_t* index) override;
    platform::Ref<platform::SharingServicePicker> textViewWillShowSharingServicePickerForItems(
        const platform::Ref<platform::TextView>& textView,
        const platform::Ref<platform::SharingServicePicker>& picker,
        const platform::Ref<platform::Array>& items) override;

private:
    void notify(std::int64_t code, const platform::Ref<platform::Notification>& notice);

    platform::Ref<platform::Array> fromRanges_;
    platform::Ref<platform::Array> toRanges_;
    platform::Range fromRange_{0, 0};
    platform::Range toRange_{0, 0};
};
