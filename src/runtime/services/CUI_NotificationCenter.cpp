#include "runtime/services/CUI_NotificationCenter.h"

#include "platform/foundation/Notification.h"

void CUI_NotificationCenter::didReceiveNotification(
    const platform::Ref<platform::Notification>& notification) {
    if (callback_)
        callback_(notification);
}

const platform::Selector& CUI_NotificationCenter::receiveSelector() {
    static const platform::Selector selector("didReceiveNotification:",
                                             &CUI_NotificationCenter::didReceiveNotification);
    return selector;
}
