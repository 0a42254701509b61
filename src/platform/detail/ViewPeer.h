#pragma once

// Internal to the platform: the toolkit widget that shows a view.

#include "platform/detail/ForwardingWidget.h"
#include "platform/detail/MenuPeer.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPoint>
#include <QPointer>

#include <type_traits>

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
// Shows the view's tool tip for the point of the help event; answers whether there was one.
bool showToolTip(View& view, QWidget& widget, const QHelpEvent& event);

template <class Base>
class ViewWidget : public ForwardingWidget<Base, View> {
public:
    using ForwardingWidget<Base, View>::ForwardingWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        this->receiver().viewWillDraw();
        Base::paintEvent(event);
        // A scrolling widget paints in its viewport, not in itself.
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Base>)
            paintView(this->receiver(), *this->viewport(), event->rect());
        else
            paintView(this->receiver(), *this, event->rect());
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (!showContextMenu(this->receiver(), *this, *event))
            Base::contextMenuEvent(event);
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            showToolTip(this->receiver(), *this, static_cast<QHelpEvent&>(*event));
            return true;
        }
        return Base::event(event);
    }
    void changeEvent(QEvent* event) override {
        Base::changeEvent(event);
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
            this->receiver().viewDidChangeEffectiveAppearance();
    }
};

} // namespace detail
} // namespace platform
