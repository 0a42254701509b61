// The wrapper family on real widgets: what the program hears from each member when the user
// clicks and types, the family's edge cases, numbered actions and creating elements in code.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_CellEvent.h"
#include "runtime/elements/CUI_TextFieldCellEvent.h"
#include "runtime/elements/CUI_ViewToolTipOwner.h"
#include "runtime/elements/CellSC.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/ScrollViewSC.h"
#include "runtime/elements/TextFieldCellSC.h"
#include "runtime/elements/TextViewSC.h"

#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/testing/UserActions.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/ClipView.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/ColorWell.h"
#include "platform/views/controls/DatePicker.h"
#include "platform/views/controls/LevelIndicator.h"
#include "platform/views/controls/PopUpButton.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
#include "platform/views/controls/Stepper.h"

#include "platform/app/Pasteboard.h"
#include "platform/foundation/URL.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 60;
constexpr std::int64_t kTag = 7;

// The codes the dialog callback heard, leaving out drawing and cursor rectangles, which come
// whenever the toolkit repaints.
std::vector<std::int64_t> heardCodes() {
    std::vector<std::int64_t> codes;
    for (const Heard& call : heard())
        if (call.event != ViewEvent::DrawRect && call.event != ViewEvent::ResetCursorRects)
            codes.push_back(call.event);
    return codes;
}

class ElementsTest : public ShellTest {
protected:
    Ref<View> open(std::int64_t kind, platform::Rect frame = {20, 20, 120, 24}) {
        WindowOpen(kWindow, nullptr, kParamNotGiven, {100, 100, 300, 200});
        const auto element = ElementCreate(kWindow, kTag, kind, frame);
        DialogCallbackSet(dialogCallback);
        return element;
    }
};

using Act = std::function<void(const Ref<View>&)>;

// A click at a point of the element; a negative coordinate counts from the far edge.
Act click(double x, double y) {
    return [=](const Ref<View>& v) {
        UserActions::clickInView(
            v, {x < 0 ? v->bounds().width() + x : x, y < 0 ? v->bounds().height() + y : y});
    };
}
const Act middle = [](const Ref<View>& v) {
    UserActions::clickInView(v, {v->bounds().width() / 2, v->bounds().height() / 2});
};

// Gives the element the focus, answering the first-responder question YES so that the keyboard
// reaches a ButtonSC, and presses the key.
Act press(UserActions::Key pressed) {
    return [=](const Ref<View>& view) {
        whileHeard() = [] {
            if (heard().back().event == ViewEvent::AcceptsFirstResponder)
                DialogEventSetBoolVal(true);
        };
        view->window()->makeFirstResponder(view);
        heard().clear();
        UserActions::pressKey(view->window(), pressed);
    };
}

// Gives the control the cell and lets its window draw.
template <class Cell>
const Act drawnWith = [](const Ref<View>& view) {
    EXPECT_TRUE(view->as<platform::Control>()->setCell(std::make_shared<Cell>()));
    heard().clear();
    platform::testing::WindowSnapshot{*view->window()};
};

// Prepares the element of the kind, then acts.
template <class Kind>
Act after(void (*prepare)(Kind&), Act act) {
    return [=](const Ref<View>& v) {
        prepare(*v->as<Kind>());
        act(v);
    };
}

// Opens the button's menu with a click and chooses the item.
Act choose(const char* item) {
    return [=](const Ref<View>& view) {
        auto* button = view->as<platform::PopUpButton>().get();
        for (const char* title : {"Ace", "King", "Queen"})
            button->addItemWithTitle(platform::String::fromUtf8(title));
        heard().clear();
        UserActions::clickInView(view, {20, 12});
        EXPECT_TRUE(UserActions::chooseInShownMenu({item}));
    };
}

