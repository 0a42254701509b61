// The application delegate: every application event reaches exactly one handler with its
// prepared default, the handler's answer comes back, and the main menu it builds.

#include "ShellTesting.h"

#include "runtime/shell/CUI_TimerTarget.h"
#include "runtime/shell/EventCodes.h"

#include "platform/app/Application.h"
#include "platform/app/Timer.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>

using namespace shelltest;
using platform::Ref;
using platform::String;

namespace {

using Delegate = CUI_AppDelegate;

Ref<platform::Notification> note() {
    return std::make_shared<platform::Notification>(String::fromUtf8("N"), nullptr);
}

// One application event: how the platform asks it, and the reply it gets with no handler.
struct AppEventCase {
    const char* name;
    std::int64_t code;
    std::function<std::optional<std::int64_t>(Delegate&)> ask;
    std::optional<std::int64_t> defaultReply;
};

// Names the case in test listings.
void PrintTo(const AppEventCase& row, std::ostream* out) {
    *out << row.name;
}

std::vector<AppEventCase> appEventCases() {
    const auto app = platform::Application::shared();
    const auto file = String::fromUtf8("/tmp/a.txt");
    using R = std::optional<std::int64_t>;
    const auto tellOnly = [](void (Delegate::*method)(const Ref<platform::Notification>&)) {
        return [method](Delegate& d) -> R {
            (d.*method)(note());
            return std::nullopt;
        };
    };
    return {
        {"ShouldTerminate", AppEvent::ShouldTerminate,
         [app](Delegate& d) -> R {
             return static_cast<std::int64_t>(d.applicationShouldTerminate(app));
         },
         1},
        {"ShouldTerminateAfterLastWindowClosed", AppEvent::ShouldTerminateAfterLastWindowClosed,
         [app](Delegate& d) -> R { return d.applicationShouldTerminateAfterLastWindowClosed(app); },
         0},
        {"ShouldHandleReopen", AppEvent::ShouldHandleReopen,
         [app](Delegate& d) -> R {
             return d.applicationShouldHandleReopenHasVisibleWindows(app, false);
         },
         1},
        {"DockMenu", AppEvent::DockMenu,
         [app](Delegate& d) -> R { return d.applicationDockMenu(app) ? 1 : 0; }, 0},
        {"OpenFileWithoutUI", AppEvent::OpenFileWithoutUI,
         [app, file](Delegate& d) -> R { return d.applicationOpenFileWithoutUI(app, file); }, 0},
        {"OpenTempFile", AppEvent::OpenTempFile,
         [app, file](Delegate& d) -> R { return d.applicationOpenTempFile(app, file); }, 0},
        {"OpenUntitledFile", AppEvent::OpenUntitledFile,
         [app](Delegate& d) -> R { return d.applicationOpenUntitledFile(app); }, 0},
        {"ShouldOpenUntitledFile", AppEvent::ShouldOpenUntitledFile,
         [app](Delegate& d) -> R { return d.applicationShouldOpenUntitledFile(app); }, 0},
        {"PrintFile", AppEvent::PrintFile,
         [app, file](Delegate& d) -> R { return d.applicationPrintFile(app, file); }, 1},
        {"PrintFiles", AppEvent::PrintFiles,
         [app](Delegate& d) -> R {
             return d.applicationPrintFilesWithSettingsShowPrintPanels(
                 app, platform::Array::array(), platform::Dictionary::dictionary(), true);
         },
         1},
        {"WillContinueUserActivity", AppEvent::WillContinueUserActivity,
         [app, file](Delegate& d) -> R {
             return d.applicationWillContinueUserActivityWithType(app, file);
         },
         0},
        {"DidFinishLaunching", AppEvent::DidFinishLaunching,
         tellOnly(&Delegate::applicationDidFinishLaunching), std::nullopt},
        {"WillTerminate", AppEvent::WillTerminate, tellOnly(&Delegate::applicationWillTerminate),
         std::nullopt},
        {"DidBecomeActive", AppEvent::DidBecomeActive,
         tellOnly(&Delegate::applicationDidBecomeActive), std::nullopt},
        {"DidResignActive", AppEvent::DidResignActive,
         tellOnly(&Delegate::applicationDidResignActive), std::nullopt},
        {"DidHide", AppEvent::DidHide, tellOnly(&Delegate::applicationDidHide), std::nullopt},
        {"DidChangeScreenParameters", AppEvent::DidChangeScreenParameters,
         tellOnly(&Delegate::applicationDidChangeScreenParameters), std::nullopt},
        {"DidChangeOcclusionState", AppEvent::DidChangeOcclusionState,
         tellOnly(&Delegate::applicationDidChangeOcclusionState), std::nullopt},
        {"DidFailToContinueUserActivity", AppEvent::DidFailToContinueUserActivity,
         [app, file](Delegate& d) -> R {
             d.applicationDidFailToContinueUserActivityWithTypeError(app, file, nullptr);
             return std::nullopt;
         },
         std::nullopt},
    };
}

class AppEvents : public ShellTest, public ::testing::WithParamInterface<AppEventCase> {};

// With no handler the default reply comes back; the delegate's own callback alone hears the event
// with its user data; else the program-wide handler hears it; a reply a handler sets is what the
// platform gets.
TEST_P(AppEvents, ReachExactlyOneHandlerAndItsReplyComesBack) {
    const AppEventCase& row = GetParam();
    Delegate delegate;
    EXPECT_EQ(row.ask(delegate), row.defaultReply);
    AppEventFunctionSet(appFunction);
    row.ask(delegate);
    int data = 0;
    delegate.setDelegateCallback(delegateCallback);
    delegate.setDelegateUserData(&data);
    whileHeard() = [&] {
        delegate.setBoolVal(!delegate.boolVal());
        delegate.setLongVal(0);
        delegate.setMenuObj(std::make_shared<platform::Menu>(String::fromUtf8("Dock")));
    };
    const auto reply = row.ask(delegate);
    if (row.defaultReply) {
        EXPECT_NE(reply, row.defaultReply);
    }
    ASSERT_EQ(heard().size(), 2u);
    EXPECT_EQ(heard()[0].receiver, Receiver::AppFunction);
    EXPECT_EQ(heard()[0].event, row.code);
    EXPECT_EQ(heard()[1].receiver, Receiver::Delegate);
    EXPECT_EQ(heard()[1].event, row.code);
    EXPECT_EQ(heard()[1].userData, &data);
}

INSTANTIATE_TEST_SUITE_P(Table, AppEvents, ::testing::ValuesIn(appEventCases()),
                         [](const auto& row) { return std::string(row.param.name); });

using AppDelegate = ShellTest;

TEST_F(AppDelegate, OpenFilesGivesTheFirstNameAndOneURLPerFileInOrder) {
    Delegate delegate;
    AppEventFunctionSet(appFunction);
    delegate.applicationOpenFiles(
        platform::Application::shared(),
        platform::Array::arrayWithObjects(
            {String::fromUtf8("/tmp/x/first.txt"), String::fromUtf8("/tmp/second.png")}));
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].event, AppEvent::OpenFiles);
    EXPECT_EQ(delegate.stringVal()->utf8(), "first.txt");
    ASSERT_EQ(delegate.arrayVal()->count(), 2u);
    const auto second =
        std::static_pointer_cast<platform::URL>(delegate.arrayVal()->objectAtIndex(1));
    EXPECT_EQ(second->path()->utf8(), "/tmp/second.png");
    EXPECT_EQ(delegate.urlVal()->path()->utf8(), "/tmp/x/first.txt");
    EXPECT_EQ(heard()[0].object, delegate.arrayVal());
}

