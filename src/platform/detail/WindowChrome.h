#pragma once

// Internal to the platform: the strips a window shows above its content for the application's
// main menu, its title-bar accessories and its toolbar, and the area below them that holds the
// content view. A window makes its chrome the first time it gets a strip.

#include "platform/foundation/Object.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <vector>

class QMenuBar;
class QToolBar;

namespace platform {
class Menu;
class TitlebarAccessoryViewController;
class Toolbar;
class View;
} // namespace platform

namespace platform::detail {

class WindowChrome {
public:
    explicit WindowChrome(QWidget& windowWidget);
    ~WindowChrome();
    WindowChrome(const WindowChrome&) = delete;
    WindowChrome& operator=(const WindowChrome&) = delete;

    // The widget the content view's widget lives in.
    QWidget* contentHost() const { return contentHost_; }
    // The views shown in the strips, whose window is the chrome's window.
    const std::vector<Ref<View>>& hostedViews() const { return hostedViews_; }

    // Builds the strips anew and returns their height. A menu bar shows the menu at the very
    // top, when there is one.
    double rebuild(const std::vector<Ref<TitlebarAccessoryViewController>>& accessories,
                   const Ref<Toolbar>& toolbar, const Ref<Menu>& menu);
    double height() const { return height_; }
    // Places the strips and the content host in a window widget of this size.
    void layout(QSize size);

private:
    struct Strip {
        QPointer<QWidget> holder;
        Ref<View> view;
        bool fullWidth = false;
        bool right = false;
        int top = 0;
    };

    QWidget* hold(const Ref<View>& view);
    void clear();

    QWidget& windowWidget_;
    QPointer<QWidget> contentHost_;
    QPointer<QMenuBar> menuBar_;
    int menuBarHeight_ = 0;
    QPointer<QToolBar> toolBar_;
    int toolBarTop_ = 0;
    int toolBarHeight_ = 0;
    std::vector<Strip> strips_;
    std::vector<Ref<View>> hostedViews_;
    double height_ = 0;
};

} // namespace platform::detail
