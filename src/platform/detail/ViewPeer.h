#pragma once

// Internal to the platform: the toolkit widget that shows a view.

#include "platform/detail/ForwardingWidget.h"
#include "platform/detail/MenuPeer.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPoint>
#include <QPointer>

namespace platform {

struct ViewPeer {
    explicit ViewPeer(QWidget* widget);
    ~ViewPeer();
    ViewPeer(const ViewPeer&) = delete;
    ViewPeer& operator=(const ViewPeer&) = delete;

    QPointer<QWidget> widget;
    // Set by a control's base drawRect: the toolkit paints the control's widget after the view
    // drew (see ControlWidget).
    bool toolkitPaintRequested = false;
    // Whether the widget shows only the part of the view inside its superview's widget. Views
    // drawn by the platform do, so that no widget grows with its content: the toolkit caps a
    // widget's size, while a document may be far taller.
    bool clipsToSuperview = false;
    // Where the widget's top-left corner stands in the view, from the view's own top-left
    // corner, in whole points.
    QPoint shownOffset;
};

namespace detail {

// Runs the view's drawRect for a paint event of its widget, in the view's coordinates.
void paintView(View& view, QWidget& widget, const QRect& dirty);

template <class Base>
class ViewWidget : public ForwardingWidget<Base, View> {
public:
    using ForwardingWidget<Base, View>::ForwardingWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        Base::paintEvent(event);
        paintView(this->receiver(), *this, event->rect());
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (!showContextMenu(this->receiver(), *this, *event))
            Base::contextMenuEvent(event);
    }
    void changeEvent(QEvent* event) override {
        Base::changeEvent(event);
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
            this->receiver().viewDidChangeEffectiveAppearance();
    }
};

} // namespace detail
} // namespace platform
