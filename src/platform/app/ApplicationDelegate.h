#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Application;
class Array;
class Dictionary;
class Notification;
class String;

// The application's answers to the terminate question.
enum class TerminateReply : std::int64_t { Cancel = 0, Now = 1, Later = 2 };

// What the application tells and asks its delegate. Each method answers what the framework
// answers when the application has no delegate. Objects the framework models with classes of
// their own elsewhere (menus, coders, user activities, errors) arrive as plain objects.
class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate();

    virtual void applicationWillFinishLaunching(const Ref<Notification>& notification);
    virtual void applicationDidFinishLaunching(const Ref<Notification>& notification);
    virtual TerminateReply applicationShouldTerminate(const Ref<Application>& sender);
    virtual bool applicationShouldTerminateAfterLastWindowClosed(const Ref<Application>& sender);
    virtual void applicationWillTerminate(const Ref<Notification>& notification);
    virtual void applicationWillBecomeActive(const Ref<Notification>& notification);
    virtual void applicationDidBecomeActive(const Ref<Notification>& notification);
    virtual void applicationWillResignActive(const Ref<Notification>& notification);
    virtual void applicationDidResignActive(const Ref<Notification>& notification);
    virtual void applicationWillHide(const Ref<Notification>& notification);
    virtual void applicationDidHide(const Ref<Notification>& notification);
    virtual void applicationWillUnhide(const Ref<Notification>& notification);
    virtual void applicationDidUnhide(const Ref<Notification>& notification);
    virtual void applicationWillUpdate(const Ref<Notification>& notification);
    virtual void applicationDidUpdate(const Ref<Notification>& notification);
    virtual bool applicationShouldHandleReopenHasVisibleWindows(const Ref<Application>& sender,
                                                                bool hasVisibleWindows);
    virtual Ref<Object> applicationDockMenu(const Ref<Application>& sender);
    virtual void applicationDidChangeScreenParameters(const Ref<Notification>& notification);
    virtual bool applicationOpenFileWithoutUI(const Ref<Object>& sender,
                                              const Ref<String>& filename);
    virtual bool applicationOpenTempFile(const Ref<Application>& sender,
                                         const Ref<String>& filename);
    virtual bool applicationOpenUntitledFile(const Ref<Application>& sender);
    virtual bool applicationShouldOpenUntitledFile(const Ref<Application>& sender);
    virtual bool applicationPrintFile(const Ref<Application>& sender, const Ref<String>& filename);
    // Answers the framework's print reply (0 cancelled, 1 success, 2 failure, 3 reply later).
    virtual std::int64_t applicationPrintFilesWithSettingsShowPrintPanels(
        const Ref<Application>& sender, const Ref<Array>& filenames,
        const Ref<Dictionary>& printSettings, bool showPrintPanels);
    virtual void
    applicationDidRegisterForRemoteNotificationsWithDeviceToken(const Ref<Application>& application,
                                                                const Ref<Object>& deviceToken);
    virtual void
    applicationDidFailToRegisterForRemoteNotificationsWithError(const Ref<Application>& application,
                                                                const Ref<Object>& error);
    virtual void applicationDidReceiveRemoteNotification(const Ref<Application>& application,
                                                         const Ref<Dictionary>& userInfo);
    virtual void applicationDidDecodeRestorableState(const Ref<Application>& application,
                                                     const Ref<Object>& coder);
    virtual void applicationWillEncodeRestorableState(const Ref<Application>& application,
                                                      const Ref<Object>& coder);
    virtual bool applicationWillContinueUserActivityWithType(const Ref<Application>& application,
                                                             const Ref<String>& activityType);
    virtual void
    applicationDidFailToContinueUserActivityWithTypeError(const Ref<Application>& application,
                                                          const Ref<String>& activityType,
                                                          const Ref<Object>& error);
    virtual void applicationDidUpdateUserActivity(const Ref<Application>& application,
                                                  const Ref<Object>& userActivity);
    virtual void applicationDidChangeOcclusionState(const Ref<Notification>& notification);
    virtual void applicationOpenFiles(const Ref<Application>& sender, const Ref<Array>& filenames);
    virtual Ref<Object> applicationWillPresentError(const Ref<Application>& application,
                                                    const Ref<Object>& error);
};

} // namespace platform