struct ElementCase {
    const char* name;
    std::int64_t kind;
    Act act;
    std::vector<std::int64_t> codes;
    double value;
};
void PrintTo(const ElementCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<ElementCase> elementCases() {
    using Key = UserActions::Key;
    namespace K = ElementKind;
    const auto atZero = [](platform::DatePicker& p) { p.setDoubleValue(0); };
    return {
        {"PushButtonClicked", K::PushButton, middle, {2002, 1}, 0},
        {"CheckBoxClicked", K::CheckBox, middle, {2002, 1}, 1},
        {"RadioButtonClicked", K::RadioButton, middle, {2002, 1}, 1},
        // The slider's and the stepper's mouse stays with them: only the action is heard.
        {"SliderClickedAtItsEnd", K::Slider, click(-1, 12), {1}, 1},
        {"StepperUpArrowClicked", K::Stepper, click(-4, -4), {1}, 1},
        {"ViewClicked", K::View, middle, {2002, 2004}, 0},
        {"SpaceOnAFocusedCheckBox", K::CheckBox, press(Key::Space), {2011, 1, 2012}, 1},
        {"RightArrowOnASlider", K::Slider, press(Key::Right), {1}, 0.05},
        {"DownArrowOnAStepperWraps", K::Stepper, press(Key::Down), {1}, 59},
        // The switch reports neither the mouse nor the keys.
        {"SwitchClicked", K::Switch, middle, {1}, 1},
        {"SpaceOnAFocusedSwitch", K::Switch, press(Key::Space), {1}, 1},
        {"ThirdSegmentClicked",
         K::SegmentedControl,
         after<platform::SegmentedControl>([](auto& c) { c.setSegmentCount(3); }, click(100, 12)),
         {1},
         2},
        {"PopUpItemChosen", K::PopUpButton, choose("King"), {2002, 1}, 1},
        {"PullDownItemChosen", K::PullDownButton, choose("Queen"), {2002, 1}, 2},
        {"ComboButtonClicked", K::ComboButton, click(20, 12), {2002, 1}, 0},
        {"EditableLevelClickedAt70Percent",
         K::LevelIndicator,
         after<platform::LevelIndicator>([](auto& l) { l.setEditable(true); }, click(84, 12)),
         {2002, 1},
         3.5},
        {"ArrowOfAnExpandedColorWell",
         K::ColorWell,
         after<platform::ColorWell>(
             [](auto& w) { w.setColorWellStyle(platform::ColorWellStyle::Expanded); },
             click(-4, 12)),
         {2002, 5900},
         0},
        {"UpArrowOnADatePickerStepsItsYear",
         K::DatePicker,
         after<platform::DatePicker>(atZero, press(Key::Up)),
         {2011, 1, 2012},
         365 * 86400},
        // The calendar's days take the keys first and hand them on.
        {"RightArrowOnACalendarGoesToTheNextDay",
         K::CalendarDatePicker,
         after<platform::DatePicker>(atZero, press(Key::Right)),
         {1, 2011, 2012},
         86400},
        {"DigitTypedInASecureField",
         K::SecureTextField,
         [](const Ref<View>& v) {
             v->window()->makeFirstResponder(v);
             heard().clear();
             UserActions::typeCharacter(v->window(), U'7');
         },
         {2011, 2012},
         7},
        // The views without an action report the press; the toolkit keeps their release.
        {"ProgressBarClicked", K::ProgressBar, middle, {2002}, 0},
        {"BoxClicked", K::Box, middle, {2002}, 0},
        {"ImageViewClicked", K::ImageView, middle, {2002}, 0},
        {"VisualEffectViewClicked", K::VisualEffectView, middle, {2002, 2004}, 0},
        // The cells are asked as their control draws; their questions name no view.
        {"FieldDrawnWithATextFieldCellSC", K::TextField, drawnWith<TextFieldCellSC>, {4300}, 0},
    };
}

class ElementEvents : public ElementsTest, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(ElementEvents, TheDialogCallbackHearsTheMemberCodesWithItsTags) {
    const ElementCase& c = GetParam();
    const auto element =
        open(c.kind, c.kind == ElementKind::Stepper              ? platform::Rect{20, 20, 19, 27}
                     : c.kind == ElementKind::CalendarDatePicker ? platform::Rect{20, 20, 260, 170}
                                                                 : platform::Rect{20, 20, 120, 24});
    heard().clear();
    c.act(element);
    EXPECT_EQ(heardCodes(), c.codes);
    for (const Heard& call : heard()) {
        const bool cellQuestion =
            call.event == CellEvent::Font || call.event == CellEvent::TextColor;
        EXPECT_EQ(call.tag, cellQuestion ? 0 : kTag) << call.event;
        EXPECT_EQ(call.wndTag, cellQuestion ? 0 : kWindow) << call.event;
    }
    if (const auto control = element->as<platform::Control>()) {
        EXPECT_NEAR(control->doubleValue(), c.value, 1e-9);
        EXPECT_EQ(control->action().name(), "controlAction:");
    }
}

INSTANTIATE_TEST_SUITE_P(Members, ElementEvents, ::testing::ValuesIn(elementCases()),
                         [](const auto& r) { return std::string(r.param.name); });

TEST_F(ElementsTest, TabPassesOverAButtonWithNoCallbackButNotATextField) {
    const auto field = open(ElementKind::TextField);
    const auto box =
        ElementCreate(kWindow, 8, ElementKind::CheckBox, {20, 60, 120, 24})->as<platform::Button>();
    const auto slider = ElementCreate(kWindow, 9, ElementKind::Slider, {20, 100, 120, 24});
    const auto window = WindowWithTag(kWindow);
    heard().clear();
    EXPECT_FALSE(window->makeFirstResponder(box));
    EXPECT_TRUE(window->makeFirstResponder(field));
    EXPECT_EQ(heardCodes(), (std::vector<std::int64_t>{2001, 2001}));
    heard().clear();
    // Tab goes from the field past the check box to the slider: Space does not tick the box,
    // Right moves the slider.
    for (const auto pressed :
         {UserActions::Key::Tab, UserActions::Key::Space, UserActions::Key::Right})
        UserActions::pressKey(window, pressed);
    EXPECT_EQ(box->state(), 0);
    EXPECT_NEAR(slider->as<platform::Slider>()->doubleValue(), 0.05, 1e-9);
    const auto actions = std::count_if(heard().begin(), heard().end(), [](const Heard& call) {
        return call.event == kControlActionEvent && call.tag == 9;
    });
    EXPECT_EQ(actions, 1);
}

TEST_F(ElementsTest, AMouseDownMarkedHandledKeepsTheButtonFromItsAction) {
    const auto button = open(ElementKind::CheckBox);
    whileHeard() = [] {
        if (heard().back().event == ViewEvent::MouseDown)
            DialogEventSetBoolVal(true);
    };
    heard().clear();
    UserActions::clickInView(button, {10, 12});
    // The press was not tracked, so its release is an ordinary mouseUp.
    EXPECT_EQ(heardCodes(), (std::vector<std::int64_t>{2002, 2004}));
    EXPECT_EQ(button->as<platform::Button>()->state(), 0);
}

TEST_F(ElementsTest, ASuspendedViewDrawsAndReportsNothing) {
    const auto view = open(ElementKind::View);
    Additions::setSuspendDrawRect(*view, true);
    heard().clear();
    platform::testing::WindowSnapshot{*view->window()};
    EXPECT_TRUE(heard().empty());
    Additions::setSuspendDrawRect(*view, false);
    // Drawing starts from a record that lets the platform draw, whatever came before it.
    bool handledMark = true;
    whileHeard() = [&] { handledMark = DialogEventBoolVal(); };
    DialogEventSetBoolVal(true);
    CurrentOutputWindowTagSet(1);
    platform::testing::WindowSnapshot{*view->window()};
    ASSERT_FALSE(heard().empty());
    EXPECT_EQ(heard()[0].event, ViewEvent::DrawRect);
    EXPECT_EQ(heard()[0].tag, kTag);
    EXPECT_EQ(DialogEventRectVal().size.width, 120);
    EXPECT_FALSE(handledMark);
    EXPECT_EQ(CurrentOutputWindowTag(), kWindow);
}

TEST_F(ElementsTest, AScrollViewWithScrollingDisabledIgnoresTheWheel) {
    const auto scroll = open(ElementKind::ScrollView, {20, 20, 120, 80})->as<ScrollViewSC>();
    scroll->setDocumentView(std::make_shared<View>(platform::Rect{0, 0, 120, 800}));
    const auto position = [&] { return scroll->contentView()->bounds().origin.y; };
    const double start = position();
    scroll->setScrollingDisabled(true);
    UserActions::rollWheel(scroll, 1);
    EXPECT_EQ(position(), start);
    scroll->setScrollingDisabled(false);
    UserActions::rollWheel(scroll, 1);
    EXPECT_NE(position(), start);
}

TEST_F(ElementsTest, AToolTipIsWrittenByItsCallbackWhereItLies) {
    const auto view = open(ElementKind::View, {20, 20, 120, 60});
    view->setToolTip(platform::String::fromUtf8("plain"));
    static char left[] = "left";
    const std::int64_t tip = ViewToolTipAdd(
        view, {0, 0, 60, 60},
        [](std::int64_t tag, std::int64_t wndTag, std::int64_t toolTipTag, void* userData) {
            return platform::String::fromUtf8(std::to_string(tag) + "/" + std::to_string(wndTag) +
                                              "/" + std::to_string(toolTipTag) + " " +
                                              static_cast<const char*>(userData));
        },
        left);
    EXPECT_EQ(UserActions::toolTipAt(view, {10, 30}), "7/60/1 left");
    EXPECT_EQ(UserActions::toolTipAt(view, {100, 30}), "plain");
    view->removeToolTip(tip);
    EXPECT_EQ(UserActions::toolTipAt(view, {10, 30}), "plain");
    EXPECT_EQ(ViewToolTipAdd(view, {0, 0, 60, 60}, nullptr, nullptr), 0);
}

// The number of pixels of the field that are mostly red.
int redPixels(const Ref<View>& field) {
    const platform::testing::WindowSnapshot snapshot{*field->window()};
    int count = 0;
    for (double x = 0; x < field->frame().width(); ++x) {
        const auto pixel = snapshot.pixelAt({field->frame().minX() + x, field->frame().midY()});
        count += pixel.red > 180 && pixel.green < 80 && pixel.blue < 80;
    }
    return count;
}

TEST_F(ElementsTest, ACellAnswersWithItsOwnLookUnlessTheCallbackReplacesIt) {
    const auto field = open(ElementKind::TextField)->as<platform::TextField>();
    const auto cell = std::make_shared<TextFieldCellSC>();
    EXPECT_FALSE(field->setCell(std::make_shared<CellSC>())) << "a field takes text-field cells";
    ASSERT_TRUE(field->setCell(cell));
    field->setStringValue(platform::String::fromUtf8("MMMMMMMM"));
    field->setTextColor(platform::Color::blueColor());
    EXPECT_EQ(field->textColor(), cell->TextFieldCell::textColor());
    EXPECT_EQ(heard().back().object, cell);
    EXPECT_EQ(redPixels(field), 0);
    whileHeard() = [] {
        CUI_TextFieldCellEvent::shared()->setTextColorObj(platform::Color::redColor());
    };
    EXPECT_GT(redPixels(field), 0) << "the field draws in the colour its cell answers";
    // An answer taken away leaves the cell's own.
    whileHeard() = [] { CUI_TextFieldCellEvent::shared()->setTextColorObj(nullptr); };
    EXPECT_EQ(field->textColor(), cell->TextFieldCell::textColor());

    const auto box = ElementCreate(kWindow, 8, ElementKind::CheckBox, {20, 60, 120, 24})
                         ->as<platform::Control>();
    ASSERT_TRUE(box->setCell(std::make_shared<CellSC>()));
    EXPECT_EQ(box->font()->pointSize(), 13);
    whileHeard() = [] {
        CUI_CellEvent::shared()->setFontObj(platform::Font::systemFontOfSize(26));
    };
    EXPECT_EQ(box->font()->pointSize(), 26);
    EXPECT_EQ(heardText().substr(heardText().rfind("dialog")), "dialog 4200 0/0\n");
    whileHeard() = [] {};
    EXPECT_EQ(box->font()->pointSize(), 13) << "each question starts from the cell's own font";
}

// Files dragged from the desktop onto the views that take them (kind 0: a TextViewSC, which only
// interface files make); the callback sees the view's tags and the dropped files as the object,
// and whether the drag is inside.
TEST_F(ElementsTest, ViewsTakeDroppedFilesByTheirOwnLists) {
    struct Case {
        std::int64_t kind;
        bool registered;
        const char* file;
        bool accepted;
    };
    const Case cases[] = {
        {ElementKind::View, true, "a.txt", true},
        {ElementKind::VisualEffectView, true, "a.txt", true},
        {ElementKind::VisualEffectView, true, "a.png", false},
        {ElementKind::VisualEffectView, false, "a.txt", false},
        // Last, so that a text view that refused the drop stays in its window until the end.
        {0, true, "a.txt", true},
        {0, true, "a.png", false},
    };
    const auto directory = std::filesystem::path(::testing::TempDir());
    Ref<View> view;
    std::vector<std::string> seen;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.file);
        if (view)
            view->removeFromSuperview();
        view = open(c.kind, {20, 20, 120, 60});
        if (!view) {
            const auto text = std::make_shared<TextViewSC>(platform::Rect{20, 20, 120, 60});
            text->setTag(kTag);
            WindowWithTag(kWindow)->contentView()->addSubview(view = text);
        }
        if (c.registered)
            view->registerForDraggedTypes(platform::Array::arrayWithObjects(
                {platform::String::fromUtf8(platform::FilenamesPboardType)}));
        const auto extensions =
            platform::Array::arrayWithObjects({platform::String::fromUtf8("txt")});
        Additions::setDragFileExtensions(*view, extensions);
        const std::string path = (directory / c.file).string();
        std::ofstream(path) << "x\n";
        seen.clear();
        whileHeard() = [&] {
            const auto files = std::dynamic_pointer_cast<platform::Array>(heard().back().object);
            const auto first =
                files ? std::static_pointer_cast<platform::URL>(files->firstObject()) : nullptr;
            seen.push_back((first ? first->lastPathComponent()->utf8() : "none") +
                           (Additions::dragInsideFlag(*view) ? " inside" : ""));
        };
        heard().clear();
        EXPECT_EQ(UserActions::dragFiles(view, {path}, UserActions::DragEnd::Drop), c.accepted);
        if (const auto text = view->as<platform::TextView>()) {
            EXPECT_EQ(text->string()->utf8(), "") << "a file dropped is no text";
        }
        if (!c.accepted) {
            EXPECT_TRUE(heardCodes().empty());
            continue;
        }
        EXPECT_EQ(heardCodes(), (std::vector<std::int64_t>{2016, 2022, 2020}));
        EXPECT_EQ(seen, (std::vector<std::string>{"a.txt inside", "a.txt inside", "none"}));
        EXPECT_EQ(heard().at(0).tag, kTag);
        EXPECT_EQ(heard().at(0).wndTag, kWindow);
    }
}

