#include "platform/app/ApplicationDelegate.h"

namespace platform {

ApplicationDelegate::~ApplicationDelegate() = default;

void ApplicationDelegate::applicationWillFinishLaunching(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidFinishLaunching(const Ref<Notification>&) {}
TerminateReply ApplicationDelegate::applicationShouldTerminate(const Ref<Application>&) {
    return TerminateReply::Now;
}
bool ApplicationDelegate::applicationShouldTerminateAfterLastWindowClosed(const Ref<Application>&) {
    return false;
}
void ApplicationDelegate::applicationWillTerminate(const Ref<Notification>&) {}
void ApplicationDelegate::applicationWillBecomeActive(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidBecomeActive(const Ref<Notification>&) {}
void ApplicationDelegate::applicationWillResignActive(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidResignActive(const Ref<Notification>&) {}
void ApplicationDelegate::applicationWillHide(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidHide(const Ref<Notification>&) {}
void ApplicationDelegate::applicationWillUnhide(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidUnhide(const Ref<Notification>&) {}
void ApplicationDelegate::applicationWillUpdate(const Ref<Notification>&) {}
void ApplicationDelegate::applicationDidUpdate(const Ref<Notification>&) {}
bool ApplicationDelegate::applicationShouldHandleReopenHasVisibleWindows(const Ref<Application>&,
                                                                         bool) {
    return true;
}
Ref<Object> ApplicationDelegate::applicationDockMenu(const Ref<Application>&) {
    return nullptr;
}
void ApplicationDelegate::applicationDidChangeScreenParameters(const Ref<Notification>&) {}
bool ApplicationDelegate::applicationOpenFileWithoutUI(const Ref<Object>&, const Ref<String>&) {
    return false;
}
bool ApplicationDelegate::applicationOpenTempFile(const Ref<Application>&, const Ref<String>&) {
    return false;
}
bool ApplicationDelegate::applicationOpenUntitledFile(const Ref<Application>&) {
    return false;
}
bool ApplicationDelegate::applicationShouldOpenUntitledFile(const Ref<Application>&) {
    return false;
}
bool ApplicationDelegate::applicationPrintFile(const Ref<Application>&, const Ref<String>&) {
    return false;
}
std::int64_t ApplicationDelegate::applicationPrintFilesWithSettingsShowPrintPanels(
    const Ref<Application>&, const Ref<Array>&, const Ref<Dictionary>&, bool) {
    return 0;
}
void ApplicationDelegate::applicationDidRegisterForRemoteNotificationsWithDeviceToken(
    const Ref<Application>&, const Ref<Object>&) {}
void ApplicationDelegate::applicationDidFailToRegisterForRemoteNotificationsWithError(
    const Ref<Application>&, const Ref<Object>&) {}
void ApplicationDelegate::applicationDidReceiveRemoteNotification(const Ref<Application>&,
                                                                  const Ref<Dictionary>&) {}
void ApplicationDelegate::applicationDidDecodeRestorableState(const Ref<Application>&,
                                                              const Ref<Object>&) {}
void ApplicationDelegate::applicationWillEncodeRestorableState(const Ref<Application>&,
                                                               const Ref<Object>&) {}
bool ApplicationDelegate::applicationWillContinueUserActivityWithType(const Ref<Application>&,
                                                                      const Ref<String>&) {
    return false;
}
void ApplicationDelegate::applicationDidFailToContinueUserActivityWithTypeError(
    const Ref<Application>&, const Ref<String>&, const Ref<Object>&) {}
void ApplicationDelegate::applicationDidUpdateUserActivity(const Ref<Application>&,
                                                           const Ref<Object>&) {}
void ApplicationDelegate::applicationDidChangeOcclusionState(const Ref<Notification>&) {}
void ApplicationDelegate::applicationOpenFiles(const Ref<Application>&, const Ref<Array>&) {}
Ref<Object> ApplicationDelegate::applicationWillPresentError(const Ref<Application>&,
                                                             const Ref<Object>& error) {
    return error;
}

} // namespace platform
