#include "runtime/shell/CUI_AppDelegate.h"

#include "runtime/shell/EventCodes.h"

#include "platform/app/Application.h"
#include "platform/app/Bundle.h"
#include "platform/app/Timer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

using platform::Ref;

namespace {

AppEventFunction eventFunction = nullptr;

// The user info of a timer that calls a function: function pointers are not object pointers,
// so the function travels in an object of its own.
class TimerFunctionBox : public platform::Object {
public:
    explicit TimerFunctionBox(TimerFunction stored) : function_(stored) {}
    TimerFunction function() const { return function_; }

private:
    TimerFunction function_;
};

} // namespace

CUI_AppDelegate::CUI_AppDelegate() : windows_(platform::Array::arrayWithCapacity(0)) {}

CUI_AppDelegate::~CUI_AppDelegate() = default;

void CUI_AppDelegate::forwardApplicationEventObject(std::int64_t event,
                                                    const Ref<platform::Object>& object) {
    if (delegateCallback_)
        delegateCallback_(event, delegateUserData_);
    else if (eventFunction)
        eventFunction(event, object);
}

void CUI_AppDelegate::timerFired(const Ref<platform::Timer>& timer) {
    if (!timer)
        return;
    const auto box = std::dynamic_pointer_cast<TimerFunctionBox>(timer->userInfo());
    if (box && box->function() && box->function()(timer))
        timer->invalidate();
}

void CUI_AppDelegate::tell(std::int64_t event, const Ref<platform::Object>& object) {
    forwardApplicationEventObject(event, object);
}

void CUI_AppDelegate::buildMainMenu() {
    const auto name = std::dynamic_pointer_cast<platform::String>(
        platform::Bundle::main()->objectForInfoDictionaryKey(
            platform::String::fromUtf8("CFBundleName")));
    const auto empty = platform::String::create();
    const auto mainMenu = std::make_shared<platform::Menu>(platform::String::fromUtf8("MainMenu"));
    const auto appItem = std::make_shared<platform::MenuItem>(name, platform::Selector(), empty);
    mainMenu->addItem(appItem);
    const auto appMenu = std::make_shared<platform::Menu>(name);
    appItem->setSubmenu(appMenu);
    appMenu->addItem(std::make_shared<platform::MenuItem>(
        platform::String::stringWithFormat("About %@", name.get()),
        platform::Selector("orderFrontStandardAboutPanel:",
                           &platform::Application::orderFrontStandardAboutPanel),
        empty));
    appMenu->addItem(platform::MenuItem::separatorItem());
    appMenu->addItem(std::make_shared<platform::MenuItem>(
        platform::String::stringWithFormat("Quit %@", name.get()),
        platform::Selector("terminate:", &platform::Application::terminate),
        platform::String::fromUtf8("q")));
    platform::Application::shared()->setMainMenu(mainMenu);
}

void CUI_AppDelegate::applicationWillFinishLaunching(const Ref<platform::Notification>& note) {
    if (!platform::Application::shared()->mainMenu())
        buildMainMenu();
    tell(AppEvent::WillFinishLaunching, note);
}

void CUI_AppDelegate::applicationDidFinishLaunching(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidFinishLaunching, note);
}

platform::TerminateReply
CUI_AppDelegate::applicationShouldTerminate(const Ref<platform::Application>& sender) {
    longVal_ = 1;
    forwardApplicationEventObject(AppEvent::ShouldTerminate, sender);
    return static_cast<platform::TerminateReply>(longVal_);
}

bool CUI_AppDelegate::applicationShouldTerminateAfterLastWindowClosed(
    const Ref<platform::Application>& sender) {
    boolVal_ = false;
    forwardApplicationEventObject(AppEvent::ShouldTerminateAfterLastWindowClosed, sender);
    return boolVal_;
}

