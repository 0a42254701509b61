#include "platform/app/Application.h"

#include "platform/app/ApplicationDelegate.h"
#include "platform/app/Bundle.h"
#include "platform/app/RunLoop.h"
#include "platform/detail/AccessibleTextView.h"
#include "platform/detail/KeyEquivalentFilter.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QSessionManager>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace platform {

namespace {

// The program takes no command-line arguments: the toolkit sees only the program's path.
char programPath[PATH_MAX] = "pondaro";
int toolkitArgc = 1;
char* toolkitArgv[] = {programPath, nullptr};

// The loop that waits for a late answer to the terminate question, while one runs.
QEventLoop* terminateWait = nullptr;

Ref<Window> lock(Window* window) {
    return window ? std::static_pointer_cast<Window>(window->weak_from_this().lock()) : nullptr;
}

} // namespace

Ref<Application> Application::shared() {
    // Created on first use and never destroyed: windows the application holds must not be torn
    // down by static destruction after the toolkit's own objects.
    static const auto* instance = [] {
        const ssize_t length = readlink("/proc/self/exe", programPath, sizeof programPath - 1);
        if (length > 0)
            programPath[length] = '\0';
        new QApplication(toolkitArgc, toolkitArgv);
        QApplication::setQuitOnLastWindowClosed(false);
        detail::installAccessibility();
        return new Ref<Application>(new Application);
    }();
    return *instance;
}

Application::Application() {
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged,
                     [this](Qt::ApplicationState state) {
                         const auto self = shared_from_this();
                         const auto note = [&](const char* name) {
                             return std::make_shared<Notification>(String::fromUtf8(name), self);
                         };
                         if (state == Qt::ApplicationActive) {
                             tellDelegate(&ApplicationDelegate::applicationWillBecomeActive,
                                          note("NSApplicationWillBecomeActiveNotification"));
                             tellDelegate(&ApplicationDelegate::applicationDidBecomeActive,
                                          note("NSApplicationDidBecomeActiveNotification"));
                         } else {
                             tellDelegate(&ApplicationDelegate::applicationWillResignActive,
                                          note("NSApplicationWillResignActiveNotification"));
                             tellDelegate(&ApplicationDelegate::applicationDidResignActive,
                                          note("NSApplicationDidResignActiveNotification"));
                         }
                     });
    const auto screensChanged = [this] {
        tellDelegate(&ApplicationDelegate::applicationDidChangeScreenParameters,
                     std::make_shared<Notification>(
                         String::fromUtf8("NSApplicationDidChangeScreenParametersNotification"),
                         shared_from_this()));
    };
    // A screen that changes its size, or the part of it left to windows, changes the screen
    // parameters as much as one that comes or goes.
    const auto watchScreen = [screensChanged](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, screensChanged);
        QObject::connect(screen, &QScreen::availableGeometryChanged, screensChanged);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded,
                     [screensChanged, watchScreen](QScreen* s) {
                         watchScreen(s);
                         screensChanged();
                     });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, screensChanged);
    QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, screensChanged);

    auto* dispatcher = QAbstractEventDispatcher::instance(qApp->thread());
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake,
                     [this] { eventLoopPassBegan(); });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                     [this] { eventLoopPassEnded(); });

    // The session manager asks before the session ends, as the quit command does: the delegate
    // may cancel the end where the session allows it. A late answer cannot be waited for here,
    // so it does not cancel.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, [this](QSessionManager& session) {
        const auto self = std::static_pointer_cast<Application>(shared_from_this());
        if (delegate_ && delegate_->applicationShouldTerminate(self) == TerminateReply::Cancel &&
            session.allowsInteraction()) {
            session.cancel();
            session.release();
        }
    });
    // Saving the session's state is the delegate's moment to write what it would restore; the
    // session's id stands in for the coder.
    QObject::connect(qApp, &QGuiApplication::saveStateRequest, [this](QSessionManager& session) {
        tellDelegate(&ApplicationDelegate::applicationWillEncodeRestorableState,
                     std::static_pointer_cast<Application>(shared_from_this()),
                     String::create(session.sessionId().toStdU16String()));
    });
}

