#pragma once

// What programs do with the console: print, set the text attributes, move the pen, clear and
// scroll. Output that names no window goes to the print window, the current output window (or
// else the front window); when there is no window at all, the first print opens a default one.
// A window gets its console the first time one is asked of it, and never a second.

#include "runtime/shell/Tags.h"

#include "platform/foundation/Object.h"

#include <cstdint>
#include <initializer_list>

namespace platform {
class Color;
class String;
class Window;
} // namespace platform

class CUI_PrintToWindowView;

// The tag and title of the window opened when something is printed before any window exists.
inline constexpr std::int64_t kDefaultPrintWindowTag = 999999;
inline constexpr char16_t kDefaultPrintWindowTitle[] = u"\u2022 Print to Window \u2022";

// The current output window, else the front window; else a new default print window
// (550 x 400, centred, shown in front, and the current output window from then on).
platform::Ref<platform::Window> GetPrintWindow();

// The window's console, made on first use: it fills the content view in a scroll view placed
// below the window's other views, and follows the window's size.
platform::Ref<CUI_PrintToWindowView>
ConsoleViewOfWindow(const platform::Ref<platform::Window>& window);

// The console of the window with the tag (0: the current output window, else the front window),
// or absent when there is no such window. Opens no window.
platform::Ref<CUI_PrintToWindowView> ConsoleForWindowTag(std::int64_t tag);

// Prints the values, joined without separators, as one line into the print window's console.
// The values end at the first absent one. Strings print as they are, numbers made from integers
// as their plain digits, other objects as their descriptions. A last value that is the
// one-character string of CUI_PrintToWindowView::NoNewlineMarker (or any print that ends with a
// tab) keeps the line open; no values print an empty line.
void ConsolePrint(std::initializer_list<platform::Ref<platform::Object>> values);

// Sets the attributes of later prints in the print window's console, in this order: font name,
// size (when more than 0), foreground and background colour, alignment and tab interval (when
// not kParamNotGiven). What is not given keeps its value.
void ConsoleSetText(const platform::Ref<platform::String>& fontName, double fontSize,
                    const platform::Ref<platform::Color>& foreground,
                    const platform::Ref<platform::Color>& background,
                    std::int64_t alignment = kParamNotGiven,
                    std::int64_t tabInterval = kParamNotGiven);

// Moves the pen of the print window's console to the point, in points from its top left corner.
void ConsoleSetPenPosition(double x, double y);

// Empties the print window's console.
void ConsoleClear();

// Scrolls the console's scroll view so that the end of the content is in view: to 20 points
// past the end, held at the end of the document, so that no blank space shows below the last
// line. Printing never scrolls by itself.
void ScrollConsoleToEnd(const platform::Ref<CUI_PrintToWindowView>& console);
