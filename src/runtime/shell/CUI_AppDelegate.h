#pragma once

// The runtime's application delegate. It builds the main menu when launching finishes, keeps the
// windows the runtime opens alive, holds the state of the running input windows, and turns every
// notification and question of the application into a numbered application event for the
// program's handler (see EventCodes.h). Each event first stores its values in the delegate's
// fields, with the default answer; the handler may change the answer through the setters, and
// the delegate returns what the field holds afterwards. The fields are owned by the delegate and
// keep their values until an event replaces them.

#include "platform/app/ApplicationDelegate.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class Array;
class Dictionary;
class Menu;
class String;
class Timer;
class URL;
class Window;
} // namespace platform

// The delegate's own handler: (event code, the delegate's user data).
using AppDelegateCallback = void (*)(std::int64_t event, void* userData);
// The program-wide handler, used when the delegate has none: (event code, the event's object).
using AppEventFunction = void (*)(std::int64_t event,
                                  const platform::Ref<platform::Object>& object);
// A function a timer calls through timerFired:; answering true invalidates the timer.
using TimerFunction = bool (*)(const platform::Ref<platform::Timer>& timer);

class CUI_AppDelegate : public platform::Object, public platform::ApplicationDelegate {
public:
    CUI_AppDelegate();
    ~CUI_AppDelegate() override;

    // Hands the event to the delegate's callback, else to appEventFunction, else to nobody.
    void forwardApplicationEventObject(std::int64_t event,
                                       const platform::Ref<platform::Object>& object);
    // Calls the function the timer's user info holds (made by TimerFunctionInfo) with the timer
    // and invalidates the timer when the function answers true.
    void timerFired(const platform::Ref<platform::Timer>& timer);

    AppDelegateCallback delegateCallback() const { return delegateCallback_; }
    void setDelegateCallback(AppDelegateCallback callback) { delegateCallback_ = callback; }
    void* delegateUserData() const { return delegateUserData_; }
    void setDelegateUserData(void* userData) { delegateUserData_ = userData; }
    platform::Ref<platform::Array> windows() const { return windows_; }
    void setWindows(platform::Ref<platform::Array> windows) { windows_ = std::move(windows); }
    bool boolVal() const { return boolVal_; }
    void setBoolVal(bool value) { boolVal_ = value; }
    std::int64_t longVal() const { return longVal_; }
    void setLongVal(std::int64_t value) { longVal_ = value; }
    platform::Ref<platform::String> stringVal() const { return stringVal_; }
    void setStringVal(platform::Ref<platform::String> value) { stringVal_ = std::move(value); }
    platform::Ref<platform::Array> arrayVal() const { return arrayVal_; }
    void setArrayVal(platform::Ref<platform::Array> value) { arrayVal_ = std::move(value); }
    platform::Ref<platform::Dictionary> dictVal() const { return dictVal_; }
    void setDictVal(platform::Ref<platform::Dictionary> value) { dictVal_ = std::move(value); }
    platform::Ref<platform::URL> urlVal() const { return urlVal_; }
    void setUrlVal(platform::Ref<platform::URL> value) { urlVal_ = std::move(value); }
    platform::Ref<platform::Menu> menuObj() const { return menuObj_; }
    void setMenuObj(platform::Ref<platform::Menu> value) { menuObj_ = std::move(value); }
    platform::Ref<platform::Window> inkeyWnd() const { return inkeyWnd_; }
    void setInkeyWnd(platform::Ref<platform::Window> window) { inkeyWnd_ = std::move(window); }
    platform::Ref<platform::String> inkeyResponseString() const { return inkeyResponseString_; }
    void setInkeyResponseString(platform::Ref<platform::String> value) {
        inkeyResponseString_ = std::move(value);
    }
    platform::Ref<platform::Window> inputWnd() const { return inputWnd_; }
    void setInputWnd(platform::Ref<platform::Window> window) { inputWnd_ = std::move(window); }
    platform::Ref<platform::String> inputResponseString() const { return inputResponseString_; }
    void setInputResponseString(platform::Ref<platform::String> value) {
        inputResponseString_ = std::move(value);
    }

