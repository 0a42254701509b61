#pragma once

// An observer of the workspace's notification centre that hands each notice of the desktop
// (screens, sleep, session lock) to a program function.
//
//     platform::Workspace::sharedWorkspace()->notificationCenter()->addObserverSelectorNameObject(
//         observer, CUI_WorkspaceNotificationCenter::receiveSelector(), observer->name(),
//         nullptr);

#include "runtime/services/CUI_NotificationCenter.h"

class CUI_WorkspaceNotificationCenter : public CUI_NotificationCenter {
public:
    using CUI_NotificationCenter::CUI_NotificationCenter;
};
