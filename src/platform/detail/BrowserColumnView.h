#pragma once

// Internal to the platform.

#include "platform/detail/ViewPeer.h"

#include <QColumnView>

#include <functional>

namespace platform {
class Browser;
namespace detail {

// The toolkit's column view under a browser: it tells the browser around each sideways
// scroll of its columns.
class BrowserColumnView : public ViewWidget<QColumnView> {
public:
    BrowserColumnView(Browser& browser, std::function<void(bool)> scrolling);

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    // Called with true before a scroll and with false after it.
    std::function<void(bool)> scrolling_;
};

} // namespace detail
} // namespace platform