TEST_F(AppDelegate, OpenFilesWithNoFilesForwardsNothingAndKeepsTheOldValues) {
    Delegate delegate;
    AppEventFunctionSet(appFunction);
    delegate.setStringVal(String::fromUtf8("kept"));
    delegate.applicationOpenFiles(platform::Application::shared(), platform::Array::array());
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(delegate.stringVal()->utf8(), "kept");
}

TEST_F(AppDelegate, TheRuntimesDelegateIsInstalledOnceAndFound) {
    const auto installed = AppDelegateGet();
    AppEnsureDelegate();
    EXPECT_EQ(AppDelegateGet(), installed);
    EXPECT_EQ(platform::Application::shared()->delegate(), installed);
}

TEST_F(AppDelegate, ADelegateInstalledAfterLaunchingBuildsTheMenuAtOnce) {
    EXPECT_EXIT(
        {
            const auto app = platform::Application::shared();
            app->setDelegate(nullptr);
            app->setMainMenu(nullptr);
            app->finishLaunching();
            AppEnsureDelegate();
            std::exit(app->mainMenu() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The menu as "title: item (action, key) | - | ..." with submenus in brackets.
std::string outline(const Ref<platform::Menu>& menu) {
    std::string text = menu->title()->utf8() + ":";
    for (std::int64_t i = 0; i < menu->numberOfItems(); ++i) {
        const auto item = menu->itemAtIndex(i);
        text += i ? " | " : " ";
        if (item->isSeparatorItem()) {
            text += "-";
            continue;
        }
        text += item->title()->utf8() + " (" + item->action().name() + ", " +
                item->keyEquivalent()->utf8() + (item->target() ? ", targeted)" : ")");
        if (item->submenu())
            text += " [" + outline(item->submenu()) + "]";
    }
    return text;
}

TEST_F(AppDelegate, LaunchingBuildsTheApplicationMenuWhenThereIsNoneAndTellsTheHandler) {
    const auto app = platform::Application::shared();
    const auto own = std::make_shared<platform::Menu>(String::fromUtf8("Own"));
    app->setMainMenu(own);
    AppDelegateGet()->applicationWillFinishLaunching(note());
    EXPECT_EQ(app->mainMenu(), own);

    app->setMainMenu(nullptr);
    AppEventFunctionSet(appFunction);
    AppDelegateGet()->applicationWillFinishLaunching(note());
    ASSERT_TRUE(app->mainMenu());
    EXPECT_EQ(
        outline(app->mainMenu()),
        "MainMenu: Pondaro (, ) [Pondaro: About Pondaro (orderFrontStandardAboutPanel:, ) | - "
        "| Quit Pondaro (terminate:, q)]");
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].event, AppEvent::WillFinishLaunching);
}

bool stopAfterSecondFire(const Ref<platform::Timer>&) {
    record({Receiver::AppFunction, 0, 0, 0, nullptr, nullptr});
    return heard().size() == 2;
}

TEST_F(AppDelegate, ATimerFunctionRunsUntilItAnswersTrue) {
    const auto delegate = AppDelegateGet();
    const auto timer = platform::Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
        60, delegate, &CUI_AppDelegate::timerFired, TimerFunctionInfo(stopAfterSecondFire), true);
    timer->fire();
    EXPECT_TRUE(timer->isValid());
    timer->fire();
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(heard().size(), 2u);
}

void timerCallback(const Ref<platform::Timer>& timer, const Ref<platform::Object>& userInfo) {
    record({Receiver::AppFunction, 0, 0, 0, userInfo, timer.get()});
}

TEST_F(AppDelegate, ATimerTargetCallsItsCallbackWithTheTimersUserInfoAndNothingWithoutOne) {
    const auto info = String::fromUtf8("info");
    const auto target = std::make_shared<CUI_TimerTarget>();
    const auto timer = platform::Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
        60, target, &CUI_TimerTarget::timerFireMethod, info, true);
    timer->fire();
    EXPECT_TRUE(heard().empty());
    target->setCallback(timerCallback);
    timer->fire();
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].object, info);
    EXPECT_EQ(heard()[0].userData, timer.get());
    timer->invalidate();
}

} // namespace
