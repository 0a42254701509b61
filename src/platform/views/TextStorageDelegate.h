#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class TextStorage;

// What a text storage tells its delegate about each edit, once its characters or attributes
// have changed: before the change is laid out, when the delegate may still change attributes
// (such changes join the same edit and send no notices of their own), and after. The mask holds
// TextStorageEditActions; the range is the edited text as it is now, and the change in length
// is how many characters the edit added (negative for fewer). The base does nothing.
class TextStorageDelegate {
public:
    virtual ~TextStorageDelegate();
    virtual void textStorageWillProcessEditingRangeChangeInLength(const Ref<TextStorage>& storage,
                                                                  std::uint64_t editedMask,
                                                                  Range editedRange,
                                                                  std::int64_t delta);
    virtual void textStorageDidProcessEditingRangeChangeInLength(const Ref<TextStorage>& storage,
                                                                 std::uint64_t editedMask,
                                                                 Range editedRange,
                                                                 std::int64_t delta);
};

} // namespace platform
