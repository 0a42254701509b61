#pragma once

// Internal to the platform: the toolkit widget of a control. Two things set it apart from the
// widget of a plain view.
//
// Tracking. A left press that the control's mouseDown passes on to the toolkit starts tracking:
// the drags and the release that follow belong to the toolkit's handling of that press (a button
// clicks on the release, a slider follows the drag) and are not reported as events of their own.
// A press the view keeps for itself starts no tracking, and the release is then an ordinary
// mouseUp.
//
// Painting. drawRect runs first; the widget paints itself over it only when the control's base
// drawRect asked for it, so a subclass that leaves the base out replaces the toolkit's look.
//
// Focus. The widget takes the keyboard focus (Tab, a click) only while its control accepts first
// responder; the question is asked each time the widget is shown.

#include "platform/detail/ViewPeer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace platform::detail {

// The focus frame of the style round a widget that paints itself, while it has the focus.
inline void paintFocusFrame(QWidget& widget, QPainter& painter) {
    if (!widget.hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

template <class Base>
class ControlWidget : public ViewWidget<Base> {
public:
    using ViewWidget<Base>::ViewWidget;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            press(*event, [this, event] { Base::mousePressEvent(event); });
        else
            ViewWidget<Base>::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            press(*event, [this, event] { Base::mouseDoubleClickEvent(event); });
        else
            ViewWidget<Base>::mouseDoubleClickEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (tracking_)
            Base::mouseMoveEvent(event);
        else
            ViewWidget<Base>::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (tracking_ && event->button() == Qt::LeftButton) {
            tracking_ = false;
            Base::mouseReleaseEvent(event);
            return;
        }
        ViewWidget<Base>::mouseReleaseEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        this->receiver().viewWillDraw();
        ViewPeer& peer = this->receiver().peer();
        peer.toolkitPaintRequested = false;
        paintView(this->receiver(), *this, event->rect());
        if (peer.toolkitPaintRequested)
            Base::paintEvent(event);
    }
    void showEvent(QShowEvent* event) override {
        this->setFocusPolicy(this->receiver().acceptsFirstResponder() ? Qt::StrongFocus
                                                                      : Qt::NoFocus);
        Base::showEvent(event);
    }

private:
    template <class Toolkit>
    void press(const QMouseEvent& event, Toolkit toolkit) {
        tracking_ = false;
        this->forwardMouse(event, EventType::LeftMouseDown, &View::mouseDown, [this, toolkit] {
            tracking_ = true;
            toolkit();
        });
    }

    bool tracking_ = false;
};

} // namespace platform::detail
