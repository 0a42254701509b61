#pragma once

// Internal to the platform: the classes an interface file can name without registering them.
// The framework's own views answer to their names; each toolkit widget class stands for the
// framework class that plays its part, and a toolkit class whose framework class does not exist
// yet loads as a plain View until that class is added to the table of framework classes.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class View;
class Window;
} // namespace platform

namespace platform::detail {

// What the file says of a widget that decides which view is made for it.
struct InterfaceBlueprint {
    Rect frame;
    // The toolkit class the widget's class extends, or the class itself.
    std::string baseClass;
    bool checkable = false;
    bool editable = false;
    bool password = false;
    bool pixmap = false;
};

struct InterfaceView {
    Ref<View> view;
    // False when no class of the name is known; the view is then a plain View.
    bool known = false;
};

// Whether the class is a registered view class, a framework view class or a toolkit class.
bool isViewClass(std::string_view className);
InterfaceView makeInterfaceView(std::string_view className, const InterfaceBlueprint& blueprint);

// Whether the class is a registered or built-in window class.
bool isWindowClass(std::string_view className);
// The window for a window class, or for the window class it is based on, with the style of the
// nearest built-in class; none when neither names a window.
Ref<Window> makeInterfaceWindow(std::string_view className, std::string_view baseClass,
                                Rect contentRect);

// Whether a class shows its widgets through a main window's central widget.
bool isMainWindowClass(std::string_view className);

} // namespace platform::detail
