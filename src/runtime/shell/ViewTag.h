#pragma once

// The tag by which programs name a view: for plain views (exactly View, ViewSC or
// ContentViewSC) the integer value of the identifier, 0 without one; for every other class the
// view's own tag.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
class View;
} // namespace platform

std::int64_t ViewTag(const platform::View& view);

// The integer at the start of the text, after any white space, as the framework reads it: an
// optional sign and decimal digits; 0 when there are none or there is no text.
std::int64_t IntegerValue(const platform::Ref<platform::String>& text);
