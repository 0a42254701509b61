#pragma once

// Creating interface elements in code, for programs that build their windows without an
// interface file. An element created here is the same object a loaded window would hold: a
// member of the wrapper family (ButtonSC, SliderSC, ...), found by ViewWithTag and heard
// through the callbacks. Set its other properties through its platform class, for example
// ElementCreate(...)->as<platform::Button>()->setTitle(...), and a scroll view's
// scrollingDisabled through ScrollViewSC.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class View;
}

// The kinds of element, numbered for programs.
namespace ElementKind {
inline constexpr std::int64_t View = 1;
inline constexpr std::int64_t PushButton = 2;
inline constexpr std::int64_t CheckBox = 3;
inline constexpr std::int64_t RadioButton = 4;
inline constexpr std::int64_t Slider = 5;
inline constexpr std::int64_t Stepper = 6;
inline constexpr std::int64_t TextField = 7;
inline constexpr std::int64_t Switch = 8;
inline constexpr std::int64_t SegmentedControl = 9;
inline constexpr std::int64_t PopUpButton = 10;
inline constexpr std::int64_t PullDownButton = 11;
inline constexpr std::int64_t ComboButton = 12;
inline constexpr std::int64_t SecureTextField = 13;
inline constexpr std::int64_t LevelIndicator = 14;
inline constexpr std::int64_t ProgressBar = 15;
inline constexpr std::int64_t ProgressSpinner = 16;
inline constexpr std::int64_t Box = 17;
inline constexpr std::int64_t ImageView = 18;
inline constexpr std::int64_t ColorWell = 19;
inline constexpr std::int64_t DatePicker = 20;
inline constexpr std::int64_t CalendarDatePicker = 21;
inline constexpr std::int64_t VisualEffectView = 22;
inline constexpr std::int64_t ScrollView = 23;
inline constexpr std::int64_t TokenField = 24;
inline constexpr std::int64_t TextInsertionIndicator = 25;
inline constexpr std::int64_t SearchField = 26;
inline constexpr std::int64_t ComboBox = 27;
} // namespace ElementKind

// Creates an element of the kind in the content view of the window with the tag, at the frame
// (in the content view's coordinates, origin bottom left), and answers it. The view tag names
// it: a control's own tag, a view's identifier. Its attached wndTag is the window's tag. A
// control's target is the shared CUI_ControlTarget with the action "controlAction:", so its
// action reaches the program through ControlAction (code 1); a colour well's pull-down arrow
// reaches it through the shared CUI_ColorWellPulldownTarget. Answers absent, creating
// nothing, when no window has the tag or the kind is none of ElementKind.
platform::Ref<platform::View> ElementCreate(std::int64_t wndTag, std::int64_t viewTag,
                                            std::int64_t kind, platform::Rect frame);

// Registers every member of the family by its class name ("ButtonSC", "SliderSC", ...) with the
// interface-file reader, and the runtime's window classes ("WindowSC", "PanelSC"), so that a
// widget promoted to one of them in the designer loads as that class. WindowLoad registers them
// before its first load; a program that reads interface files itself calls this first.
void ElementClassesRegister();
