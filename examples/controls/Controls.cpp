// A window with one control of each kind, created in code, and a console window that prints every
// event the program hears: the controls' actions with their values, and each element event with its
// code, view tag and window tag. The text field's cell shows a negative number in red, and files
// dragged onto the effect view are listed. The text controls report their editing, the search
// field each search starting and ending, and the combo box, whose suits come from the shared
// combo-box delegate, its list opening, closing and choosing. The token field asks about each
// token it makes and offers card names as completions; the caret beside it blinks while the
// window is key. The Quit button, or closing the controls window, ends the program.

#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/elements/CUI_ComboBoxDelegate.h"
#include "runtime/elements/CUI_TextFieldCellEvent.h"
#include "runtime/elements/CUI_TokenFieldDelegate.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/TextFieldCellSC.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/app/Pasteboard.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/VisualEffectView.h"
#include "platform/views/controls/Box.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboBox.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/ProgressIndicator.h"
#include "platform/views/controls/SearchField.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/TokenField.h"
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
constexpr std::int64_t kControlsWindow = 2;
constexpr std::int64_t kQuit = 1;

// Every other kind of element, with the view tag that names it and where it stands.
struct Placed {
    std::int64_t kind;
    platform::Rect frame;
};
const Placed kPlaced[] = {
    {ElementKind::CheckBox, {20, 440, 120, 24}},
    {ElementKind::RadioButton, {150, 440, 120, 24}},
    {ElementKind::Switch, {290, 442, 40, 20}},
    {ElementKind::Slider, {20, 400, 200, 24}},
    {ElementKind::Stepper, {240, 398, 19, 27}},
    {ElementKind::TextField, {20, 360, 150, 24}},
    {ElementKind::SecureTextField, {190, 360, 150, 24}},
    {ElementKind::SegmentedControl, {20, 320, 240, 26}},
    {ElementKind::PopUpButton, {20, 280, 140, 28}},
    {ElementKind::PullDownButton, {180, 280, 140, 28}},
    {ElementKind::ComboButton, {340, 280, 120, 28}},
    {ElementKind::LevelIndicator, {20, 246, 150, 20}},
    {ElementKind::ProgressBar, {190, 246, 150, 20}},
    {ElementKind::ProgressSpinner, {360, 240, 32, 32}},
    {ElementKind::ColorWell, {20, 196, 60, 30}},
    {ElementKind::DatePicker, {100, 198, 180, 26}},
    {ElementKind::ImageView, {300, 170, 64, 64}},
    {ElementKind::CalendarDatePicker, {20, 20, 260, 170}},
    {ElementKind::Box, {300, 70, 170, 90}},
    {ElementKind::VisualEffectView, {300, 20, 80, 40}},
    {ElementKind::ScrollView, {390, 20, 80, 40}},
    {ElementKind::TokenField, {20, 490, 300, 24}},
    {ElementKind::TextInsertionIndicator, {330, 492, 2, 20}},
    {ElementKind::SearchField, {20, 520, 200, 24}},
    {ElementKind::ComboBox, {240, 520, 180, 24}},
};

// One line into the console window and onto the standard output.
void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    CurrentOutputWindowTagSet(kConsoleWindow);
    ConsolePrint({String::fromUtf8(line)});
}

// The field whose cell asks for its text colour.
Ref<platform::TextField> numberField;

// Red for a negative number in the field, else the cell's own colour. Answered at every repaint
// of the field, so only a change of the answer is printed.
void answerTextColour() {
    static bool wasRed = false;
    const bool red = numberField && numberField->doubleValue() < 0;
    if (red)
        CUI_TextFieldCellEvent::shared()->setTextColorObj(platform::Color::redColor());
    if (red != wasRed)
        report(std::string("event 4300: the field's text is ") + (red ? "red" : "its own colour"));
    wasRed = red;
}

// The card names that begin with what the user typed in the token field.
void offerCards(const Ref<platform::Object>& typed) {
    const std::string start = typed ? typed->description()->lowercaseString()->utf8() : "";
    auto cards = platform::Array::array();
    for (const char* card : {"ace", "king", "queen", "jack", "joker"})
        if (std::string(card).starts_with(start))
            cards->addObject(String::fromUtf8(card));
    DialogEventSetArrayObj(cards);
}

