#pragma once

// Reports of errors the program cannot recover from by itself: a modal alert whose buttons end
// the program normally ("Quit", "Stop"), abnormally ("Crash"), or, for errors that allow it, go
// on ("Continue"). They use neither the temporary string stack nor pstrResult, so they work
// after that stack has overflowed.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
}

// The English text's translation in the application's "Runtime" strings table, or the text
// itself when nothing translates it.
platform::Ref<platform::String> RuntimeText(const char* english);

// Shows the report and acts on the answer. A fatal report (any non-zero flag) offers "Quit" and
// "Crash" and never returns. A non-fatal one offers "Stop", "Continue" and "Crash", and returns
// on "Continue", or on "Stop" when the application declines to terminate.
void RuntimeAlert(const platform::Ref<platform::String>& message,
                  const platform::Ref<platform::String>& informative, int fatal);

// "At line" and the line number: "At line 81".
platform::Ref<platform::String> AtLineText(std::int32_t line);

// Reports an array index outside 0 to bound at the line of the named source: first on the
// standard error stream, then as a fatal report.
[[noreturn]] void ArrayBoundsError(std::int64_t index, std::int32_t line, std::int64_t bound,
                                   const platform::Ref<platform::String>& sourceName);
