#pragma once

// Windows named by integer tags: opening, lookups, the current output window, and the
// process-wide state they share. A window's tag is the absolute value of the tag it was opened
// with; 0 names no window. The lookups answer absent for a tag nothing has, and do nothing else.

#include "runtime/shell/Callbacks.h"
#include "runtime/shell/Tags.h"

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class Array;
class Color;
class Popover;
class String;
class View;
class Window;
} // namespace platform

// The absolute tag of the window last opened or last addressed by an event; 0 at first. It is
// what the console, the view lookup and sheets mean by the current window. It is not cleared
// when its window closes.
std::int64_t CurrentOutputWindowTag();
// Stores the absolute value of the tag.
void CurrentOutputWindowTagSet(std::int64_t tag);

// When set, the next window created is a WindowSC; creating or reopening a window clears it.
bool WindowSubclassRequest();
void WindowSubclassRequestSet(bool request);

// The popover registry: a list of dictionaries, each mapping the decimal text of a tag to a
// popover. The runtime adds to it only through PopoverRegister.
platform::Ref<platform::Array> PopoverRegistry();
// Gives the popover the (absolute) tag and registers it under that tag, so that windows cannot
// take the tag and the lookups find the popover and the views it shows. A later registration
// under the same tag does not replace the first.
void PopoverRegister(const platform::Ref<platform::Popover>& popover, std::int64_t tag);
// The first registered popover that is shown, or none.
platform::Ref<platform::Popover> ShownPopover();

// Opens the window with the tag: creates it on first use, else retitles, resizes (unless the
// rectangle is empty) and restyles (unless the style is kParamNotGiven) the one that exists. A
// tag of 1 or more shows the window in front as key; 0 or less orders it out. The window
// becomes the current output window. Does nothing but post an error notice when a popover
// has the tag, and nothing at all for a tag above kObjectThreshold, which names nothing.
void WindowOpen(std::int64_t tag, const platform::Ref<platform::String>& title, std::int64_t style,
                platform::Rect contentRect);
// Creates a hidden window for the tag: an empty rectangle gives 550 x 400 at (0, 0), and a
// rectangle at (0, 0) is centred. The window is kept in the application delegate's list until
// it closes.
platform::Ref<platform::Window> WindowCreate(std::int64_t tag, platform::Rect contentRect);
// Gives a window made elsewhere, such as one loaded from an interface file, what WindowCreate
// gives its own: a controller, a ContentViewSC named by kContentViewTag that takes over the
// views of the window's content view, the tag, the shared window delegate, and a place in the
// application delegate's list until it closes. The window stays as it was shown or hidden.
void WindowAdopt(const platform::Ref<platform::Window>& window, std::int64_t tag);
// The window with the absolute value of the tag, or the window referred to.
platform::Ref<platform::Window> WindowWithTag(const TagOrRef& tag);
// The popover registered under the tag, or the one referred to; absent for every other tag.
platform::Ref<platform::Object> PopoverWithTag(const TagOrRef& tag);
// Answers true, after posting an error notice, when a popover has the (absolute) tag.
bool WindowTagCheck(std::int64_t tag);
// The window, or else the popover, of the current output window tag.
platform::Ref<platform::Object> CurrentWindowObject();
// The content view of the current window object; for a popover, its content controller's view.
platform::Ref<platform::View> CurrentContentView();
// The frontmost of the application's windows.
platform::Ref<platform::Window> FrontWindow();
// With a tag other than 0, its window or popover, leaving the tag alone. With 0, the current
// window object or else the front window, writing its tag back into the argument.
platform::Ref<platform::Object> WindowResolve(std::int64_t& tag);
void WindowCenter(std::int64_t tag);
void WindowSetBackgroundColor(std::int64_t tag, const platform::Ref<platform::Color>& color);
// The tag of the view's window; when that is 0, the tag of the popover showing the view; else 0.
std::int64_t ViewWindowTag(const platform::View& view);
// Installs the callback and user data of the window with the tag; nothing when there is none.
void WindowCallbackSet(std::int64_t tag, WindowCallback callback, void* userData);
