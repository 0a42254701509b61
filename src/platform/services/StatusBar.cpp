#include "platform/services/StatusBar.h"

#include "platform/services/StatusItem.h"

namespace platform {

Ref<StatusBar> StatusBar::systemStatusBar() {
    static const auto bar = std::make_shared<StatusBar>();
    return bar;
}

Ref<StatusItem> StatusBar::statusItemWithLength(double length) {
    return std::make_shared<StatusItem>(length);
}

void StatusBar::removeStatusItem(const Ref<StatusItem>& item) {
    if (item)
        item->withdraw();
}

} // namespace platform
