#include "platform/views/controls/ImageView.h"

#include "platform/detail/ControlWidget.h"
#include "platform/detail/ImagePeer.h"
#include "platform/drawing/Image.h"

#include <QFrame>
#include <QPainter>

namespace platform {

namespace {

// The toolkit frame of the style, with the image drawn inside it.
class ImageFrame : public QFrame {
public:
    explicit ImageFrame(const ImageView& view) : view_(view) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        const auto image = view_.image();
        if (!image || image->peer().image.isNull())
            return;
        const QImage& picture = image->peer().image;
        const QRect inside = contentsRect();
        QSize size = picture.size();
        switch (view_.imageScaling()) {
        case ImageScaling::ProportionallyDown:
            if (size.width() > inside.width() || size.height() > inside.height())
                size.scale(inside.size(), Qt::KeepAspectRatio);
            break;
        case ImageScaling::AxesIndependently:
            size = inside.size();
            break;
        case ImageScaling::None:
            break;
        case ImageScaling::ProportionallyUpOrDown:
            size.scale(inside.size(), Qt::KeepAspectRatio);
            break;
        }
        QRect target(QPoint(0, 0), size);
        target.moveCenter(inside.center());
        QPainter painter(this);
        painter.setClipRect(inside);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
    }

private:
    const ImageView& view_;
};

int toolkitFrame(ImageFrameStyle style) {
    switch (style) {
    case ImageFrameStyle::None:
        return QFrame::NoFrame;
    case ImageFrameStyle::Photo:
        return QFrame::Box | QFrame::Plain;
    case ImageFrameStyle::GrayBezel:
        return QFrame::Panel | QFrame::Sunken;
    case ImageFrameStyle::Groove:
        return QFrame::Box | QFrame::Sunken;
    case ImageFrameStyle::Button:
        return QFrame::Panel | QFrame::Raised;
    }
    return QFrame::NoFrame;
}

} // namespace

struct ImageView::Toolkit {
    ImageFrame* widget = nullptr;
};

ImageView::ImageView(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<ImageFrame>(*this, *this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
}

ImageView::~ImageView() = default;

void ImageView::setImage(Ref<Image> image) {
    image_ = std::move(image);
    toolkit_->widget->update();
}

void ImageView::setImageScaling(ImageScaling scaling) {
    scaling_ = scaling;
    toolkit_->widget->update();
}

void ImageView::setImageFrameStyle(ImageFrameStyle style) {
    frameStyle_ = style;
    toolkit_->widget->setFrameStyle(toolkitFrame(style));
    toolkit_->widget->setLineWidth(style == ImageFrameStyle::Photo ? 1 : 2);
}

void ImageView::setObjectValue(const Ref<Object>& object) {
    setImage(object ? object->as<Image>() : nullptr);
}

Ref<Object> ImageView::objectValue() const {
    return image_;
}

} // namespace platform
