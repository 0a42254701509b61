// The application delegate: every application event reaches exactly one handler with its
// prepared default, the handler's answer comes back, and the main menu it builds.

#include "ShellTesting.h"

#include "runtime/shell/CUI_TimerTarget.h"

#include "platform/app/Timer.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/URL.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <type_traits>

using namespace shelltest;

namespace {

using Delegate = CUI_AppDelegate;
using Reply = std::optional<std::int64_t>;
using Ask = std::function<Reply(Delegate&)>;

Ref<platform::Notification> note() {
    return std::make_shared<platform::Notification>(text("N"), nullptr);
}

// How the platform asks: the method with these arguments; any reply as a number.
template <class R, class... P, class... A>
Ask ask(R (Delegate::*method)(P...), A... args) {
    return [=](Delegate& d) -> Reply {
        if constexpr (std::is_void_v<R>) {
            (d.*method)(args...);
            return std::nullopt;
        } else if constexpr (std::is_enum_v<R> || std::is_integral_v<R>) {
            return static_cast<std::int64_t>((d.*method)(args...));
        } else {
            return (d.*method)(args...) ? 1 : 0;
        }
    };
}

// One application event: its code, how the platform asks it, and the reply with no handler.
struct Row {
    std::int64_t code;
    Ask ask;
    Reply defaultReply;
};

std::vector<Row> rows() {
    const auto app = platform::Application::shared();
    const auto file = text("/tmp/a.txt");
    const auto n = note();
    return {
        {AppEvent::ShouldTerminate, ask(&Delegate::applicationShouldTerminate, app), 1},
        {AppEvent::ShouldTerminateAfterLastWindowClosed,
         ask(&Delegate::applicationShouldTerminateAfterLastWindowClosed, app), 0},
        {AppEvent::ShouldHandleReopen,
         ask(&Delegate::applicationShouldHandleReopenHasVisibleWindows, app, false), 1},
        {AppEvent::DockMenu, ask(&Delegate::applicationDockMenu, app), 0},
        {AppEvent::OpenFileWithoutUI, ask(&Delegate::applicationOpenFileWithoutUI, app, file), 0},
        {AppEvent::OpenTempFile, ask(&Delegate::applicationOpenTempFile, app, file), 0},
        {AppEvent::OpenUntitledFile, ask(&Delegate::applicationOpenUntitledFile, app), 0},
        {AppEvent::ShouldOpenUntitledFile, ask(&Delegate::applicationShouldOpenUntitledFile, app),
         0},
        {AppEvent::PrintFile, ask(&Delegate::applicationPrintFile, app, file), 1},
        {AppEvent::PrintFiles,
         ask(&Delegate::applicationPrintFilesWithSettingsShowPrintPanels, app,
             platform::Array::array(), platform::Dictionary::dictionary(), true),
         1},
        {AppEvent::WillContinueUserActivity,
         ask(&Delegate::applicationWillContinueUserActivityWithType, app, file), 0},
        {AppEvent::DidFinishLaunching, ask(&Delegate::applicationDidFinishLaunching, n), {}},
        {AppEvent::WillTerminate, ask(&Delegate::applicationWillTerminate, n), {}},
        {AppEvent::DidBecomeActive, ask(&Delegate::applicationDidBecomeActive, n), {}},
        {AppEvent::DidResignActive, ask(&Delegate::applicationDidResignActive, n), {}},
        {AppEvent::DidHide, ask(&Delegate::applicationDidHide, n), {}},
        {AppEvent::DidChangeScreenParameters,
         ask(&Delegate::applicationDidChangeScreenParameters, n),
         {}},
        {AppEvent::DidChangeOcclusionState,
         ask(&Delegate::applicationDidChangeOcclusionState, n),
         {}},
        {AppEvent::DidFailToContinueUserActivity,
         ask(&Delegate::applicationDidFailToContinueUserActivityWithTypeError, app, file,
             Ref<platform::Object>()),
         {}},
    };
}

using AppDelegate = ShellTest;

// With no handler the default reply comes back; the delegate's own callback alone hears the event
// with its user data; else the program-wide handler hears it; a reply a handler sets is what the
// platform gets.
TEST_F(AppDelegate, EventsReachExactlyOneHandlerAndItsReplyComesBack) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.code);
        Delegate delegate;
        heard().clear();
        whileHeard() = nullptr;
        AppEventFunctionSet(nullptr);
        EXPECT_EQ(row.ask(delegate), row.defaultReply);
        AppEventFunctionSet(appFunction);
        row.ask(delegate);
        int data = 0;
        delegate.setDelegateCallback(delegateCallback);
        delegate.setDelegateUserData(&data);
        whileHeard() = [&] {
            delegate.setBoolVal(!delegate.boolVal());
            delegate.setLongVal(0);
            delegate.setMenuObj(std::make_shared<platform::Menu>(text("Dock")));
        };
        const auto reply = row.ask(delegate);
        if (row.defaultReply) {
            EXPECT_NE(reply, row.defaultReply);
        }
        const std::string code = std::to_string(row.code);
        ASSERT_EQ(heardText(), "app " + code + " 0/0\ndelegate " + code + " 0/0\n");
        EXPECT_EQ(heard()[1].userData, &data);
    }
}

