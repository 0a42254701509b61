// A window of controls created in code (a button, a check box, a slider and a stepper) and a
// console window that prints every event the program hears: the controls' actions with their
// values, and each element event with its code, view tag and window tag. The Quit button, or
// closing the controls window, ends the program.

#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/Slider.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <string>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kConsoleWindow = 1;
constexpr std::int64_t kControlsWindow = 2;
constexpr std::int64_t kQuit = 1;
constexpr std::int64_t kCheckBox = 2;
constexpr std::int64_t kSlider = 3;
constexpr std::int64_t kStepper = 4;

// One line into the console window and onto the standard output.
void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    CurrentOutputWindowTagSet(kConsoleWindow);
    ConsolePrint({String::fromUtf8(line)});
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    // Drawing comes at every repaint; it would bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    if (const auto control = object ? object->as<platform::Control>() : nullptr)
        line += " value " + control->stringValue()->utf8();
    report(line);
}

void quit(std::int64_t, std::int64_t, void*) {
    report("quit");
    platform::Application::shared()->stopModal();
}

void windowEvent(std::int64_t wndTag, std::int64_t event, void*) {
    if (wndTag == kControlsWindow && event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

void openControls() {
    WindowOpen(kControlsWindow, String::fromUtf8("Controls"), kParamNotGiven, {420, 200, 300, 180});
    const auto quitButton =
        ElementCreate(kControlsWindow, kQuit, ElementKind::PushButton, {20, 20, 100, 30})
            ->as<platform::Button>();
    quitButton->setTitle(String::fromUtf8("Quit"));
    Additions::setCuiControlCallback(*quitButton, quit);
    const auto box =
        ElementCreate(kControlsWindow, kCheckBox, ElementKind::CheckBox, {20, 130, 200, 24})
            ->as<platform::Button>();
    box->setTitle(String::fromUtf8("Sound"));
    const auto slider =
        ElementCreate(kControlsWindow, kSlider, ElementKind::Slider, {20, 90, 200, 24})
            ->as<platform::Slider>();
    slider->setMaxValue(100);
    slider->setNumberOfTickMarks(11);
    ElementCreate(kControlsWindow, kStepper, ElementKind::Stepper, {240, 88, 19, 27});
}

} // namespace

int main() {
    AppEnsureDelegate();
    RuntimeInit();
    WindowOpen(kConsoleWindow, String::fromUtf8("Events"), kParamNotGiven, {20, 200, 380, 300});
    ConsoleViewOfWindow(WindowWithTag(kConsoleWindow));
    openControls();
    DialogCallbackSet(heard);
    WindowCallbackSet(kControlsWindow, windowEvent, nullptr);
    report("Click the controls; Quit ends the program.");
    platform::Application::shared()->runModalForWindow(WindowWithTag(kControlsWindow));
    return 0;
}