void CUI_AppDelegate::applicationWillTerminate(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillTerminate, note);
}
void CUI_AppDelegate::applicationWillBecomeActive(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillBecomeActive, note);
}
void CUI_AppDelegate::applicationDidBecomeActive(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidBecomeActive, note);
}
void CUI_AppDelegate::applicationWillResignActive(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillResignActive, note);
}
void CUI_AppDelegate::applicationDidResignActive(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidResignActive, note);
}
void CUI_AppDelegate::applicationWillHide(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillHide, note);
}
void CUI_AppDelegate::applicationDidHide(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidHide, note);
}
void CUI_AppDelegate::applicationWillUnhide(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillUnhide, note);
}
void CUI_AppDelegate::applicationDidUnhide(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidUnhide, note);
}
void CUI_AppDelegate::applicationWillUpdate(const Ref<platform::Notification>& note) {
    tell(AppEvent::WillUpdate, note);
}
void CUI_AppDelegate::applicationDidUpdate(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidUpdate, note);
}

bool CUI_AppDelegate::applicationShouldHandleReopenHasVisibleWindows(
    const Ref<platform::Application>& sender, bool) {
    boolVal_ = true;
    forwardApplicationEventObject(AppEvent::ShouldHandleReopen, sender);
    return boolVal_;
}

Ref<platform::Object>
CUI_AppDelegate::applicationDockMenu(const Ref<platform::Application>& sender) {
    menuObj_ = nullptr;
    forwardApplicationEventObject(AppEvent::DockMenu, sender);
    return menuObj_;
}

void CUI_AppDelegate::applicationDidChangeScreenParameters(
    const Ref<platform::Notification>& note) {
    tell(AppEvent::DidChangeScreenParameters, note);
}

bool CUI_AppDelegate::applicationOpenFileWithoutUI(const Ref<platform::Object>&,
                                                   const Ref<platform::String>& filename) {
    stringVal_ = filename;
    boolVal_ = false;
    forwardApplicationEventObject(AppEvent::OpenFileWithoutUI, filename);
    return boolVal_;
}

bool CUI_AppDelegate::applicationOpenTempFile(const Ref<platform::Application>&,
                                              const Ref<platform::String>& filename) {
    stringVal_ = filename;
    boolVal_ = false;
    forwardApplicationEventObject(AppEvent::OpenTempFile, filename);
    return boolVal_;
}

bool CUI_AppDelegate::applicationOpenUntitledFile(const Ref<platform::Application>& sender) {
    boolVal_ = false;
    forwardApplicationEventObject(AppEvent::OpenUntitledFile, sender);
    return boolVal_;
}

bool CUI_AppDelegate::applicationShouldOpenUntitledFile(const Ref<platform::Application>& sender) {
    boolVal_ = false;
    forwardApplicationEventObject(AppEvent::ShouldOpenUntitledFile, sender);
    return boolVal_;
}

bool CUI_AppDelegate::applicationPrintFile(const Ref<platform::Application>&,
                                           const Ref<platform::String>& filename) {
    stringVal_ = filename;
    boolVal_ = true;
    forwardApplicationEventObject(AppEvent::PrintFile, filename);
    return boolVal_;
}

std::int64_t CUI_AppDelegate::applicationPrintFilesWithSettingsShowPrintPanels(
    const Ref<platform::Application>&, const Ref<platform::Array>& filenames,
    const Ref<platform::Dictionary>& printSettings, bool showPrintPanels) {
    longVal_ = 1;
    arrayVal_ = filenames;
    dictVal_ = printSettings;
    boolVal_ = showPrintPanels;
    forwardApplicationEventObject(AppEvent::PrintFiles, filenames);
    return longVal_;
}

void CUI_AppDelegate::applicationDidRegisterForRemoteNotificationsWithDeviceToken(
    const Ref<platform::Application>&, const Ref<platform::Object>& deviceToken) {
    tell(AppEvent::DidRegisterForRemoteNotifications, deviceToken);
}

void CUI_AppDelegate::applicationDidFailToRegisterForRemoteNotificationsWithError(
    const Ref<platform::Application>&, const Ref<platform::Object>& error) {
    tell(AppEvent::DidFailToRegisterForRemoteNotifications, error);
}

