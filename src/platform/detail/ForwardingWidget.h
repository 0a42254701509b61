#pragma once

// Internal to the platform: a toolkit widget that hands its input events to the event methods
// of the view or window it shows. The receiver's base methods call the widget's own handler
// through the event's toolkit default, so an event nobody handles behaves as the toolkit
// intends (a control acts on it, a plain widget passes it to its parent).

#include "platform/detail/DragDelivery.h"
#include "platform/detail/EventDispatch.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QEnterEvent>
#include <QWidget>

namespace platform::detail {

inline Ref<Window> windowOfReceiver(View& view) {
    return view.window();
}
inline Ref<Window> windowOfReceiver(Window& window) {
    return std::static_pointer_cast<Window>(window.weak_from_this().lock());
}

template <class Base, class Receiver>
class ForwardingWidget : public Base {
public:
    template <class... Args>
    explicit ForwardingWidget(Receiver& receiver, Args&&... args)
        : Base(std::forward<Args>(args)...), receiver_(receiver) {}

    Receiver& receiver() const { return receiver_; }

protected:
    using Method = void (Receiver::*)(const Ref<Event>&);

    void mousePressEvent(QMouseEvent* event) override {
        const bool right = event->button() == Qt::RightButton;
        forwardMouse(*event, right ? EventType::RightMouseDown : EventType::LeftMouseDown,
                     right ? &Receiver::rightMouseDown : &Receiver::mouseDown,
                     [this, event] { Base::mousePressEvent(event); });
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const bool right = event->button() == Qt::RightButton;
        forwardMouse(*event, right ? EventType::RightMouseDown : EventType::LeftMouseDown,
                     right ? &Receiver::rightMouseDown : &Receiver::mouseDown,
                     [this, event] { Base::mouseDoubleClickEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool right = event->button() == Qt::RightButton;
        forwardMouse(*event, right ? EventType::RightMouseUp : EventType::LeftMouseUp,
                     right ? &Receiver::rightMouseUp : &Receiver::mouseUp,
                     [this, event] { Base::mouseReleaseEvent(event); });
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        auto toolkit = [this, event] { Base::mouseMoveEvent(event); };
        if (event->buttons() & Qt::LeftButton)
            forwardMouse(*event, EventType::LeftMouseDragged, &Receiver::mouseDragged, toolkit);
        else if (event->buttons() & Qt::RightButton)
            forwardMouse(*event, EventType::RightMouseDragged, &Receiver::rightMouseDragged,
                         toolkit);
        else
            forwardMouse(*event, EventType::MouseMoved, &Receiver::mouseMoved, toolkit);
    }
    void wheelEvent(QWheelEvent* event) override {
        deliverEvent(receiver_, static_cast<Method>(&Receiver::scrollWheel),
                     translateWheelEvent(*event, *this, windowOfReceiver(receiver_),
                                         [this, event] { Base::wheelEvent(event); }));
    }
    void keyPressEvent(QKeyEvent* event) override {
        forwardKey(*event, true, [this, event] { Base::keyPressEvent(event); });
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        forwardKey(*event, false, [this, event] { Base::keyReleaseEvent(event); });
    }
    void enterEvent(QEnterEvent* event) override {
        deliverEvent(receiver_, static_cast<Method>(&Receiver::mouseEntered),
                     translateCrossingEvent(EventType::MouseEntered, windowOfReceiver(receiver_),
                                            [this, event] { Base::enterEvent(event); }));
    }
    void leaveEvent(QEvent* event) override {
        deliverEvent(receiver_, static_cast<Method>(&Receiver::mouseExited),
                     translateCrossingEvent(EventType::MouseExited, windowOfReceiver(receiver_),
                                            [this, event] { Base::leaveEvent(event); }));
    }

    void dragEnterEvent(QDragEnterEvent* event) override {
        if (!deliverDragEnter(receiver_, *this, *event))
            Base::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (!deliverDragMove(*this, *event))
            Base::dragMoveEvent(event);
    }
    void dragLeaveEvent(QDragLeaveEvent* event) override {
        if (!deliverDragLeave(*this))
            Base::dragLeaveEvent(event);
    }
    void dropEvent(QDropEvent* event) override {
        if (!deliverDrop(*this, *event))
            Base::dropEvent(event);
    }

    void forwardMouse(const QMouseEvent& event, EventType type, Method method,
                      std::function<void()> toolkit) {
        deliverEvent(receiver_, method,
                     translateMouseEvent(event, type, *this, windowOfReceiver(receiver_),
                                         std::move(toolkit)));
    }
    void forwardKey(const QKeyEvent& event, bool press, std::function<void()> toolkit) {
        const bool modifier = isModifierKey(event.key());
        const EventType type = modifier ? EventType::FlagsChanged
                               : press  ? EventType::KeyDown
                                        : EventType::KeyUp;
        const Method method = modifier ? static_cast<Method>(&Receiver::flagsChanged)
                              : press  ? static_cast<Method>(&Receiver::keyDown)
                                       : static_cast<Method>(&Receiver::keyUp);
        deliverEvent(
            receiver_, method,
            translateKeyEvent(event, type, windowOfReceiver(receiver_), std::move(toolkit)));
    }

private:
    Receiver& receiver_;
};

} // namespace platform::detail
