#pragma once

#include "platform/views/TextFieldCell.h"
#include "platform/views/View.h"

namespace platform {

class ImageView;
class TextField;

// The view of one cell of a table: a plain view with outlets to the text field and the image
// view among its subviews that show the cell's value. The table gives it the object value of
// its row and column; a text field outlet shows that value as text (a number as its digits),
// an image view outlet shows an image. Views the program builds itself may ignore the value.
class TableCellView : public View {
public:
    explicit TableCellView(Rect frame = {});
    ~TableCellView() override;

    Ref<TextField> textField() const { return textField_; }
    void setTextField(Ref<TextField> field) { textField_ = std::move(field); }
    Ref<ImageView> imageView() const { return imageView_; }
    void setImageView(Ref<ImageView> view) { imageView_ = std::move(view); }

    Ref<Object> objectValue() const { return objectValue_; }
    void setObjectValue(Ref<Object> value);

    // What the cell is drawn on, which its row view sets: emphasized on a selected row. The
    // text field outlet follows it.
    BackgroundStyle backgroundStyle() const { return backgroundStyle_; }
    void setBackgroundStyle(BackgroundStyle style);

    // A cell view as a table makes one for a column that has no view of its own: a text field
    // filling it, without border or background, editable or a label, that sends its clicks on
    // to the table (which starts its editing).
    static Ref<TableCellView> makeTextCell(Rect frame, bool editable);

    bool isFlipped() const override { return true; }

private:
    Ref<TextField> textField_;
    Ref<ImageView> imageView_;
    Ref<Object> objectValue_;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::Normal;
};

} // namespace platform
