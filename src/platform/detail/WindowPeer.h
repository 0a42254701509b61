#pragma once

// Internal to the platform: the toolkit top-level widget that shows a window. Its geometry is
// the window's content rectangle with the window's strips (menu bar, accessories, toolbar) above
// it; the window manager draws the title bar around it.

#include "platform/detail/ForwardingWidget.h"

#include <QPointer>

namespace platform {

class WindowWidget : public detail::ForwardingWidget<QWidget, Window> {
public:
    explicit WindowWidget(Window& window);

    // Set while the platform itself moves, resizes or closes the widget, so that the widget's
    // own notices of those changes are not taken for the user's.
    bool platformChange = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool screenWatched_ = false;
};

struct WindowPeer {
    explicit WindowPeer(Window& window);
    ~WindowPeer();
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    QPointer<WindowWidget> widget;
};

} // namespace platform
