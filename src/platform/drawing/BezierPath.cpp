#include "platform/drawing/BezierPath.h"

#include "platform/detail/GraphicsContext.h"

#include <QPainter>
#include <QPainterPath>

namespace platform {

struct BezierPath::Path {
    QPainterPath path;
};

BezierPath::BezierPath() : path_(std::make_unique<Path>()) {}

BezierPath::~BezierPath() = default;

Ref<BezierPath> BezierPath::bezierPath() {
    return std::make_shared<BezierPath>();
}

Ref<BezierPath> BezierPath::bezierPathWithRect(Rect rect) {
    auto path = bezierPath();
    path->path_->path.addRect(QRectF(rect.minX(), rect.minY(), rect.width(), rect.height()));
    return path;
}

Ref<BezierPath> BezierPath::bezierPathWithOvalInRect(Rect rect) {
    auto path = bezierPath();
    path->path_->path.addEllipse(QRectF(rect.minX(), rect.minY(), rect.width(), rect.height()));
    return path;
}

void BezierPath::moveToPoint(Point point) {
    path_->path.moveTo(point.x, point.y);
}

void BezierPath::lineToPoint(Point point) {
    path_->path.lineTo(point.x, point.y);
}

void BezierPath::closePath() {
    path_->path.closeSubpath();
}

void BezierPath::setLineDashCountPhase(const double* pattern, std::size_t count, double phase) {
    dashPattern_.assign(pattern, pattern + (pattern ? count : 0));
    dashPhase_ = phase;
}

Rect BezierPath::bounds() const {
    const QRectF r = path_->path.boundingRect();
    return {r.x(), r.y(), r.width(), r.height()};
}

void BezierPath::fill() const {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    QPainter& painter = context->painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path_->path, painter.brush().color());
    painter.restore();
}

void BezierPath::stroke() const {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    QPainter& painter = context->painter();
    QPen pen(painter.pen().color());
    pen.setWidthF(lineWidth_ > 0 ? lineWidth_ : 0);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(10);
    switch (lineCapStyle_) {
    case LineCapStyle::Round:
        pen.setCapStyle(Qt::RoundCap);
        break;
    case LineCapStyle::Square:
        pen.setCapStyle(Qt::SquareCap);
        break;
    default:
        pen.setCapStyle(Qt::FlatCap);
        break;
    }
    if (!dashPattern_.empty()) {
        // The toolkit counts dashes in line widths and needs an even count of lengths.
        const double unit = lineWidth_ > 0 ? lineWidth_ : 1;
        QList<qreal> pattern;
        for (int pass = 0; pass < (dashPattern_.size() % 2 ? 2 : 1); ++pass)
            for (const double length : dashPattern_)
                pattern.append(length / unit);
        pen.setDashPattern(pattern);
        pen.setDashOffset(dashPhase_ / unit);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path_->path, pen);
    painter.restore();
}

} // namespace platform
