#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class View;
class Window;
} // namespace platform

namespace platform::testing {

// What the user and the window manager do to a window outside any modal run, sent as the real
// toolkit events they cause.
class UserActions {
public:
    // The window manager's close button.
    static void clickCloseButton(const Ref<Window>& window);
    // Dragging the window's edge until the content area has this size.
    static void resizeContentTo(const Ref<Window>& window, Size size);
    // Dragging the window by its title bar until its frame's origin is here (screen coordinates).
    static void moveFrameTo(const Ref<Window>& window, Point origin);
    // Pressing and releasing the key of a character in the window's focused widget.
    static void typeCharacter(const Ref<Window>& window, char32_t character);
    // The keys that move the focus and work controls.
    enum class Key {
        Tab,
        Return,
        Space,
        Up,
        Down,
        Left,
        Right,
        PageUp,
        PageDown,
        Escape,
        Backspace
    };
    // Pressing and releasing a key in the window's focused widget, with the modifier keys of
    // the flags (EventModifierFlag) held down; Shift+Tab is the toolkit's back tab.
    static void pressKey(const Ref<Window>& window, Key key, std::uint64_t modifierFlags = 0);
    // Clicking the title in the window's menu bar, which opens its menu, then moving to the item
    // and clicking it. False when the bar, the menu or the item is missing or the menu stayed
    // open.
    static bool chooseMenuItem(const Ref<Window>& window, const std::string& title,
                               const std::string& item);
    // Clicking the button of the toolbar item with the identifier in the window's toolbar. False
    // when the window shows no such button.
    static bool clickToolbarItem(const Ref<Window>& window, const std::string& identifier);
    // Pressing and releasing the left mouse button at a point of the view, with the modifier keys
    // of the flags (EventModifierFlag) held down.
    static void clickInView(const Ref<View>& view, Point point, std::uint64_t modifierFlags = 0);
    // Resting the pointer at a point of the view until its tool tip shows. Answers the tip's
    // text, empty when none showed, and hides the tip again.
    static std::string toolTipAt(const Ref<View>& view, Point point);
    // Rolling the mouse wheel over the view by whole notches; positive rolls away from the user.
    // The toolkit hands a real wheel event on from a view that does not take it to the views
    // round it; an event made here is not passed on, so it goes to this view itself.
    static void rollWheel(const Ref<View>& view, int notches);
    // Pressing the left mouse button at the first point of the view, moving the pointer through
    // the other points (which may lie outside the view) and releasing the button at the last;
    // with Escape, Escape is pressed at the last point, before the button is released.
    enum class DragFinish { Release, Escape };
    static void dragInView(const Ref<View>& view, const std::vector<Point>& points,
                           DragFinish finish = DragFinish::Release);
    // Two presses of the left mouse button in quick succession at a point of the view.
    static void doubleClickInView(const Ref<View>& view, Point point);
    // Asking for the view's contextual menu with the right mouse button at a point of the view;
    // on a control, the innermost widget there is asked first, as with a click.
    static void rightClickInView(const Ref<View>& view, Point point);
    // Clicks through the shown pop-up menu (a view's contextual menu): the titles of the
    // submenus to open, then the item's. Answers whether the item was chosen; when it was not
    // (no such title, or the item is disabled), the menus are closed as Escape closes them.
    static bool chooseInShownMenu(const std::vector<std::string>& titles);
    // Two fingers on a touch screen over the view: both touch at the first pair of points, move
    // through the pairs that follow and lift at the last.
    static void touchWithTwoFingers(const Ref<View>& view,
                                    const std::vector<std::pair<Point, Point>>& path);
    // A pinch or a turn on the touchpad over the middle of the view, as the display server
    // reports them: a beginning, one change for each value (the change of scale, or the degrees
    // turned clockwise), an end.
    enum class TouchpadGesture { Pinch, Turn };
    static void touchpadGesture(const Ref<View>& view, TouchpadGesture gesture,
                                const std::vector<double>& values);

    // The window manager's minimize button, and bringing the window back.
    static void minimize(const Ref<Window>& window);
    static void restore(const Ref<Window>& window);
    // The window manager's full-screen switch.
    static void toggleFullScreen(const Ref<Window>& window);

    // How far a drag of files from the desktop's file manager goes.
    enum class DragEnd { Drop, LeaveAgain };
    // Drags local files over the middle of the view (through its window, as the desktop
    // delivers them) and drops them or takes them away again. Answers whether the application
    // accepted the drag when it entered.
    static bool dragFiles(const Ref<View>& view, const std::vector<std::string>& paths,
                          DragEnd end);
};

} // namespace platform::testing
