// The shared records, the attached properties, and the plain forwarding of window, view and
// control events.

#include "ShellTesting.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/ViewTag.h"

#include "platform/app/Event.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include <ostream>

using namespace shelltest;
using platform::Ref;
using platform::String;

namespace {

using Records = ShellTest;

// A view that has a tag of its own, as controls do.
class TaggedView : public platform::View {
public:
    explicit TaggedView(std::int64_t tag) : View({0, 0, 20, 20}), tag_(tag) {}
    std::int64_t tag() const override { return tag_; }

private:
    std::int64_t tag_;
};

Ref<platform::Event> keyEvent() {
    platform::Event::Fields fields;
    fields.characters = String::fromUtf8("x");
    return std::make_shared<platform::Event>(fields, platform::WeakRef<platform::Window>());
}

TEST_F(Records, TheEventRecordKeepsEachFieldUntilItIsWrittenAgain) {
    DialogEventSetSizeVal({3, 4});
    DialogEventSetBoolVal(true);
    DialogEventSetRectVal({1, 2, 3, 4});
    EXPECT_EQ(DialogEventSizeVal(), (platform::Size{3, 4}));
    EXPECT_TRUE(DialogEventBoolVal());
    const auto menu = std::make_shared<platform::Menu>(String::fromUtf8("M"));
    DialogEventSetMenuObj(menu);
    EXPECT_EQ(DialogEventMenuObj(), menu);
    DialogEventSetMenuObj(nullptr);
    EXPECT_FALSE(DialogEventMenuObj());
    EXPECT_EQ(DialogEventRectVal(), (platform::Rect{1, 2, 3, 4}));
    EXPECT_EQ(&CUI_DialogEvent::shared(), &CUI_DialogEvent::shared());
}

TEST_F(Records, PropertiesNeverSetReadAsNothing) {
    const auto window = std::make_shared<platform::Window>(platform::Rect{0, 0, 10, 10}, 0);
    const auto alert = std::make_shared<platform::Alert>();
    const auto menu = std::make_shared<platform::Menu>(String::fromUtf8("M"));
    const auto view = std::make_shared<platform::View>();
    EXPECT_EQ(Additions::tag(*window), 0);
    EXPECT_FALSE(Additions::cuiWindowCallback(*window));
    EXPECT_FALSE(Additions::sheet(*alert));
    EXPECT_EQ(Additions::tag(*menu), 0);
    EXPECT_EQ(Additions::wndTag(*view), 0);
    EXPECT_FALSE(Additions::dragFileTypes(*view));
    EXPECT_FALSE(Additions::suspendDrawRect(*view));
    EXPECT_FALSE(Additions::objectProperties(*view));
}

TEST_F(Records, EachObjectKeepsItsOwnProperties) {
    const auto first = std::make_shared<platform::Window>(platform::Rect{0, 0, 10, 10}, 0);
    const auto second = std::make_shared<platform::Window>(platform::Rect{0, 0, 10, 10}, 0);
    int data = 0;
    Additions::setTag(*first, 4);
    Additions::setWndTag(*first, 9);
    Additions::setCuiWindowCallback(*first, windowCallback);
    Additions::setCuiWindowUserData(*first, &data);
    EXPECT_EQ(Additions::tag(*first), 4);
    EXPECT_EQ(Additions::wndTag(*first), 9);
    EXPECT_EQ(Additions::cuiWindowCallback(*first), windowCallback);
    EXPECT_EQ(Additions::cuiWindowUserData(*first), &data);
    EXPECT_EQ(Additions::tag(*second), 0);
    EXPECT_FALSE(Additions::cuiWindowCallback(*second));
    Additions::setCuiWindowCallback(*first, nullptr);
    EXPECT_FALSE(Additions::cuiWindowCallback(*first));
}

TEST_F(Records, TheViewTagOfPlainViewsIsTheirIdentifierAndOfOthersTheirOwnTag) {
    const auto plain = std::make_shared<platform::View>();
    EXPECT_EQ(ViewTag(*plain), 0);
    plain->setIdentifier(String::fromUtf8("12"));
    EXPECT_EQ(ViewTag(*plain), 12);
    const auto tagged = std::make_shared<TaggedView>(12);
    tagged->setIdentifier(String::fromUtf8("99"));
    EXPECT_EQ(ViewTag(*tagged), 12);
    EXPECT_EQ(IntegerValue(String::fromUtf8("  -1437226411x")), -1437226411);
    EXPECT_EQ(IntegerValue(String::fromUtf8("abc")), 0);
}

TEST_F(Records, AWindowEventReachesTheDialogCallbackAsTheCurrentEventOnlyDuringTheCall) {
    WindowOpen(-6, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(6);
    const auto event = keyEvent();
    DialogCallbackSet(dialogCallback);
    Ref<platform::Event> during;
    whileHeard() = [&] { during = CUI_Event::shared().nsEvent(); };
    CurrentOutputWindowTagSet(0);
    ForwardWindowEvent(window, 10050, event);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].event, 10050);
    EXPECT_EQ(heard()[0].tag, 6);
    EXPECT_EQ(heard()[0].wndTag, 6);
    EXPECT_EQ(heard()[0].object, event);
    EXPECT_EQ(during, event);
    EXPECT_FALSE(CUI_Event::shared().nsEvent());
    EXPECT_EQ(CurrentOutputWindowTag(), 6);
}