void heard(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
           const Ref<platform::Object>& object) {
    if (event == CellEvent::TextColor) {
        answerTextColour();
        return;
    }
    if (event == TokenFieldEvent::Completions)
        offerCards(object);
    // Drawing comes at every repaint and the windows' update notice at every pass of the event
    // loop; they would bury the rest.
    if (event == ViewEvent::DrawRect || event == ViewEvent::ResetCursorRects ||
        event == WindowEvent::DidUpdate)
        return;
    std::string line = "event " + std::to_string(event) + " view " + std::to_string(tag) +
                       " window " + std::to_string(wndTag);
    const auto control = object ? object->as<platform::Control>() : nullptr;
    if (const auto value = control ? control->objectValue() : nullptr)
        line += " value " + value->description()->utf8();
    // The token field's represented objects and typed text.
    if (const auto string = object ? object->as<String>() : nullptr)
        line += " object " + string->utf8();
    // The dropped files.
    if (const auto files = object ? object->as<platform::Array>() : nullptr)
        line += " files " + files->description()->utf8();
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

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

// Titles, items and values, so that each control shows what it is.
void dressUp(const Ref<platform::View>& element) {
    if (const auto box = element->as<platform::Button>())
        box->setTitle(text(box->buttonType() == platform::ButtonType::Radio ? "Radio" : "Sound"));
    if (const auto slider = element->as<platform::Slider>()) {
        slider->setMaxValue(100);
        slider->setNumberOfTickMarks(11);
    }
    if (const auto segments = element->as<platform::SegmentedControl>()) {
        segments->setSegmentCount(3);
        for (const auto& [index, label] : {std::pair{0, "Clubs"}, {1, "Hearts"}, {2, "Spades"}})
            segments->setLabel(text(label), index);
        segments->setSelectedSegment(0);
    }
    if (const auto popUp = element->as<platform::PopUpButton>())
        for (const char* title : {"Ace", "King", "Queen", "Jack"})
            popUp->addItemWithTitle(text(title));
    if (const auto combo = element->as<platform::ComboButton>()) {
        combo->setTitle(text("Deal"));
        auto menu = std::make_shared<platform::Menu>(text("Deal"));
        menu->addItem(std::make_shared<platform::MenuItem>(text("Deal again"), platform::Selector(),
                                                           text("")));
        combo->setItemMenu(menu);
    }
    if (const auto level = element->as<platform::LevelIndicator>()) {
        level->setStyle(platform::LevelIndicatorStyle::Rating);
        level->setEditable(true);
        level->setDoubleValue(3);
    }
    if (const auto progress = element->as<platform::ProgressIndicator>())
        progress->startAnimation();
    if (const auto well = element->as<platform::ColorWell>())
        well->setColor(platform::Color::orangeColor());
    if (const auto box = element->as<platform::Box>())
        box->setTitle(text("Box"));
    if (const auto field = element->as<platform::TextField>(); field && !numberField) {
        numberField = field;
        field->setCell(std::make_shared<TextFieldCellSC>());
        field->setPlaceholderString(text("a number"));
    }
    if (const auto tokens = element->as<platform::TokenField>()) {
        tokens->setDelegate(CUI_TokenFieldDelegate::shared());
        tokens->setPlaceholderString(text("cards, separated by commas"));
    }
    if (const auto box = element->as<platform::ComboBox>()) {
        box->setUsesDataSource(true);
        box->setCompletes(true);
        box->setPlaceholderString(text("a suit"));
    }
    if (const auto search = element->as<platform::SearchField>())
        search->setPlaceholderString(text("Search"));
    if (element->as<platform::VisualEffectView>())
        element->registerForDraggedTypes(
            platform::Array::arrayWithObjects({text(platform::FilenamesPboardType)}));
}

void openControls() {
    WindowOpen(kControlsWindow, String::fromUtf8("Controls"), kParamNotGiven, {420, 120, 490, 570});
    const auto quitButton =
        ElementCreate(kControlsWindow, kQuit, ElementKind::PushButton, {380, 430, 90, 30})
            ->as<platform::Button>();
    quitButton->setTitle(String::fromUtf8("Quit"));
    Additions::setCuiControlCallback(*quitButton, quit);
    std::int64_t tag = kQuit;
    for (const Placed& placed : kPlaced)
        dressUp(ElementCreate(kControlsWindow, ++tag, placed.kind, placed.frame));
    // The text controls hear their editing through the shared delegates, and the combo box is
    // served its items by one of them.
    CUI_ComboBoxDelegate::shared()->setComboBoxData(platform::Array::arrayWithObjects(
        {text("Clubs"), text("Diamonds"), text("Hearts"), text("Spades")}));
    WireViews(kControlsWindow, WindowWithTag(kControlsWindow)->contentView());
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
