#include "platform/views/controls/Box.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/drawing/BezierPath.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"

#include <QGroupBox>

#include <algorithm>

namespace platform {

struct Box::Toolkit {
    QGroupBox* widget = nullptr;
};

Box::Box(Rect frame)
    : View(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      title_(String::fromUtf8("Title")), fillColor_(Color::clearColor()),
      borderColor_(Color::blackColor()), contentView_(std::make_shared<View>()) {
    toolkit_->widget = new detail::ControlWidget<QGroupBox>(*this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    setTitle(title_);
    contentView_->setAutoresizingMask(AutoresizingMask::WidthSizable |
                                      AutoresizingMask::HeightSizable);
    placeContent();
}

Box::~Box() = default;

Ref<View> Box::contentView() const {
    // The content view needs the box's shared ownership to know its superview, and that
    // ownership begins only after construction.
    if (!contentView_->superview() && !weak_from_this().expired())
        const_cast<Box&>(*this).addSubview(contentView_);
    return contentView_;
}

void Box::placeContent() {
    // Inside the toolkit's group frame, below its title, or the whole box for the kinds drawn
    // here.
    Rect inside = bounds();
    if (type_ == BoxType::Primary) {
        constexpr double kMargin = 6;
        const double top = toolkit_->widget->fontMetrics().height() + kMargin;
        inside = {kMargin, kMargin, std::max(0.0, inside.width() - 2 * kMargin),
                  std::max(0.0, inside.height() - top - kMargin)};
    }
    contentView_->setFrame(inside);
}

void Box::setBoxType(BoxType type) {
    type_ = type;
    toolkit_->widget->setTitle(type == BoxType::Primary ? detail::buttonText(title_) : QString());
    placeContent();
    setNeedsDisplay(true);
}

void Box::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::fromUtf8("");
    setBoxType(type_);
}

void Box::setFillColor(Ref<Color> color) {
    fillColor_ = color ? std::move(color) : Color::clearColor();
    setNeedsDisplay(true);
}

void Box::setBorderColor(Ref<Color> color) {
    borderColor_ = color ? std::move(color) : Color::blackColor();
    setNeedsDisplay(true);
}

void Box::drawRect(Rect) {
    const Rect all = bounds();
    switch (type_) {
    case BoxType::Primary:
        peer().toolkitPaintRequested = true;
        break;
    case BoxType::Separator: {
        const auto line = BezierPath::bezierPath();
        const bool across = all.width() >= all.height();
        const Point middle{all.origin.x + all.width() / 2, all.origin.y + all.height() / 2};
        line->moveToPoint(across ? Point{all.origin.x, middle.y} : Point{middle.x, all.origin.y});
        line->lineToPoint(across ? Point{all.origin.x + all.width(), middle.y}
                                 : Point{middle.x, all.origin.y + all.height()});
        Color::grayColor()->set();
        line->stroke();
        break;
    }
    case BoxType::Custom:
        fillColor_->set();
        RectFill(all);
        borderColor_->set();
        BezierPath::bezierPathWithRect(
            {all.origin.x + 0.5, all.origin.y + 0.5, all.width() - 1, all.height() - 1})
            ->stroke();
        break;
    }
}

} // namespace platform
