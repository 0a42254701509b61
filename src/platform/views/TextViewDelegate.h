#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <string_view>

namespace platform {

class Array;
class Notification;
class SharingServicePicker;
class TextView;

// What a text view tells and asks its delegate while the user works in it. Each method answers
// what the framework answers when a text view has no delegate. The notifications carry the text
// view as their object. Ranges count UTF-16 code units.
class TextViewDelegate {
public:
    virtual ~TextViewDelegate();

    // Asked before each change the user makes: typing, pasting, dropping text, cutting,
    // deleting, a completion, and undoing or redoing. The range is the text to be replaced; the
    // replacement is what takes its place (empty for a deletion). No leaves the text as it is;
    // a replacement the delegate rewrites is inserted instead of the proposed one.
    virtual bool textViewShouldChangeTextInRangeReplacementString(const Ref<TextView>& textView,
                                                                  Range range,
                                                                  Ref<String>* replacement);
    // Asked whenever the selection changes: the answer becomes the selection.
    virtual Range
    textViewWillChangeSelectionFromCharacterRangeToCharacterRange(const Ref<TextView>& textView,
                                                                  Range oldRange, Range newRange);
    virtual void textViewDidChangeSelection(const Ref<Notification>& notification);
    // After the first change of an editing session, after every change the user makes, and
    // when the text view loses the keyboard focus to another view after the user edited it.
    virtual void textDidBeginEditing(const Ref<Notification>& notification);
    virtual void textDidChange(const Ref<Notification>& notification);
    virtual void textDidEndEditing(const Ref<Notification>& notification);
    // Asked for each editing command a key gives, before the text view performs it, with the
    // commands of TextFieldDelegate; Escape asks for "cancelOperation:", which the text view
    // performs as "complete:". Answer true when the delegate has handled the command.
    virtual bool textViewDoCommandBySelector(const Ref<TextView>& textView,
                                             std::string_view selector);
    // Asked when the user completes the word before the insertion point: the words proposed
    // (the text's other words that start with it), the range of the partial word, and the index
    // of the word to take (in and out; -1 takes none). The answer is the list to choose from.
    virtual Ref<Array>
    textViewCompletionsForPartialWordRangeIndexOfSelectedItem(const Ref<TextView>& textView,
                                                              const Ref<Array>& words,
                                                              Range charRange, std::int64_t* index);
    // Asked before a sharing-service picker shows for the items; the answer is the picker to
    // show, none for none.
    virtual Ref<SharingServicePicker>
    textViewWillShowSharingServicePickerForItems(const Ref<TextView>& textView,
                                                 const Ref<SharingServicePicker>& picker,
                                                 const Ref<Array>& items);
};

} // namespace platform
