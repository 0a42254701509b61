#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/DatePicker.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace platform {

class View;
class Window;

// What a registered view class is made from: the frame the file gives the widget, and the kind of
// button and of date picker that the toolkit class it extends stands for. A view of those classes
// takes its kind when it is made, so a class promoted from a check box comes out a check box.
struct ViewSeed {
    Rect frame;
    ButtonType buttonType = ButtonType::MomentaryPushIn;
    DatePickerStyle datePickerStyle = DatePickerStyle::TextFieldAndStepper;
};

// The classes an interface file may name, by name. A widget's class is looked up first among the
// classes registered here, then among the framework's own classes by their names ("Button",
// "LevelIndicator", ...), then among the toolkit's widget classes, each of which stands for a
// framework class (a push button for a Button, a line edit for a TextField, ...). A toolkit
// class whose framework class does not exist yet loads as a plain View until that class
// registers its name. The top-level widget is a window when its class is a registered window
// class, a main window, a dialog or a plain widget.
class InterfaceClasses {
public:
    using ViewFactory = std::function<Ref<View>(const ViewSeed& seed)>;
    using WindowFactory = std::function<Ref<Window>(Rect contentRect, std::uint64_t styleMask)>;

    // Registering a name again replaces its factory, a toolkit class name included.
    static void registerView(std::string_view name, ViewFactory factory);
    static void registerWindow(std::string_view name, WindowFactory factory);

    // The registered factory for a name, or none.
    static const ViewFactory* viewFactory(std::string_view name);
    static const WindowFactory* windowFactory(std::string_view name);
};

} // namespace platform
