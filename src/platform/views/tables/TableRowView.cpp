#include "platform/views/tables/TableRowView.h"

#include "platform/detail/ColorConversion.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Graphics.h"
#include "platform/views/tables/TableCellView.h"

#include <QPalette>

namespace platform {

namespace {

Ref<Color> paletteColor(const QWidget& widget, QPalette::ColorRole role) {
    return detail::fromQColor(widget.palette().color(
        widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive, role));
}

} // namespace

TableRowView::TableRowView(Rect frame) : View(frame) {}

void TableRowView::setSelected(bool selected) {
    // The cells are told every time: a cell view may have joined the row since.
    for (const auto& subview : subviews())
        if (const auto cell = subview->as<TableCellView>())
            cell->setBackgroundStyle(selected ? BackgroundStyle::Emphasized
                                              : BackgroundStyle::Normal);
    if (selected == selected_)
        return;
    selected_ = selected;
    setNeedsDisplay(true);
}

void TableRowView::setGroupRowStyle(bool groupRowStyle) {
    if (groupRowStyle == groupRowStyle_)
        return;
    groupRowStyle_ = groupRowStyle;
    setNeedsDisplay(true);
}

Ref<Color> TableRowView::selectionHighlightColor() const {
    return paletteColor(*peer().widget, QPalette::Highlight);
}

void TableRowView::drawBackgroundInRect(Rect dirtyRect) {
    if (!groupRowStyle_)
        return;
    paletteColor(*peer().widget, QPalette::AlternateBase)->set();
    RectFill(dirtyRect.intersection(bounds()));
}

void TableRowView::drawSelectionInRect(Rect dirtyRect) {
    selectionHighlightColor()->set();
    RectFill(dirtyRect.intersection(bounds()));
}

void TableRowView::drawSeparatorInRect(Rect dirtyRect) {
    const Rect line{bounds().minX(), bounds().maxY() - 1, bounds().width(), 1};
    paletteColor(*peer().widget, QPalette::Midlight)->set();
    RectFill(dirtyRect.intersection(line));
}

void TableRowView::drawRect(Rect dirtyRect) {
    drawBackgroundInRect(dirtyRect);
    if (selected_)
        drawSelectionInRect(dirtyRect);
    drawSeparatorInRect(dirtyRect);
}

} // namespace platform
