// Windows loaded from interface files: the controls of a loaded window are wired and heard with
// the tags from the file, and a file that does not load opens nothing.

#include "../shell/ShellTesting.h"

#include "runtime/elements/ButtonSC.h"
#include "runtime/elements/DatePickerSC.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/Button.h"

#include <algorithm>
#include <fstream>
#include <string>

using namespace shelltest;

namespace {

platform::Ref<platform::String> interfaceFile(const char* name) {
    return text((std::string(PONDARO_INTERFACE_DIR) + "/" + name).c_str());
}

// What was heard of the events with the codes, one a line as heardText gives them.
std::string heardOf(std::initializer_list<std::int64_t> codes) {
    const auto all = heard();
    heard().clear();
    for (const Heard& call : all)
        if (std::find(codes.begin(), codes.end(), call.event) != codes.end())
            heard().push_back(call);
    return heardText();
}

class InterfaceLoading : public ShellTest {};

TEST_F(InterfaceLoading, AClickOnALoadedButtonReachesTheDialogCallbackWithTheTagsFromTheFile) {
    DialogCallbackSet(dialogCallback);
    WindowLoad(9, interfaceFile("wired.ui"));
    EXPECT_EQ(CurrentOutputWindowTag(), 9);
    EXPECT_TRUE(WindowWithTag(9)->isVisible());
    // The window wakes by its identifier, then the button, before either has a window tag.
    EXPECT_EQ(heardOf({10059, 2029}), "dialog 10059 -5/-5\ndialog 2029 7/0\n");
    const auto button = ViewWithTagOfClass<platform::Button>(7);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->action().name(), "controlAction3:");
    heard().clear();
    UserActions::clickInView(button, {50, 15});
    EXPECT_EQ(heardOf({2002, 1}), "dialog 2002 7/9\ndialog 1 7/9\n");
    // The tag has its window: it is hidden, yet current, and the file is not read.
    const auto window = WindowWithTag(9);
    CurrentOutputWindowTagSet(1);
    WindowLoad(-9, interfaceFile("missing.ui"));
    EXPECT_EQ(WindowWithTag(9), window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(CurrentOutputWindowTag(), 9);
}

TEST_F(InterfaceLoading, AFileOfAViewOpensAWindowOfItsSizeHoldingIt) {
    const std::string path = ::testing::TempDir() + "box.ui";
    std::ofstream(path) << R"(<ui version="4.0"><widget class="QGroupBox" name="box"><property
        name="geometry"><rect><x>5</x><y>5</y><width>120</width><height>80</height></rect>
        </property></widget></ui>)";
    WindowLoad(3, text(path.c_str()));
    const auto content = WindowWithTag(3)->contentView();
    EXPECT_EQ(content->frame().size, (platform::Size{120, 80}));
    EXPECT_EQ(content->subviews().at(0)->frame(), (platform::Rect{0, 0, 120, 80}));
}

TEST_F(InterfaceLoading, PromotedMembersAreOfTheKindTheToolkitClassTheyExtendStandsFor) {
    const std::string path = ::testing::TempDir() + "promoted.ui";
    std::ofstream(path) << R"(<ui version="4.0"><widget class="QWidget" name="top">
        <widget class="ButtonSC" name="radio"><property name="tag" stdset="0"><number>4</number>
        </property></widget><widget class="DatePickerSC" name="day"><property name="tag"
        stdset="0"><number>5</number></property></widget></widget><customwidgets>
        <customwidget><class>ButtonSC</class><extends>QRadioButton</extends></customwidget>
        <customwidget><class>DatePickerSC</class><extends>QCalendarWidget</extends></customwidget>
        </customwidgets></ui>)";
    WindowLoad(3, text(path.c_str()));
    ASSERT_TRUE(ViewWithTagOfClass<ButtonSC>(4));
    EXPECT_EQ(ViewWithTagOfClass<ButtonSC>(4)->buttonType(), platform::ButtonType::Radio);
    ASSERT_TRUE(ViewWithTagOfClass<DatePickerSC>(5));
    EXPECT_EQ(ViewWithTagOfClass<DatePickerSC>(5)->datePickerStyle(),
              platform::DatePickerStyle::ClockAndCalendar);
}

TEST_F(InterfaceLoading, AFileThatDoesNotLoadIsReportedAndOpensNothing) {
    platform::testing::ModalScript script;
    std::string shown;
    script.run()
        .perform([&] { shown = platform::testing::shownAlert()->description(); })
        .clickButton(1);
    WindowLoad(9, interfaceFile("missing.ui"));
    EXPECT_NE(shown.find("[Interface file error]"), std::string::npos) << shown;
    EXPECT_NE(shown.find("missing.ui"), std::string::npos) << shown;
    EXPECT_FALSE(WindowWithTag(9));
    // A tag past the threshold names no window: nothing is loaded.
    const auto windows = platform::Application::shared()->windows().size();
    WindowLoad(kObjectThreshold + 1, interfaceFile("wired.ui"));
    EXPECT_EQ(platform::Application::shared()->windows().size(), windows);
}

} // namespace