TEST_F(ElementsTest, ValuesSetByTheProgramAreQuietAndKeptInRange) {
    const auto slider = open(ElementKind::Slider)->as<platform::Slider>();
    const auto stepper =
        ElementCreate(kWindow, 8, ElementKind::Stepper, {20, 60, 19, 27})->as<platform::Stepper>();
    const auto box = ElementCreate(kWindow, 9, ElementKind::CheckBox, {20, 100, 120, 24})
                         ->as<platform::Button>();
    heard().clear();
    slider->setDoubleValue(5);
    stepper->setDoubleValue(-3);
    box->setState(platform::ControlStateValue::Mixed);
    EXPECT_TRUE(heardCodes().empty());
    EXPECT_EQ(slider->doubleValue(), 1);
    EXPECT_EQ(stepper->doubleValue(), 0);
    // Mixed only where it is allowed.
    EXPECT_EQ(box->state(), platform::ControlStateValue::On);
    EXPECT_EQ(slider->stringValue()->utf8(), "1");
}

TEST_F(ElementsTest, NothingIsCreatedWithoutAWindowOrForAnUnknownKind) {
    open(ElementKind::View);
    const auto content = WindowWithTag(kWindow)->contentView();
    const std::size_t before = content->subviews().size();
    EXPECT_EQ(ElementCreate(61, 1, ElementKind::PushButton, {}), nullptr);
    EXPECT_EQ(ElementCreate(kWindow, 1, 0, {}), nullptr);
    EXPECT_EQ(ElementCreate(kWindow, 1, ElementKind::ComboBox + 1, {}), nullptr);
    EXPECT_EQ(content->subviews().size(), before);
}

TEST_F(ElementsTest, EveryMemberReportsWakingWithItselfAndMakesItsWindowCurrent) {
    for (std::int64_t kind = ElementKind::View; kind <= ElementKind::TextInsertionIndicator;
         ++kind) {
        const auto element = open(kind);
        CurrentOutputWindowTagSet(0);
        heard().clear();
        element->awakeFromNib();
        EXPECT_EQ(heardText(), "dialog 2029 7/60\n") << kind;
        EXPECT_EQ(heard().at(0).object, element);
        EXPECT_EQ(CurrentOutputWindowTag(), kWindow);
    }
}

} // namespace