TEST_F(Records, AViewEventCarriesTheViewTagAndItsWindowsTag) {
    WindowOpen(-8, nullptr, kParamNotGiven, {});
    const auto view = std::make_shared<TaggedView>(31);
    WindowWithTag(8)->contentView()->addSubview(view);
    DialogCallbackSet(dialogCallback);
    ForwardViewEvent(view, 2002, nullptr);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].tag, 31);
    EXPECT_EQ(heard()[0].wndTag, 8);
    EXPECT_EQ(CurrentOutputWindowTag(), 8);
}

struct ControlCase {
    const char* name;
    bool own;
    bool all;
    bool dialog;
    Receiver expected;
};

// Names the case in test listings.
void PrintTo(const ControlCase& row, std::ostream* out) {
    *out << row.name;
}

class ControlActions : public ShellTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlActions, ExactlyOneReceiverHearsInOrderOfPrecedence) {
    WindowOpen(-3, nullptr, kParamNotGiven, {});
    const auto control = std::make_shared<TaggedView>(5);
    WindowWithTag(3)->contentView()->addSubview(control);
    int data = 0;
    if (GetParam().own) {
        Additions::setCuiControlCallback(*control, controlCallback);
        Additions::setCuiControlUserData(*control, &data);
    }
    if (GetParam().all)
        AllControlsCallbackSet(allControlsCallback);
    if (GetParam().dialog)
        DialogCallbackSet(dialogCallback);
    CUI_ControlTarget::shared()->controlAction7(control);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].receiver, GetParam().expected);
    EXPECT_EQ(heard()[0].event, kControlActionEvent);
    EXPECT_EQ(heard()[0].tag, 5);
    EXPECT_EQ(heard()[0].wndTag, 3);
    EXPECT_EQ(heard()[0].userData, GetParam().expected == Receiver::Control ? &data : nullptr);
    if (GetParam().expected == Receiver::Dialog) {
        EXPECT_EQ(heard()[0].object, control);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlActions,
    ::testing::Values(ControlCase{"OwnBeforeAll", true, true, true, Receiver::Control},
                      ControlCase{"AllBeforeDialog", false, true, true, Receiver::AllControls},
                      ControlCase{"DialogLast", false, false, true, Receiver::Dialog}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Records, AControlsOwnWindowTagWinsOverItsWindowsAndNoReceiverOnlyMovesTheCurrentWindow) {
    WindowOpen(-3, nullptr, kParamNotGiven, {});
    const auto control = std::make_shared<TaggedView>(5);
    WindowWithTag(3)->contentView()->addSubview(control);
    Additions::setWndTag(*control, 4);
    ControlAction(control);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(CurrentOutputWindowTag(), 4);
    DialogCallbackSet(dialogCallback);
    Additions::setWndTag(*control, 0);
    ControlAction(control);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].wndTag, 3);
}

TEST_F(Records, TheNumberedActionsAreNamedAfterTheirNumber) {
    EXPECT_EQ(CUI_ControlTarget::actionSelector(0).name(), "controlAction:");
    EXPECT_EQ(CUI_ControlTarget::actionSelector(3).name(), "controlAction3:");
    EXPECT_TRUE(CUI_ControlTarget::actionSelector(11).isNull());
    const auto control = std::make_shared<TaggedView>(2);
    DialogCallbackSet(dialogCallback);
    EXPECT_TRUE(
        CUI_ControlTarget::actionSelector(10).performOn(*CUI_ControlTarget::shared(), control));
    EXPECT_EQ(heard().size(), 1u);
}

} // namespace