// The first name and one URL per file in order; no files forward nothing and keep the old values.
TEST_F(AppDelegate, OpenFilesGivesTheFirstNameAndOneURLPerFileInOrder) {
    Delegate delegate;
    AppEventFunctionSet(appFunction);
    const auto app = platform::Application::shared();
    const auto record = [&] {
        std::string line = delegate.stringVal()->utf8() + " " + delegate.urlVal()->path()->utf8();
        for (const auto& url : *delegate.arrayVal())
            line += " " + std::static_pointer_cast<platform::URL>(url)->path()->utf8();
        return line;
    };
    delegate.applicationOpenFiles(app, platform::Array::array());
    delegate.applicationOpenFiles(app, platform::Array::arrayWithObjects(
                                           {text("/tmp/x/first.txt"), text("/tmp/second.png")}));
    delegate.applicationOpenFiles(app, platform::Array::array());
    ASSERT_EQ(heardText(), "app 36 0/0\n");
    EXPECT_EQ(heard()[0].object, delegate.arrayVal());
    EXPECT_EQ(record(), "first.txt /tmp/x/first.txt /tmp/x/first.txt /tmp/second.png");
}

TEST_F(AppDelegate, TheRuntimesDelegateIsInstalledOnceAndBuildsTheMenuWhenInstalledLate) {
    const auto installed = AppDelegateGet();
    AppEnsureDelegate();
    EXPECT_EQ(AppDelegateGet(), installed);
    EXPECT_EQ(platform::Application::shared()->delegate(), installed);
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
    std::string line = menu->title()->utf8() + ":";
    for (std::int64_t i = 0; i < menu->numberOfItems(); ++i) {
        const auto item = menu->itemAtIndex(i);
        line += i ? " | " : " ";
        if (item->isSeparatorItem()) {
            line += "-";
            continue;
        }
        line += item->title()->utf8() + " (" + item->action().name() + ", " +
                item->keyEquivalent()->utf8() + (item->target() ? ", targeted)" : ")");
        if (item->submenu())
            line += " [" + outline(item->submenu()) + "]";
    }
    return line;
}

TEST_F(AppDelegate, LaunchingBuildsTheApplicationMenuWhenThereIsNoneAndTellsTheHandler) {
    const auto app = platform::Application::shared();
    const auto own = std::make_shared<platform::Menu>(text("Own"));
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
    EXPECT_EQ(heardEvents(), std::vector<std::int64_t>{AppEvent::WillFinishLaunching});
}

bool stopAfterSecondFire(const Ref<platform::Timer>&) {
    record({Receiver::AppFunction, 0, 0, 0, nullptr, nullptr});
    return heard().size() == 2;
}

void timerCallback(const Ref<platform::Timer>& timer, const Ref<platform::Object>& userInfo) {
    record({Receiver::AppFunction, 0, 0, 0, userInfo, timer.get()});
}

TEST_F(AppDelegate, TimerFunctionsRunUntilTheyAnswerTrueAndTargetsPassTheUserInfo) {
    using platform::Timer;
    const auto function = Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
        60, AppDelegateGet(), &Delegate::timerFired, TimerFunctionInfo(stopAfterSecondFire), true);
    function->fire();
    EXPECT_TRUE(function->isValid());
    function->fire();
    EXPECT_FALSE(function->isValid());
    EXPECT_EQ(heard().size(), 2u);

    heard().clear();
    const auto info = text("info");
    const auto target = std::make_shared<CUI_TimerTarget>();
    const auto timer = Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
        60, target, &CUI_TimerTarget::timerFireMethod, info, true);
    timer->fire();
    EXPECT_TRUE(heard().empty()) << "a target without a callback calls nothing";
    target->setCallback(timerCallback);
    timer->fire();
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].object, info);
    EXPECT_EQ(heard()[0].userData, timer.get());
    timer->invalidate();
}

void reportTermination(std::int64_t event, void*) {
    if (event == AppEvent::ShouldTerminate || event == AppEvent::WillTerminate)
        std::fprintf(stderr, "event %ld\n", static_cast<long>(event));
}

TEST_F(AppDelegate, ControlQAsksTheHandlerAndEndsTheProcessWhileAnAlertWaits) {
    EXPECT_EXIT(
        {
            Delegate::buildMainMenu();
            AppDelegateGet()->setDelegateCallback(reportTermination);
            platform::testing::ModalScript script;
            script.run().pressCharacter(U'q', true);
            std::make_shared<platform::Alert>()->runModal();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "event 3\nevent 5\n");
}

} // namespace
