#include "platform/detail/BrowserColumnView.h"

#include "platform/views/outlines/Browser.h"

namespace platform::detail {

BrowserColumnView::BrowserColumnView(Browser& browser, std::function<void(bool)> scrolling)
    : ViewWidget<QColumnView>(browser), scrolling_(std::move(scrolling)) {}

void BrowserColumnView::scrollContentsBy(int dx, int dy) {
    if (dx == 0)
        return QColumnView::scrollContentsBy(dx, dy);
    scrolling_(true);
    QColumnView::scrollContentsBy(dx, dy);
    scrolling_(false);
}

} // namespace platform::detail
