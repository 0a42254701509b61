#include "platform/app/Application.h"
#include "platform/app/ApplicationDelegate.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::UserActions;

namespace {

class TerminateDelegate : public ApplicationDelegate {
public:
    explicit TerminateDelegate(TerminateReply reply) : reply_(reply) {}
    TerminateReply applicationShouldTerminate(const Ref<Application>&) override {
        ++asked;
        return reply_;
    }
    void applicationWillTerminate(const Ref<Notification>&) override {
        std::fputs("will terminate\n", stderr);
        told = true;
    }
    int asked = 0;
    bool told = false;

private:
    TerminateReply reply_;
};

// Installs a delegate for one test and restores the earlier one afterwards.
class DelegateScope {
public:
    explicit DelegateScope(std::shared_ptr<ApplicationDelegate> delegate)
        : previous_(Application::shared()->delegate()) {
        Application::shared()->setDelegate(std::move(delegate));
    }
    ~DelegateScope() { Application::shared()->setDelegate(previous_); }

private:
    std::shared_ptr<ApplicationDelegate> previous_;
};

// Notes the notices it hears, by name.
struct NoticeRecorder : ApplicationDelegate, WindowDelegate {
    using N = const Ref<Notification>&;
    void applicationWillUpdate(N) override { events.push_back("will update"); }
    void applicationDidUpdate(N) override { events.push_back("did update"); }
    void applicationDidChangeScreenParameters(N) override { events.push_back("screens"); }
    void windowDidUpdate(N) override { events.push_back("window updated"); }
    void windowDidChangeScreen(N) override { events.push_back("window screen"); }
    void windowWillMove(N) override { events.push_back("will move"); }
    void windowWillMiniaturize(N) override { events.push_back("will min"); }
    void windowDidMiniaturize(N) override { events.push_back("did min"); }
    void windowDidDeminiaturize(N) override { events.push_back("did demin"); }
    void windowWillEnterFullScreen(N) override { events.push_back("will enter"); }
    void windowDidEnterFullScreen(N) override { events.push_back("did enter"); }
    void windowWillExitFullScreen(N) override { events.push_back("will exit"); }
    void windowDidExitFullScreen(N) override { events.push_back("did exit"); }
    TerminateReply applicationShouldTerminate(const Ref<Application>&) override {
        events.push_back("should terminate");
        return TerminateReply::Cancel;
    }
    void applicationWillEncodeRestorableState(const Ref<Application>&,
                                              const Ref<Object>&) override {
        events.push_back("encode");
    }
    std::vector<std::string> events;
};

} // namespace

// No, at once or late, keeps the process running, and the delegate hears of no termination.
TEST(Terminate, ADelegateThatSaysNoKeepsTheProcessRunning) {
    for (const TerminateReply reply : {TerminateReply::Cancel, TerminateReply::Later}) {
        const auto delegate = std::make_shared<TerminateDelegate>(reply);
        DelegateScope scope(delegate);
        QTimer::singleShot(0,
                           [] { Application::shared()->replyToApplicationShouldTerminate(false); });
        Application::shared()->terminate();
        EXPECT_EQ(delegate->asked, 1);
        EXPECT_FALSE(delegate->told);
    }
}

TEST(TerminateDeathTest, ADelegateThatAllowsAtOnceOrWithALateYesEndsTheProcessWithStatusZero) {
    for (const TerminateReply reply : {TerminateReply::Now, TerminateReply::Later})
        EXPECT_EXIT(
            {
                Application::shared()->setDelegate(std::make_shared<TerminateDelegate>(reply));
                QTimer::singleShot(
                    0, [] { Application::shared()->replyToApplicationShouldTerminate(true); });
                Application::shared()->terminate();
            },
            ::testing::ExitedWithCode(0), "will terminate");
}

TEST(Windows, KeyAndOrderFollowTheWindowsAndTheDelegateHearsOfIt) {
    struct Recorder : WindowDelegate {
        void windowDidBecomeKey(const Ref<Notification>& n) override { log(n, "key"); }
        void windowDidResignKey(const Ref<Notification>& n) override { log(n, "resign"); }
        void windowWillClose(const Ref<Notification>& n) override { log(n, "close"); }
        void windowDidResignMain(const Ref<Notification>& n) override { log(n, "resign main"); }
        bool windowShouldClose(const Ref<Window>&) override { return allowClose; }
        void log(const Ref<Notification>& n, const char* what) {
            const auto window = std::static_pointer_cast<Window>(n->object());
            events.push_back(window->title()->utf8() + " " + what);
        }
        std::vector<std::string> events;
        bool allowClose = false;
    };
    const auto delegate = std::make_shared<Recorder>();
    const auto style = WindowStyleMask::Titled | WindowStyleMask::Closable;
    const auto a = std::make_shared<Window>(Rect(0, 0, 100, 100), style);
    const auto b = std::make_shared<Window>(Rect(0, 0, 100, 100), style);
    a->setTitle(String::fromUtf8("A"));
    b->setTitle(String::fromUtf8("B"));
    a->setDelegate(delegate);
    b->setDelegate(delegate);

    a->makeKeyAndOrderFront();
    b->makeKeyAndOrderFront();
    b->makeKeyAndOrderFront();
    EXPECT_EQ(Application::shared()->keyWindow(), b);
    EXPECT_EQ(Application::shared()->orderedWindows().at(0), b);
    EXPECT_EQ(Application::shared()->orderedWindows().at(1), a);

    b->performClose();
    EXPECT_TRUE(b->isVisible()) << "the delegate refused to close";
    delegate->allowClose = true;
    b->performClose();
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(Application::shared()->keyWindow(), a);
    a->close();
    EXPECT_EQ(Application::shared()->keyWindow(), nullptr);
    EXPECT_EQ(delegate->events,
              (std::vector<std::string>{"A key", "A resign", "B key", "A resign main", "B close",
                                        "B resign", "A key", "B resign main", "A close", "A resign",
                                        "A resign main"}));
}

