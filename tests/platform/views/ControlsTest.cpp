// The controls on their toolkit widgets: what the user's clicks and keys do to each control's
// value and how often it sends its action, and that the program's changes send nothing.

#include "platform/app/Application.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ServicePanelInput.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/ComboButton.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Switch.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
using platform::testing::UserActions;
using Key = UserActions::Key;

namespace {

class ActionCounter : public Object {
public:
    void act(const Ref<Object>&) { ++count; }
    int count = 0;
};

struct ControlCase {
    const char* name;
    Ref<Control> (*make)();
    void (*user)(const Ref<Control>&);
    int actions;
    double valueAfterUser;
    // A change by the program, which sends nothing, and the value it leaves.
    void (*program)(Control&);
    double valueAfterProgram;
    // What the value is measured by; none measures doubleValue.
    double (*measure)(const Control&) = nullptr;
};
void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

void press(const Ref<Control>& control, Key key) {
    // Keys reach only the active window.
    QWidget* window = control->window()->peer().widget;
    window->activateWindow();
    QApplication::processEvents();
    control->window()->makeFirstResponder(control);
    UserActions::pressKey(control->window(), key);
}

Ref<Control> segments(SegmentSwitchTracking mode) {
    auto control = std::make_shared<SegmentedControl>(Rect{20, 20, 150, 24});
    control->setSegmentCount(3);
    control->setTrackingMode(mode);
    return control;
}

Ref<Control> popUp(bool pullsDown) {
    auto button = std::make_shared<PopUpButton>(Rect{20, 20, 150, 28}, pullsDown);
    for (const char* title : {"A", "B", "C"})
        button->addItemWithTitle(String::fromUtf8(title));
    return button;
}

void choose(const Ref<Control>& button, const char* title) {
    UserActions::clickInView(button, {20, 14});
    UserActions::chooseInShownMenu({title});
}

Ref<Control> datePicker(DatePickerStyle style) {
    auto picker = std::make_shared<DatePicker>(Rect{20, 20, 260, 170}, style);
    picker->setDoubleValue(0);
    return picker;
}

std::vector<ControlCase> controlCases() {
    return {
        {"SwitchClicked",
         []() -> Ref<Control> {
             return std::make_shared<Switch>(Rect{20, 20, 40, 20});
         },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {20, 10});
         },
         1, 1, [](Control& c) { c.setDoubleValue(0); }, 0},
        {"SpaceTurnsAFocusedSwitchOn",
         []() -> Ref<Control> {
             return std::make_shared<Switch>(Rect{20, 20, 40, 20});
         },
         [](const Ref<Control>& c) { press(c, Key::Space); }, 1, 1,
         [](Control& c) { c.as<Switch>()->setState(1); }, 1},
        {"OneSegmentSelectedByAClickAndNoneByTheProgram",
         [] { return segments(SegmentSwitchTracking::SelectOne); },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {75, 12});
         },
         1, 1, [](Control& c) { c.setDoubleValue(-1); }, -1},
        {"RightArrowSelectsTheNextSegment",
         [] {
             auto control = segments(SegmentSwitchTracking::SelectOne);
             control->setDoubleValue(0);
             return control;
         },
         [](const Ref<Control>& c) { press(c, Key::Right); }, 1, 1,
         [](Control& c) { c.as<SegmentedControl>()->setSelected(true, 2); }, 2},
        {"AnySegmentsClickedOnAndOff", [] { return segments(SegmentSwitchTracking::SelectAny); },
         [](const Ref<Control>& c) {
             for (const double x : {125.0, 25.0, 25.0})
                 UserActions::clickInView(c, {x, 12});
         },
         3, 2, [](Control& c) { c.as<SegmentedControl>()->setSelected(true, 1); }, 1},
        // A momentary segment reports the click and stays unselected.
        {"MomentarySegmentClicked", [] { return segments(SegmentSwitchTracking::Momentary); },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {75, 12});
             EXPECT_FALSE(c->as<SegmentedControl>()->isSelectedForSegment(1));
         },
         1, 1, [](Control& c) { c.as<SegmentedControl>()->setSelected(true, 2); }, 1},
        {"PopUpItemChosen", [] { return popUp(false); },
         [](const Ref<Control>& c) { choose(c, "C"); }, 1, 2,
         [](Control& c) { c.setDoubleValue(7); }, -1},
        // The first item is the pull-down button's title.
        {"PullDownItemChosen", [] { return popUp(true); },
         [](const Ref<Control>& c) { choose(c, "B"); }, 1, 1,
         [](Control& c) { c.as<PopUpButton>()->removeAllItems(); }, -1},
        {"SpaceOpensAPopUpAndADisabledItemCannotBeChosen",
         [] {
             auto button = popUp(false);
             button->as<PopUpButton>()->itemAtIndex(1)->setEnabled(false);
             return button;
         },
         [](const Ref<Control>& c) {
             press(c, Key::Space);
             EXPECT_FALSE(UserActions::chooseInShownMenu({"B"}));
         },
         0, 0, [](Control& c) { c.setDoubleValue(1); }, 1},
        {"ComboButtonMainPartClicked",
         []() -> Ref<Control> {
             return std::make_shared<ComboButton>(Rect{20, 20, 120, 28});
         },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {20, 14});
         },
         1, 0, [](Control&) {}, 0},
        {"SpaceOnAFocusedComboButton",
         []() -> Ref<Control> {
             return std::make_shared<ComboButton>(Rect{20, 20, 120, 28});
         },
         [](const Ref<Control>& c) { press(c, Key::Space); }, 1, 0, [](Control&) {}, 0},
        {"EditableCellsClickedAndStepped",
         []() -> Ref<Control> {
             auto level = std::make_shared<LevelIndicator>(Rect{20, 20, 100, 20});
             level->setStyle(LevelIndicatorStyle::DiscreteCapacity);
             level->setEditable(true);
             return level;
         },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {50, 10});
             press(c, Key::Left);
         },
         2, 2, [](Control& c) { c.setDoubleValue(9); }, 5},
        {"ALevelThatIsNotEditableIgnoresClicks",
         []() -> Ref<Control> {
             return std::make_shared<LevelIndicator>(Rect{20, 20, 100, 20});
         },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {90, 10});
         },
         0, 0, [](Control& c) { c.setDoubleValue(2.5); }, 2.5},
        {"ColourPickedInThePanelOfTheActiveWell",
         []() -> Ref<Control> {
             return std::make_shared<ColorWell>(Rect{20, 20, 60, 30});
         },
         [](const Ref<Control>& c) {
             UserActions::clickInView(c, {30, 15});
             EXPECT_TRUE(c->as<ColorWell>()->isActive());
             EXPECT_TRUE(platform::testing::typeColorInShownColorPanel("#0f0"));
         },
         1, 1,
         [](Control& c) {
             c.setObjectValue(Color::blueColor());
             c.as<ColorWell>()->deactivate();
         },
         0, [](const Control& c) { return c.as<ColorWell>()->color()->greenComponent(); }},
        {"UpArrowStepsTheDate", [] { return datePicker(DatePickerStyle::TextFieldAndStepper); },
         [](const Ref<Control>& c) { press(c, Key::Up); }, 1, 365 * 86400,
         [](Control& c) {
             c.as<DatePicker>()->setMaxDate(Date::dateWithTimeIntervalSinceReferenceDate(100));
         },
         100},
        {"LeftArrowGoesToTheCalendarsDayBefore",
         [] { return datePicker(DatePickerStyle::ClockAndCalendar); },
         [](const Ref<Control>& c) { press(c, Key::Left); }, 1, -86400,
         [](Control& c) { c.setObjectValue(Date::dateWithTimeIntervalSinceReferenceDate(60)); },
         60},
    };
}

