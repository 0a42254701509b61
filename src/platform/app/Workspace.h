#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class NotificationCenter;
class String;

// The desktop's knowledge of files. File types are MIME types ("text/plain"): a file's type is
// what the MIME database finds for it, from its name and, failing that, its contents.
class Workspace : public Object {
public:
    static Ref<Workspace> sharedWorkspace();

    // The centre of the desktop's own notices, posted with the shared workspace as the object
    // while a loop runs: NSWorkspaceScreensDidSleepNotification and ...DidWake when the screen
    // saver starts and stops (session bus), NSWorkspaceWillSleepNotification and
    // NSWorkspaceDidWakeNotification around the machine's sleep, and
    // NSWorkspaceSessionDidResignActiveNotification and ...DidBecomeActive when this session
    // (XDG_SESSION_ID) is locked and unlocked (login manager, system bus), and
    // NSWorkspaceDidMountNotification and ...DidUnmount, with the mount point as NSDevicePath in
    // the userInfo, when a file system is mounted or unmounted (disk service, system bus).
    Ref<NotificationCenter> notificationCenter();

    // The MIME type of the file at the path; none when there is no path.
    Ref<String> typeOfFile(const String& path) const;
    // Whether the type is the other type or inherits from it ("text/csv" conforms to
    // "text/plain"; every type conforms to "application/octet-stream").
    bool typeConformsToType(const String& type, const String& conformsTo) const;
};

} // namespace platform
