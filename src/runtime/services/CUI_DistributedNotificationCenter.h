#pragma once

// An observer of the distributed notification centre that hands each notification it receives,
// from this program or another on the desktop session, to a program function.
//
//     platform::DistributedNotificationCenter::defaultCenter()->addObserverSelectorNameObject(
//         observer, CUI_DistributedNotificationCenter::receiveSelector(), observer->name(),
//         nullptr);

#include "runtime/services/CUI_NotificationCenter.h"

class CUI_DistributedNotificationCenter : public CUI_NotificationCenter {
public:
    using CUI_NotificationCenter::CUI_NotificationCenter;
};