    // The application delegate protocol.
    void applicationWillFinishLaunching(
        const platform::Ref<platform::Notification>& notification) override;
    void applicationDidFinishLaunching(
        const platform::Ref<platform::Notification>& notification) override;
    platform::TerminateReply
    applicationShouldTerminate(const platform::Ref<platform::Application>& sender) override;
    bool applicationShouldTerminateAfterLastWindowClosed(
        const platform::Ref<platform::Application>& sender) override;
    void
    applicationWillTerminate(const platform::Ref<platform::Notification>& notification) override;
    void
    applicationWillBecomeActive(const platform::Ref<platform::Notification>& notification) override;
    void
    applicationDidBecomeActive(const platform::Ref<platform::Notification>& notification) override;
    void
    applicationWillResignActive(const platform::Ref<platform::Notification>& notification) override;
    void
    applicationDidResignActive(const platform::Ref<platform::Notification>& notification) override;
    void applicationWillHide(const platform::Ref<platform::Notification>& notification) override;
    void applicationDidHide(const platform::Ref<platform::Notification>& notification) override;
    void applicationWillUnhide(const platform::Ref<platform::Notification>& notification) override;
    void applicationDidUnhide(const platform::Ref<platform::Notification>& notification) override;
    void applicationWillUpdate(const platform::Ref<platform::Notification>& notification) override;
    void applicationDidUpdate(const platform::Ref<platform::Notification>& notification) override;
    bool applicationShouldHandleReopenHasVisibleWindows(
        const platform::Ref<platform::Application>& sender, bool hasVisibleWindows) override;
    platform::Ref<platform::Object>
    applicationDockMenu(const platform::Ref<platform::Application>& sender) override;
    void applicationDidChangeScreenParameters(
        const platform::Ref<platform::Notification>& notification) override;
    bool applicationOpenFileWithoutUI(const platform::Ref<platform::Object>& sender,
                                      const platform::Ref<platform::String>& filename) override;
    bool applicationOpenTempFile(const platform::Ref<platform::Application>& sender,
                                 const platform::Ref<platform::String>& filename) override;
    bool applicationOpenUntitledFile(const platform::Ref<platform::Application>& sender) override;
    bool
    applicationShouldOpenUntitledFile(const platform::Ref<platform::Application>& sender) override;
    bool applicationPrintFile(const platform::Ref<platform::Application>& sender,
                              const platform::Ref<platform::String>& filename) override;
    std::int64_t applicationPrintFilesWithSettingsShowPrintPanels(
        const platform::Ref<platform::Application>& sender,
        const platform::Ref<platform::Array>& filenames,
        const platform::Ref<platform::Dictionary>& printSettings, bool showPrintPanels) override;
    void applicationDidRegisterForRemoteNotificationsWithDeviceToken(
        const platform::Ref<platform::Application>& application,
        const platform::Ref<platform::Object>& deviceToken) override;
    void applicationDidFailToRegisterForRemoteNotificationsWithError(
        const platform::Ref<platform::Application>& application,
        const platform::Ref<platform::Object>& error) override;
    void applicationDidReceiveRemoteNotification(
        const platform::Ref<platform::Application>& application,
        const platform::Ref<platform::Dictionary>& userInfo) override;
    void
    applicationDidDecodeRestorableState(const platform::Ref<platform::Application>& application,
                                        const platform::Ref<platform::Object>& coder) override;
    void
    applicationWillEncodeRestorableState(const platform::Ref<platform::Application>& application,
                                         const platform::Ref<platform::Object>& coder) override;
    bool applicationWillContinueUserActivityWithType(
        const platform::Ref<platform::Application>& application,
        const platform::Ref<platform::String>& activityType) override;
    void applicationDidFailToContinueUserActivityWithTypeError(
        const platform::Ref<platform::Application>& application,
        const platform::Ref<platform::String>& activityType,
        const platform::Ref<platform::Object>& error) override;
    void
    applicationDidUpdateUserActivity(const platform::Ref<platform::Application>& application,
                                     const platform::Ref<platform::Object>& userActivity) override;
    void applicationDidChangeOcclusionState(
        const platform::Ref<platform::Notification>& notification) override;
    // The list holds file names (strings) or file URLs. An empty list forwards nothing.
    void applicationOpenFiles(const platform::Ref<platform::Application>& sender,
                              const platform::Ref<platform::Array>& filenames) override;
    // Forwards nothing and returns the error unchanged.
    platform::Ref<platform::Object>
    applicationWillPresentError(const platform::Ref<platform::Application>& application,
                                const platform::Ref<platform::Object>& error) override;

    // Builds the application menu (see the source) and installs it as the main menu.
    static void buildMainMenu();

private:
    // Forwards a notification that carries no values.
    void tell(std::int64_t event, const platform::Ref<platform::Object>& object);

    AppDelegateCallback delegateCallback_ = nullptr;
    void* delegateUserData_ = nullptr;
    platform::Ref<platform::Array> windows_;
    bool boolVal_ = false;
    std::int64_t longVal_ = 0;
    platform::Ref<platform::String> stringVal_;
    platform::Ref<platform::Array> arrayVal_;
    platform::Ref<platform::Dictionary> dictVal_;
    platform::Ref<platform::URL> urlVal_;
    platform::Ref<platform::Menu> menuObj_;
    platform::Ref<platform::Window> inkeyWnd_;
    platform::Ref<platform::String> inkeyResponseString_;
    platform::Ref<platform::Window> inputWnd_;
    platform::Ref<platform::String> inputResponseString_;
};

// Gives the application the runtime's delegate when it has none. When launching has already
// finished, the delegate builds the main menu at once, since it will not hear of launching.
void AppEnsureDelegate();
// The application's delegate; when it has none of the runtime's, a new delegate that is not
// installed.
platform::Ref<CUI_AppDelegate> AppDelegateGet();

// The program-wide application-event handler, initially none.
AppEventFunction appEventFunction();
void AppEventFunctionSet(AppEventFunction handler);

// The user info of a timer whose target is the delegate's timerFired:.
platform::Ref<platform::Object> TimerFunctionInfo(TimerFunction function);