class Controls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(Controls, UserChangesSendTheActionAndProgramChangesDoNot) {
    const ControlCase& c = GetParam();
    const auto window = std::make_shared<Window>(Rect{100, 100, 320, 220}, WindowStyleMask::Titled);
    const auto control = c.make();
    window->contentView()->addSubview(control);
    window->makeKeyAndOrderFront();
    const auto counter = std::make_shared<ActionCounter>();
    control->setTarget(counter);
    control->setAction(Selector("act:", &ActionCounter::act));
    const auto measure = [&] { return c.measure ? c.measure(*control) : control->doubleValue(); };
    c.user(control);
    EXPECT_EQ(counter->count, c.actions);
    EXPECT_NEAR(measure(), c.valueAfterUser, 1e-9);
    c.program(*control);
    EXPECT_EQ(counter->count, c.actions);
    EXPECT_NEAR(measure(), c.valueAfterProgram, 1e-9);
    window->close();
}

// The shared colour panel is not blocked by a modal run of another window: a colour typed into
// it reaches the active well.
TEST(ColourPanel, WorksWhileAnotherWindowRunsModal) {
    const auto window = std::make_shared<Window>(Rect{100, 100, 200, 100}, WindowStyleMask::Titled);
    const auto well = std::make_shared<ColorWell>(Rect{20, 20, 60, 30});
    window->contentView()->addSubview(well);
    window->makeKeyAndOrderFront();
    const auto counter = std::make_shared<ActionCounter>();
    well->setTarget(counter);
    well->setAction(Selector("act:", &ActionCounter::act));
    UserActions::clickInView(well, {30, 15});
    const auto modal = std::make_shared<Window>(Rect{150, 150, 200, 40}, WindowStyleMask::Titled);
    platform::testing::ModalScript script;
    script.run()
        .perform([] { platform::testing::typeColorInShownColorPanel("#0f0"); })
        .perform([] { Application::shared()->stopModalWithCode(1); });
    Application::shared()->runModalForWindow(modal);
    EXPECT_EQ(counter->count, 1);
    EXPECT_EQ(well->color()->greenComponent(), 1);
    well->deactivate();
    modal->close();
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Rows, Controls, ::testing::ValuesIn(controlCases()),
                         [](const auto& r) { return std::string(r.param.name); });

} // namespace
