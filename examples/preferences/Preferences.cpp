// A preferences window drawn in the designer (Preferences.ui), loaded and wired with one call,
// and a console window that prints every event the program hears: the elements waking from the
// file, the controls' actions with their values, each change of the selected tab with the tab's
// place, and each element event with its code, view tag and window tag. The preferences sit on
// tabs (Ctrl+Tab and Ctrl+PgDn go to the next): the Search tab's search field and combo box, the
// Tokens tab's token field and the Notes tab's text view report their editing questions and
// notices too. The Done button, or closing the preferences window, ends the program.
//
//     preferences [path/to/Preferences.ui]

#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <cstdio>
#include <string>
#include <utility>

using platform::Ref;
using platform::String;

namespace {

constexpr std::int64_t kConsoleWindow = 1;
constexpr std::int64_t kPreferencesWindow = 2;
// The view tags given in the file.
constexpr std::int64_t kDone = 1;
constexpr std::int64_t kTrumps = 7;
constexpr std::int64_t kSkill = 8;
constexpr std::int64_t kTableColour = 9;
constexpr std::int64_t kSaving = 11;
constexpr std::int64_t kDeal = 19;

// One line into the console window and onto the standard output.
void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    CurrentOutputWindowTagSet(kConsoleWindow);
    ConsolePrint({String::fromUtf8(line)});
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    // Drawing comes at every repaint, and the console window updates after each line printed;
    // they would bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects ||
        event == WindowEvent::DidUpdate)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    const auto control = object ? object->as<platform::Control>() : nullptr;
    if (const auto value =
            control && event == kControlActionEvent ? control->objectValue() : nullptr)
        line += " value " + value->description()->utf8();
    // The tab view's notices about a tab carry its place in the record.
    if (event == TabViewEvent::WillSelectItem || event == TabViewEvent::DidSelectItem)
        line += " tab " + std::to_string(DialogEventLongVal());
    report(line);
    if (event == kControlActionEvent && tag == kDone && wndTag == kPreferencesWindow) {
        report("done");
        platform::Application::shared()->stopModal();
    }
}

void windowEvent(std::int64_t wndTag, std::int64_t event, void*) {
    if (wndTag == kPreferencesWindow && event == WindowEvent::WillClose)
        platform::Application::shared()->stopModal();
}

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

// What the designer has no property for: segments, the rating style, a bar that shows its value,
// a colour and a menu.
void dressUp() {
    if (const auto suits = ViewWithTagOfClass<platform::SegmentedControl>(kTrumps)) {
        suits->setSegmentCount(3);
        for (const auto& [index, label] : {std::pair{0, "Clubs"}, {1, "Hearts"}, {2, "Spades"}})
            suits->setLabel(text(label), index);
        suits->setSelectedSegment(0);
    }
    if (const auto skill = ViewWithTagOfClass<platform::LevelIndicator>(kSkill)) {
        skill->setStyle(platform::LevelIndicatorStyle::Rating);
        skill->setEditable(true);
        skill->setDoubleValue(3);
    }
    if (const auto saving = ViewWithTagOfClass<platform::ProgressIndicator>(kSaving))
        saving->setIndeterminate(false);
    if (const auto well = ViewWithTagOfClass<platform::ColorWell>(kTableColour))
        well->setColor(platform::Color::greenColor());
    if (const auto deal = ViewWithTagOfClass<platform::ComboButton>(kDeal)) {
        deal->setTitle(text("Deal"));
        auto menu = std::make_shared<platform::Menu>(text("Deal"));
        menu->addItem(std::make_shared<platform::MenuItem>(text("Deal again"), platform::Selector(),
                                                           text("")));
        deal->setItemMenu(menu);
    }
}

} // namespace

int main(int argc, char** argv) {
    AppEnsureDelegate();
    RuntimeInit();
    WindowOpen(kConsoleWindow, text("Events"), kParamNotGiven, {20, 200, 420, 360});
    ConsoleViewOfWindow(WindowWithTag(kConsoleWindow));
    DialogCallbackSet(heard);
    WindowLoad(kPreferencesWindow, text(argc > 1 ? argv[1] : PREFERENCES_UI));
    const auto window = WindowWithTag(kPreferencesWindow);
    if (!window)
        return 1;
    dressUp();
    WindowCallbackSet(kPreferencesWindow, windowEvent, nullptr);
    report("Click and type in the preferences; Done ends the program.");
    platform::Application::shared()->runModalForWindow(window);
    return 0;
}