// Neither closing a window that is not key, even when it is not the frontmost, nor the window
// system activating a window that cannot be key, changes the key window.
TEST(Windows, OnlyAWindowThatCanBeKeyTakesTheRole) {
    std::vector<Ref<Window>> windows;
    for (int i = 0; i < 3; ++i)
        windows.push_back(std::make_shared<Window>(Rect(0, 0, 100, 100), WindowStyleMask::Titled));
    windows[0]->makeKeyAndOrderFront();
    const auto panel = std::make_shared<Window>(Rect(0, 0, 50, 50), WindowStyleMask::Borderless);
    panel->orderFront();
    panel->peer().widget->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(Application::shared()->keyWindow(), windows[0]);
    panel->close();
    windows[1]->orderFront();
    windows[2]->orderFront();
    windows[2]->close();
    EXPECT_EQ(Application::shared()->keyWindow(), windows[0]);
    windows[1]->close();
    windows[0]->close();
}

TEST(Windows, AShownWindowLivesUntilItIsClosed) {
    std::weak_ptr<Window> weak;
    {
        const auto window = std::make_shared<Window>(Rect(0, 0, 50, 50), WindowStyleMask::Titled);
        window->orderFront();
        weak = window;
    }
    ASSERT_FALSE(weak.expired());
    weak.lock()->close();
    EXPECT_TRUE(weak.expired());
}

TEST(Windows, AttachedPropertiesAreReplacedRemovedAndAbsentWhenNeverSet) {
    const auto window = std::make_shared<Window>(Rect(0, 0, 50, 50), WindowStyleMask::Titled);
    EXPECT_EQ(window->attachedProperty("tag"), nullptr);
    window->setAttachedProperty("tag", String::fromUtf8("one"));
    window->setAttachedProperty("tag", String::fromUtf8("two"));
    window->setAttachedProperty("other", String::fromUtf8("x"));
    EXPECT_TRUE(window->attachedProperty("tag")->isEqual(*String::fromUtf8("two")));
    window->setAttachedProperty("tag", nullptr);
    EXPECT_EQ(window->attachedProperty("tag"), nullptr);
    EXPECT_NE(window->attachedProperty("other"), nullptr);
}

// What the desktop tells the application: the screens, the session, and the passes of the event
// loop while a run is active. The session manager and the window system's notices are sent as
// the toolkit sends them when they happen.
TEST(DesktopNotices, ReachTheDelegates) {
    const auto recorder = std::make_shared<NoticeRecorder>();
    DelegateScope scope(recorder);
    const auto window = std::make_shared<Window>(Rect(0, 0, 100, 100), WindowStyleMask::Titled);
    window->setDelegate(recorder);
    window->orderFront();
    // The window manager places the window first.
    QCoreApplication::processEvents();
    recorder->events.clear();
    QScreen* screen = QGuiApplication::primaryScreen();
    emit window->peer().widget->windowHandle()->screenChanged(screen);
    emit screen->geometryChanged(screen->geometry());
    emit screen->availableGeometryChanged(screen->availableGeometry());
    auto* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr);
    emit qApp->commitDataRequest(*session);
    emit qApp->saveStateRequest(*session);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"window screen", "screens", "screens",
                                                          "should terminate", "encode"}));

    recorder->events.clear();
    QTimer::singleShot(20, [] { Application::shared()->stopModal(); });
    Application::shared()->runModalForWindow(window);
    window->close();
    ASSERT_GE(recorder->events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(recorder->events.end() - 3, recorder->events.end()),
              (std::vector<std::string>{"will update", "window updated", "did update"}));
}

// A move by a single point counts.
TEST(DesktopNotices, MovingMinimizingAndFullScreenFromTheWindowManagerReachTheDelegate) {
    const auto window = std::make_shared<Window>(Rect{50, 50, 200, 200}, WindowStyleMask::Titled);
    window->orderFront();
    const auto recorder = std::make_shared<NoticeRecorder>();
    window->setDelegate(recorder);
    UserActions::moveFrameTo(window, {window->frame().minX() + 1, window->frame().minY()});
    UserActions::minimize(window);
    EXPECT_TRUE(window->isMiniaturized());
    UserActions::restore(window);
    UserActions::toggleFullScreen(window);
    EXPECT_TRUE(window->isFullScreen());
    window->toggleFullScreen();
    window->close();
    EXPECT_EQ(recorder->events,
              (std::vector<std::string>{"will move", "will min", "did min", "did demin",
                                        "will enter", "did enter", "will exit", "did exit"}));
}
