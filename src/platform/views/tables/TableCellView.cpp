#include "platform/views/tables/TableCellView.h"

#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"
#include "platform/views/TextFieldCell.h"
#include "platform/views/controls/ImageView.h"

namespace platform {

TableCellView::TableCellView(Rect frame) : View(frame) {}

TableCellView::~TableCellView() = default;

void TableCellView::setObjectValue(Ref<Object> value) {
    objectValue_ = std::move(value);
    if (textField_ && !(objectValue_ && objectValue_->isKindOf<Image>()))
        textField_->setObjectValue(objectValue_);
    if (imageView_ && objectValue_ && objectValue_->isKindOf<Image>())
        imageView_->setImage(std::static_pointer_cast<Image>(objectValue_));
}

void TableCellView::setBackgroundStyle(BackgroundStyle style) {
    backgroundStyle_ = style;
    const auto cell = textField_ ? textField_->cell()->as<TextFieldCell>() : nullptr;
    if (!cell || cell->backgroundStyle() == style)
        return;
    cell->setBackgroundStyle(style);
    textField_->setNeedsDisplay(true);
}

Ref<TableCellView> TableCellView::makeTextCell(Rect frame, bool editable) {
    auto cell = std::make_shared<TableCellView>(frame);
    auto field = std::make_shared<TextField>(Rect{{0, 0}, frame.size});
    field->setBordered(false);
    field->setDrawsBackground(false);
    field->setEditable(editable);
    field->setSelectable(editable);
    field->setAutoresizingMask(AutoresizingMask::WidthSizable | AutoresizingMask::HeightSizable);
    // Clicks select rows and double clicks edit: they go through to the table.
    field->peer().widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    cell->addSubview(field);
    cell->setTextField(field);
    return cell;
}

} // namespace platform