void Application::eventLoopPassBegan() {
    // Only while a run is active: programs process events nowhere else.
    if (passActive_ || updating_ || !detail::ModalRun::innermost())
        return;
    passActive_ = true;
    updating_ = true;
    tellDelegate(&ApplicationDelegate::applicationWillUpdate,
                 std::make_shared<Notification>(
                     String::fromUtf8("NSApplicationWillUpdateNotification"), shared_from_this()));
    updating_ = false;
}

void Application::eventLoopPassEnded() {
    if (!passActive_ || updating_)
        return;
    passActive_ = false;
    updating_ = true;
    for (const auto& window : orderedWindows())
        window->notifyDelegate(&WindowDelegate::windowDidUpdate, "NSWindowDidUpdateNotification");
    tellDelegate(&ApplicationDelegate::applicationDidUpdate,
                 std::make_shared<Notification>(
                     String::fromUtf8("NSApplicationDidUpdateNotification"), shared_from_this()));
    updating_ = false;
}

Application::~Application() = default;

template <class Method, class... Args>
void Application::tellDelegate(Method method, Args&&... args) {
    if (const auto d = delegate_)
        ((*d).*method)(std::forward<Args>(args)...);
}

void Application::setDelegate(std::shared_ptr<ApplicationDelegate> delegate) {
    delegate_ = std::move(delegate);
}

std::vector<Ref<Window>> Application::windows() const {
    std::vector<Ref<Window>> result = onScreen_;
    for (Window* window : windows_)
        if (const auto ref = lock(window);
            ref && !ref->closed_ &&
            std::find(onScreen_.begin(), onScreen_.end(), ref) == onScreen_.end())
            result.push_back(ref);
    return result;
}

std::vector<Ref<Window>> Application::orderedWindows() const {
    return onScreen_;
}

Ref<Window> Application::keyWindow() const {
    return keyWindow_.lock();
}

Ref<Window> Application::mainWindow() const {
    return mainWindow_.lock();
}

Ref<Window> Application::modalWindow() const {
    return modalWindows_.empty() ? nullptr : modalWindows_.back().lock();
}

void Application::finishLaunching() {
    if (launched_)
        return;
    launched_ = true;
    const auto self = shared_from_this();
    tellDelegate(&ApplicationDelegate::applicationWillFinishLaunching,
                 std::make_shared<Notification>(
                     String::fromUtf8("NSApplicationWillFinishLaunchingNotification"), self));
    tellDelegate(&ApplicationDelegate::applicationDidFinishLaunching,
                 std::make_shared<Notification>(
                     String::fromUtf8("NSApplicationDidFinishLaunchingNotification"), self));
}

std::int64_t Application::runModalForWindow(const Ref<Window>& window) {
    if (!window)
        return ModalResponse::Abort;
    finishLaunching();
    window->makeKeyAndOrderFront();
    modalWindows_.push_back(window);
    detail::ModalRun run(window->peer().widget);
    const std::int64_t code = run.exec();
    modalWindows_.pop_back();
    return code;
}

void Application::stopModal() {
    stopModalWithCode(ModalResponse::Stop);
}

void Application::stopModalWithCode(std::int64_t code) {
    if (auto* run = detail::ModalRun::innermost())
        run->stop(code);
}

void Application::abortModal() {
    stopModalWithCode(ModalResponse::Abort);
}

void Application::terminate(const Ref<Object>&) {
    const auto self = std::static_pointer_cast<Application>(shared_from_this());
    TerminateReply reply =
        delegate_ ? delegate_->applicationShouldTerminate(self) : TerminateReply::Now;
    if (reply == TerminateReply::Later) {
        // Events go on in the modal-panel mode until the delegate gives its late answer.
        terminateReply_ = -1;
        QEventLoop wait;
        terminateWait = &wait;
        {
            RunLoop::ModeScope mode(RunLoopMode::ModalPanel);
            wait.exec(QEventLoop::DialogExec);
        }
        terminateWait = nullptr;
        reply = terminateReply_ == 1 ? TerminateReply::Now : TerminateReply::Cancel;
    }
    // Only a clear yes ends the process; an answer the framework does not define keeps it running.
    if (reply != TerminateReply::Now)
        return;
    tellDelegate(&ApplicationDelegate::applicationWillTerminate,
                 std::make_shared<Notification>(
                     String::fromUtf8("NSApplicationWillTerminateNotification"), self));
    std::fflush(nullptr);
    // Static objects are not destroyed: windows and toolkit objects would go in no safe order.
    std::quick_exit(0);
}