void CUI_AppDelegate::applicationDidReceiveRemoteNotification(
    const Ref<platform::Application>&, const Ref<platform::Dictionary>& userInfo) {
    dictVal_ = userInfo;
    tell(AppEvent::DidReceiveRemoteNotification, userInfo);
}

void CUI_AppDelegate::applicationDidDecodeRestorableState(const Ref<platform::Application>&,
                                                          const Ref<platform::Object>& coder) {
    tell(AppEvent::DidDecodeRestorableState, coder);
}

void CUI_AppDelegate::applicationWillEncodeRestorableState(const Ref<platform::Application>&,
                                                           const Ref<platform::Object>& coder) {
    tell(AppEvent::WillEncodeRestorableState, coder);
}

bool CUI_AppDelegate::applicationWillContinueUserActivityWithType(
    const Ref<platform::Application>&, const Ref<platform::String>& activityType) {
    boolVal_ = false;
    stringVal_ = activityType;
    forwardApplicationEventObject(AppEvent::WillContinueUserActivity, activityType);
    return boolVal_;
}

void CUI_AppDelegate::applicationDidFailToContinueUserActivityWithTypeError(
    const Ref<platform::Application>&, const Ref<platform::String>& activityType,
    const Ref<platform::Object>&) {
    stringVal_ = activityType;
    tell(AppEvent::DidFailToContinueUserActivity, activityType);
}

void CUI_AppDelegate::applicationDidUpdateUserActivity(const Ref<platform::Application>&,
                                                       const Ref<platform::Object>& userActivity) {
    tell(AppEvent::DidUpdateUserActivity, userActivity);
}

void CUI_AppDelegate::applicationDidChangeOcclusionState(const Ref<platform::Notification>& note) {
    tell(AppEvent::DidChangeOcclusionState, note);
}

void CUI_AppDelegate::applicationOpenFiles(const Ref<platform::Application>&,
                                           const Ref<platform::Array>& filenames) {
    if (!filenames || filenames->count() == 0)
        return;
    const auto urls = platform::Array::arrayWithCapacity(filenames->count());
    Ref<platform::String> firstName;
    for (const auto& entry : *filenames) {
        Ref<platform::URL> url = std::dynamic_pointer_cast<platform::URL>(entry);
        if (const auto path = std::dynamic_pointer_cast<platform::String>(entry))
            url = platform::URL::fileURLWithPath(*path);
        if (!url)
            continue;
        if (!firstName)
            firstName = url->lastPathComponent();
        urls->addObject(url);
    }
    if (urls->count() == 0)
        return;
    stringVal_ = firstName;
    arrayVal_ = urls;
    urlVal_ = std::static_pointer_cast<platform::URL>(urls->firstObject());
    forwardApplicationEventObject(AppEvent::OpenFiles, urls);
}

Ref<platform::Object>
CUI_AppDelegate::applicationWillPresentError(const Ref<platform::Application>&,
                                             const Ref<platform::Object>& error) {
    return error;
}

void AppEnsureDelegate() {
    const auto app = platform::Application::shared();
    if (app->delegate())
        return;
    app->setDelegate(std::make_shared<CUI_AppDelegate>());
    if (app->isLaunched() && !app->mainMenu())
        CUI_AppDelegate::buildMainMenu();
}

Ref<CUI_AppDelegate> AppDelegateGet() {
    if (auto installed =
            std::dynamic_pointer_cast<CUI_AppDelegate>(platform::Application::shared()->delegate()))
        return installed;
    return std::make_shared<CUI_AppDelegate>();
}

AppEventFunction appEventFunction() {
    return eventFunction;
}

void AppEventFunctionSet(AppEventFunction handler) {
    eventFunction = handler;
}

Ref<platform::Object> TimerFunctionInfo(TimerFunction function) {
    return std::make_shared<TimerFunctionBox>(function);
}
