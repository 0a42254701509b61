#include "platform/views/outlines/OutlineDisclosureView.h"

#include "platform/detail/ColorConversion.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/BezierPath.h"
#include "platform/drawing/Color.h"
#include "platform/views/tables/TableRowView.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace platform {

OutlineDisclosureView::OutlineDisclosureView(Rect frame) : View(frame) {
    peer().widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineDisclosureView::setExpanded(bool expanded) {
    if (expanded == expanded_)
        return;
    expanded_ = expanded;
    setNeedsDisplay(true);
}

void OutlineDisclosureView::drawRect(Rect) {
    const Rect box = bounds();
    const double side = std::min({box.width(), box.height(), 12.0}) / 2;
    const Point mid{box.midX(), box.midY()};
    const auto path = BezierPath::bezierPath();
    if (expanded_) {
        path->moveToPoint({mid.x - side, mid.y - side / 2});
        path->lineToPoint({mid.x + side, mid.y - side / 2});
        path->lineToPoint({mid.x, mid.y + side / 2});
    } else {
        path->moveToPoint({mid.x - side / 2, mid.y - side});
        path->lineToPoint({mid.x + side / 2, mid.y});
        path->lineToPoint({mid.x - side / 2, mid.y + side});
    }
    path->closePath();
    // On a selected row the triangle takes the colour of the row's text.
    const auto row = superview() ? superview()->as<TableRowView>() : nullptr;
    const bool selected = row && row->isSelected();
    detail::fromQColor(
        peer().widget->palette().color(selected ? QPalette::HighlightedText : QPalette::Text))
        ->set();
    path->fill();
}

} // namespace platform
