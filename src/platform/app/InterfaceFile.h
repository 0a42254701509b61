#pragma once

#include "platform/foundation/Object.h"

#include <string_view>
#include <vector>

namespace platform {

class String;
class View;
class Window;

// What loading an interface file gave. On success error is none, objects holds every object
// built from the file in document order (the window first, then its content view), view is the
// window's content view or, for a file whose top-level widget is not a window, that widget's
// view. On failure only error is set, and no window built on the way was ever shown or is left.
struct InterfaceLoad {
    Ref<Window> window;
    Ref<View> view;
    std::vector<Ref<Object>> objects;
    Ref<String> error;
};

// Reads the interface files Qt Designer saves (".ui") and builds this framework's windows,
// views, controls and menus from them, never plain toolkit widgets. Each widget class is
// mapped through InterfaceClasses, so a widget promoted in the designer to a registered class
// becomes that class. Layouts become the frames they compute when the file is loaded, with
// autoresizing masks that keep them in place as the window grows. Once the whole tree exists,
// every object built hears awakeFromNib, in document order.
//
// A file that is not well formed, nests too deeply, is too large or gives a property a value of
// the wrong type builds nothing; the error names the file and the line (and for XML errors the
// column). A class the registry does not know becomes a plain View, with a warning on standard
// error naming the file, line and class.
class InterfaceFile {
public:
    // The largest file read, and the deepest nesting of elements accepted.
    static constexpr std::size_t MaxBytes = 8 * 1024 * 1024;
    static constexpr int MaxDepth = 256;

    static InterfaceLoad load(const String& path);
    // The same from the file's text; name stands for the file in messages.
    static InterfaceLoad loadBytes(std::string_view xml, const String& name);
};

} // namespace platform
