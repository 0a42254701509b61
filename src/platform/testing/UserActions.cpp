#include "platform/testing/UserActions.h"

#include "platform/detail/EventTranslation.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/views/Control.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QToolBar>
#include <QToolTip>
#include <QTouchEvent>
#include <QUrl>
#include <QWheelEvent>

#include <algorithm>

namespace platform::testing {

namespace {

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void moveAndClick(QWidget& widget, QPoint at) {
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton);
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

QAction* actionTitled(const QWidget& shown, const QString& title) {
    for (QAction* action : shown.actions())
        if (action->text().section(u'\t', 0, 0) == title)
            return action;
    return nullptr;
}

} // namespace

void UserActions::clickCloseButton(const Ref<Window>& window) {
    QCloseEvent close;
    QApplication::sendEvent(window->peer().widget, &close);
}

void UserActions::resizeContentTo(const Ref<Window>& window, Size size) {
    QWidget* widget = window->peer().widget;
    // The toolkit's window holds the strips above the content as well.
    const Rect shown = Window::contentRectForFrameRectStyleMask(
        window->frameRectForContentRect({{0, 0}, size}), window->styleMask());
    // The top edge stays where it is, as when the user drags the bottom right corner.
    widget->resize(static_cast<int>(shown.width()), static_cast<int>(shown.height()));
    QResizeEvent resize(widget->size(), widget->size());
    QApplication::sendEvent(widget, &resize);
}

void UserActions::moveFrameTo(const Ref<Window>& window, Point origin) {
    QWidget* widget = window->peer().widget;
    const Rect frame = window->frame();
    const Rect shown =
        Window::contentRectForFrameRectStyleMask({origin, frame.size}, window->styleMask());
    widget->setGeometry(detail::toToolkitScreenRect(shown));
    QMoveEvent move(widget->pos(), widget->pos());
    QApplication::sendEvent(widget, &move);
}

void UserActions::typeCharacter(const Ref<Window>& window, char32_t character) {
    QWidget* widget = window->peer().widget;
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    if (auto content = window->contentView(); content && !widget->focusWidget())
        target = content->peer().widget;
    const QString text = QString::fromUcs4(&character, 1);
    const int key = QKeySequence(text)[0].key();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void UserActions::pressKey(const Ref<Window>& window, Key key, std::uint64_t modifierFlags) {
    struct Row {
        Key key;
        Qt::Key toolkitKey;
        const char* text;
    };
    static constexpr Row rows[] = {
        {Key::Tab, Qt::Key_Tab, "\t"},
        {Key::Return, Qt::Key_Return, "\r"},
        {Key::Space, Qt::Key_Space, " "},
        {Key::Up, Qt::Key_Up, ""},
        {Key::Down, Qt::Key_Down, ""},
        {Key::Left, Qt::Key_Left, ""},
        {Key::Right, Qt::Key_Right, ""},
        {Key::PageUp, Qt::Key_PageUp, ""},
        {Key::PageDown, Qt::Key_PageDown, ""},
        {Key::Escape, Qt::Key_Escape, "\x1b"},
        {Key::Backspace, Qt::Key_Backspace, "\b"},
    };
    const Qt::KeyboardModifiers modifiers = detail::toolkitModifiers(modifierFlags);
    QWidget* widget = window->peer().widget;
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    for (const Row& row : rows) {
        if (row.key != key)
            continue;
        const Qt::Key pressed =
            key == Key::Tab && (modifiers & Qt::ShiftModifier) ? Qt::Key_Backtab : row.toolkitKey;
        QKeyEvent press(QEvent::KeyPress, pressed, modifiers, row.text);
        QApplication::sendEvent(target, &press);
        // The press may have moved the focus (Tab); the release goes where the focus is now.
        target = widget->focusWidget() ? widget->focusWidget() : widget;
        QKeyEvent release(QEvent::KeyRelease, pressed, modifiers, row.text);
        QApplication::sendEvent(target, &release);
    }
}

bool UserActions::chooseMenuItem(const Ref<Window>& window, const std::string& title,
                                 const std::string& item) {
    auto* bar = window->peer().widget->findChild<QMenuBar*>();
    QAction* top = bar ? actionTitled(*bar, QString::fromStdString(title)) : nullptr;
    if (!top)
        return false;
    moveAndClick(*bar, bar->actionGeometry(top).center());
    auto* menu = top->menu<QMenu*>();
    QAction* chosen =
        menu && menu->isVisible() ? actionTitled(*menu, QString::fromStdString(item)) : nullptr;
    if (!chosen)
        return false;
    const QRect place = menu->actionGeometry(chosen);
    sendMouse(*menu, QEvent::MouseMove, place.topLeft() + QPoint(2, 2), Qt::NoButton);
    moveAndClick(*menu, place.center());
    return !menu->isVisible();
}

namespace {

// Where a point of the view is in the view's widget.
QPointF widgetPoint(const View& view, Point point) {
    const Rect bounds = view.bounds();
    const double y = view.isFlipped() ? point.y - bounds.minY() : bounds.maxY() - point.y;
    // A view larger than its superview shows only a part in its widget, from this offset.
    const QPoint offset = view.peer().shownOffset;
    return {point.x - bounds.minX() - offset.x(), y - offset.y()};
}

// Where a click at a point of the view goes, as the window system sends it, with the point in that
// widget's coordinates: for a control, to its innermost widget at the point, such as a segment of
// a segmented control; so for a part of another view that is none of its subviews, such as the
// bar of a tab view.
std::pair<QWidget*, QPointF> clickTarget(const Ref<View>& view, Point point) {
    QWidget* widget = view->peer().widget;
    const QPointF at = widgetPoint(*view, point);
    QWidget* inner = widget->childAt(at.toPoint());
    const auto showsSubview = [&](const Ref<View>& subview) {
        QWidget* shown = subview->peer().widget;
        return shown && (shown == inner || shown->isAncestorOf(inner));
    };
    if (inner && !view->as<Control>() &&
        std::any_of(view->subviews().begin(), view->subviews().end(), showsSubview))
        inner = nullptr;
    if (!inner)
        inner = widget;
    return {inner, inner->mapFrom(widget, at)};
}

} // namespace

bool UserActions::clickToolbarItem(const Ref<Window>& window, const std::string& identifier) {
    for (auto* bar : window->peer().widget->findChildren<QToolBar*>()) {
        if (bar->isHidden())
            continue;
        for (QAction* action : bar->actions())
            if (action->objectName() == QString::fromStdString(identifier))
                if (QWidget* button = bar->widgetForAction(action)) {
                    moveAndClick(*button, button->rect().center());
                    return true;
                }
    }
    return false;
}

void UserActions::clickInView(const Ref<View>& view, Point point, std::uint64_t modifierFlags) {
    const auto [widget, at] = clickTarget(view, point);
    clickWidgetAt(*widget, at, detail::toolkitModifiers(modifierFlags));
}

void UserActions::dragInView(const Ref<View>& view, const std::vector<Point>& points,
                             DragFinish finish) {
    if (points.empty())
        return;
    // While the button is down the toolkit sends every move and the release to the widget
    // pressed, wherever the pointer is.
    QPointer<QWidget> target = clickTarget(view, points.front()).first;
    const auto send = [&](QEvent::Type type, Point point, Qt::MouseButtons buttons) {
        const QPointF local = target->mapFrom(view->peer().widget, widgetPoint(*view, point));
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, points.front(), Qt::LeftButton);
    for (std::size_t i = 1; i < points.size() && target; ++i)
        send(QEvent::MouseMove, points[i], Qt::LeftButton);
    if (finish == DragFinish::Escape)
        pressKey(view->window(), Key::Escape);
    if (target)
        send(QEvent::MouseButtonRelease, points.back(), Qt::NoButton);
}

void UserActions::doubleClickInView(const Ref<View>& view, Point point) {
    const auto [widget, at] = clickTarget(view, point);
    QPointer<QWidget> target = widget;
    clickWidgetAt(*widget, at);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    if (target)
        QApplication::sendEvent(target, &twice);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    if (target)
        QApplication::sendEvent(target, &release);
}

void UserActions::touchWithTwoFingers(const Ref<View>& view,
                                      const std::vector<std::pair<Point, Point>>& path) {
    // Owned by the application, which must outlive it.
    static auto* screen = new QPointingDevice(
        QStringLiteral("touch screen"), 1, QInputDevice::DeviceType::TouchScreen,
        QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 2, 0, QString(),
        QPointingDeviceUniqueId(), qApp);
    QWidget* widget = view->peer().widget;
    const auto send = [&](QEvent::Type type, QEventPoint::State state, const auto& fingers) {
        QList<QEventPoint> points;
        for (int id = 0; id < 2; ++id) {
            const QPointF at = widgetPoint(*view, id == 0 ? fingers.first : fingers.second);
            points.append(QEventPoint(id, state, at, widget->mapToGlobal(at)));
        }
        QTouchEvent event(type, screen, Qt::NoModifier, points);
        QApplication::sendEvent(widget, &event);
    };
    if (path.empty())
        return;
    send(QEvent::TouchBegin, QEventPoint::State::Pressed, path.front());
    for (std::size_t i = 1; i < path.size(); ++i)
        send(QEvent::TouchUpdate, QEventPoint::State::Updated, path[i]);
    send(QEvent::TouchEnd, QEventPoint::State::Released, path.back());
}

void UserActions::touchpadGesture(const Ref<View>& view, TouchpadGesture gesture,
                                  const std::vector<double>& values) {
    static auto* touchpad = new QPointingDevice(
        QStringLiteral("touchpad"), 2, QInputDevice::DeviceType::TouchPad,
        QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 2, 0, QString(),
        QPointingDeviceUniqueId(), qApp);
    QWidget* widget = view->peer().widget;
    const QPointF middle(widget->width() / 2.0, widget->height() / 2.0);
    const auto send = [&](Qt::NativeGestureType type, double value) {
        QNativeGestureEvent event(type, touchpad, 2, middle, middle, widget->mapToGlobal(middle),
                                  value, QPointF());
        QApplication::sendEvent(widget, &event);
    };
    send(Qt::BeginNativeGesture, 0);
    for (const double value : values)
        send(gesture == TouchpadGesture::Pinch ? Qt::ZoomNativeGesture : Qt::RotateNativeGesture,
             value);
    send(Qt::EndNativeGesture, 0);
}

void UserActions::rightClickInView(const Ref<View>& view, Point point) {
    const auto [widget, at] = clickTarget(view, point);
    const QPoint local = at.toPoint();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &menu);
}

std::string UserActions::toolTipAt(const Ref<View>& view, Point point) {
    QWidget* widget = view->peer().widget;
    const Rect bounds = view->bounds();
    const double y = view->isFlipped() ? point.y - bounds.minY() : bounds.maxY() - point.y;
    const QPoint local(static_cast<int>(point.x - bounds.minX()), static_cast<int>(y));
    QHelpEvent rest(QEvent::ToolTip, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &rest);
    const std::string text = QToolTip::isVisible() ? QToolTip::text().toStdString() : "";
    QToolTip::hideText();
    return text;
}

void UserActions::rollWheel(const Ref<View>& view, int notches) {
    QWidget* widget = view->peer().widget;
    const QPointF position(10, 10);
    QWheelEvent wheel(position, widget->mapToGlobal(position), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

bool UserActions::chooseInShownMenu(const std::vector<std::string>& titles) {
    QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QPointer<QMenu> top = menu;
    for (std::size_t i = 0; menu && i < titles.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().section(u'\t', 0, 0) == QString::fromStdString(titles[i]))
                found = action;
        if (!found || !found->isEnabled())
            break;
        const QRect place = menu->actionGeometry(found);
        QMouseEvent move(QEvent::MouseMove, QPointF(place.center()),
                         QPointF(menu->mapToGlobal(place.center())), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(menu, &move);
        clickWidgetAt(*menu, QPointF(place.center()));
        if (i + 1 == titles.size())
            return !top || !top->isVisible();
        // A click on a submenu's title opens the submenu.
        menu = found->menu();
    }
    if (top)
        top->close();
    return false;
}

void UserActions::minimize(const Ref<Window>& window) {
    QWidget* widget = window->peer().widget;
    widget->setWindowState(widget->windowState() | Qt::WindowMinimized);
}

void UserActions::restore(const Ref<Window>& window) {
    QWidget* widget = window->peer().widget;
    widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
}

void UserActions::toggleFullScreen(const Ref<Window>& window) {
    QWidget* widget = window->peer().widget;
    widget->setWindowState(widget->windowState() ^ Qt::WindowFullScreen);
}

bool UserActions::dragFiles(const Ref<View>& view, const std::vector<std::string>& paths,
                            DragEnd end) {
    QWidget* widget = view->peer().widget;
    // A scrolling view takes drops in its viewport, the widget under the pointer.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        widget = area->viewport();
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& path : paths)
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    data.setUrls(urls);
    const QPointF centre = QRectF(widget->rect()).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::LinkAction | Qt::MoveAction;
    // The toolkit offers each event to the widget under the pointer first and then to the
    // widgets around it that take drops; the one that accepts the entering drag gets the rest.
    QWidget* target = nullptr;
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->acceptDrops())
            continue;
        QDragEnterEvent enter(widget->mapTo(w, centre).toPoint(), actions, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        if (enter.isAccepted()) {
            target = w;
            break;
        }
    }
    if (!target)
        return false;
    const QPoint at = widget->mapTo(target, centre).toPoint();
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (end == DragEnd::Drop) {
        QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
    }
    return true;
}

} // namespace platform::testing
