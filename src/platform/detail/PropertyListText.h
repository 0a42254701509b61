#pragma once

// Internal to the platform: the text of objects inside collection descriptions.

#include "platform/foundation/Object.h"

#include <string>

namespace platform::detail {

// The text of an object as it appears in a collection's description, in the property-list
// style of the framework: arrays as "( … )" and dictionaries as "{ … }" with one entry per line
// indented four blanks per level, strings bare when they are a plain word and quoted
// otherwise, anything else as its description. level is the nesting depth of the object.
std::u16string propertyListText(const Object& object, int level);

} // namespace platform::detail
