#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

namespace platform {

class String;

// Turns a control's object value into the text it shows and back, and judges each edit the
// user makes to that text. A control with a formatter asks it about every proposed change of
// its text, typed or pasted, before the change is shown.
class Formatter : public Object {
public:
    // The text for an object; none when the formatter cannot show that object.
    virtual Ref<String> stringForObjectValue(const Ref<Object>& object) = 0;
    // Reads an object from text into *object. On failure answers false and may set *error.
    virtual bool getObjectValueForStringErrorDescription(Ref<Object>* object,
                                                         const Ref<String>& string,
                                                         Ref<String>* error) = 0;
    // Judges one edit. *partialString holds the whole text the edit would leave and
    // *proposedSelectedRange the selection after it; origString and origSelectedRange are the
    // text and selection before it. Answer true to let the edit through as proposed. Answer
    // false to refuse it: the text stays as it was, unless *partialString was replaced, in
    // which case the control shows the replacement (with the selection in
    // *proposedSelectedRange) instead of the proposed text. The base implementation accepts
    // every edit.
    virtual bool
    isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
        Ref<String>* partialString, Range* proposedSelectedRange, const Ref<String>& origString,
        Range origSelectedRange, Ref<String>* error);
};

} // namespace platform