void Application::replyToApplicationShouldTerminate(bool shouldTerminate) {
    if (!terminateWait)
        return;
    terminateReply_ = shouldTerminate ? 1 : 0;
    terminateWait->exit();
}

void Application::setMainMenu(const Ref<Menu>& menu) {
    mainMenu_ = menu;
    detail::installKeyEquivalentFilter();
    mainMenuDidChange();
}

void Application::mainMenuDidChange() {
    // Closed windows too: one may be shown again.
    for (Window* window : windows_)
        if (const auto ref = lock(window))
            ref->mainMenuDidChange();
}

void Application::orderFrontStandardAboutPanel(const Ref<Object>&) {
    const auto bundle = Bundle::main();
    const auto info = [&](const char* key) {
        return std::dynamic_pointer_cast<String>(
            bundle->objectForInfoDictionaryKey(String::fromUtf8(key)));
    };
    const auto alert = std::make_shared<Alert>();
    alert->setAlertStyle(AlertStyle::Informational);
    alert->setMessageText(info("CFBundleName"));
    std::string details;
    const auto addLine = [&](const Ref<String>& line) {
        if (!line || line->isEmpty())
            return;
        if (!details.empty())
            details += '\n';
        details += line->utf8();
    };
    if (const auto version = info("CFBundleShortVersionString"))
        addLine(String::stringWithFormat("Version %@", version.get()));
    addLine(info("ApplicationDescription"));
    addLine(info("NSHumanReadableCopyright"));
    if (!details.empty())
        alert->setInformativeText(String::fromUtf8(details));
    alert->addButtonWithTitle(String::fromUtf8("OK"));
    alert->runModal();
}

void Application::registerWindow(Window* window) {
    windows_.push_back(window);
}

void Application::unregisterWindow(Window* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

void Application::windowOrderedIn(const Ref<Window>& window) {
    onScreen_.erase(std::remove(onScreen_.begin(), onScreen_.end(), window), onScreen_.end());
    // In front of every window of its level or below.
    const auto front = std::find_if(onScreen_.begin(), onScreen_.end(), [&](const auto& other) {
        return other->level() <= window->level();
    });
    onScreen_.insert(front, window);
}

void Application::windowOrderedOut(const Ref<Window>& window) {
    const auto keep = window;
    onScreen_.erase(std::remove(onScreen_.begin(), onScreen_.end(), window), onScreen_.end());
    if (keyWindow_.lock() != window)
        return;
    // The key role passes to the frontmost window that can take it.
    const auto next = std::find_if(onScreen_.begin(), onScreen_.end(),
                                   [](const auto& other) { return other->canBecomeKeyWindow(); });
    if (next != onScreen_.end()) {
        windowBecameKey(*next);
        return;
    }
    keyWindow_.reset();
    window->notifyDelegate(&WindowDelegate::windowDidResignKey, "NSWindowDidResignKeyNotification");
    if (mainWindow_.lock() == window) {
        mainWindow_.reset();
        window->notifyDelegate(&WindowDelegate::windowDidResignMain,
                               "NSWindowDidResignMainNotification");
    }
}

void Application::windowClosed(const Ref<Window>& window) {
    windowOrderedOut(window);
    if (onScreen_.empty() && delegate_ &&
        delegate_->applicationShouldTerminateAfterLastWindowClosed(
            std::static_pointer_cast<Application>(shared_from_this())))
        terminate();
}

void Application::windowBecameKey(const Ref<Window>& window) {
    const auto oldKey = keyWindow_.lock();
    if (oldKey == window)
        return;
    keyWindow_ = window;
    if (oldKey)
        oldKey->notifyDelegate(&WindowDelegate::windowDidResignKey,
                               "NSWindowDidResignKeyNotification");
    window->notifyDelegate(&WindowDelegate::windowDidBecomeKey, "NSWindowDidBecomeKeyNotification");
    const auto oldMain = mainWindow_.lock();
    if (!window->canBecomeMainWindow() || oldMain == window)
        return;
    mainWindow_ = window;
    if (oldMain)
        oldMain->notifyDelegate(&WindowDelegate::windowDidResignMain,
                                "NSWindowDidResignMainNotification");
    window->notifyDelegate(&WindowDelegate::windowDidBecomeMain,
                           "NSWindowDidBecomeMainNotification");
}

} // namespace platform
