#include "platform/views/controls/LevelIndicator.h"

#include "platform/detail/ControlWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Draws the indicator's level and takes the user's changes when it is editable.
class LevelBar : public QWidget {
public:
    explicit LevelBar(LevelIndicator& indicator) : indicator_(indicator) {}

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override { follow(*event); }
    void mouseMoveEvent(QMouseEvent* event) override { follow(*event); }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const int step = key == Qt::Key_Right || key == Qt::Key_Up    ? 1
                         : key == Qt::Key_Left || key == Qt::Key_Down ? -1
                                                                      : 0;
        if (step == 0 || !indicator_.isEditable())
            QWidget::keyPressEvent(event);
        else
            indicator_.userSet(indicator_.doubleValue() + step);
    }

private:
    void follow(const QMouseEvent& event) {
        if (indicator_.isEditable() && width() > 0)
            indicator_.userSet(indicator_.valueAtFraction(event.position().x() / width()));
    }
    QColor levelColor() const;

    LevelIndicator& indicator_;
};

QColor LevelBar::levelColor() const {
    const double value = indicator_.doubleValue();
    const double warning = indicator_.warningValue();
    const double critical = indicator_.criticalValue();
    if (warning == critical)
        return QColor(52, 199, 89);
    const bool highIsBad = critical > warning;
    const auto reaches = [&](double mark) { return highIsBad ? value >= mark : value <= mark; };
    if (reaches(critical))
        return QColor(255, 59, 48);
    if (reaches(warning))
        return QColor(255, 204, 0);
    return QColor(52, 199, 89);
}

// A five-pointed star filling the square.
QPainterPath star(const QRectF& square) {
    QPainterPath path;
    const QPointF centre = square.center();
    const double outer = square.width() / 2;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.4;
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void LevelBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double span = indicator_.maxValue() - indicator_.minValue();
    const double level = indicator_.doubleValue() - indicator_.minValue();
    const double fraction = span > 0 ? level / span : 0;
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor frame = palette().color(QPalette::Mid);
    switch (indicator_.style()) {
    case LevelIndicatorStyle::ContinuousCapacity:
        painter.setPen(frame);
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(area, 3, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(levelColor());
        painter.drawRoundedRect(
            QRectF(area.topLeft(), QSizeF(area.width() * fraction, area.height())), 3, 3);
        break;
    case LevelIndicatorStyle::DiscreteCapacity: {
        const int cells = std::max(1, static_cast<int>(std::lround(span)));
        const double width = area.width() / cells;
        for (int i = 0; i < cells; ++i) {
            painter.setPen(frame);
            painter.setBrush(i < std::lround(level) ? levelColor()
                                                    : palette().color(QPalette::Base));
            painter.drawRect(QRectF(area.left() + i * width, area.top(), width - 1, area.height()));
        }
        break;
    }
    case LevelIndicatorStyle::Rating: {
        const int stars = std::max(0, static_cast<int>(std::lround(indicator_.maxValue())));
        const double side = std::min(area.height(), stars > 0 ? area.width() / stars : 0.0);
        for (int i = 0; i < stars; ++i) {
            painter.setPen(frame);
            painter.setBrush(i < std::lround(indicator_.doubleValue())
                                 ? palette().color(QPalette::WindowText)
                                 : Qt::transparent);
            painter.drawPath(star(QRectF(area.left() + i * side, area.top(), side, side)));
        }
        break;
    }
    case LevelIndicatorStyle::Relevancy:
        painter.setPen(palette().color(QPalette::WindowText));
        for (double x = area.left(); x < area.left() + area.width() * fraction; x += 2)
            painter.drawLine(QPointF(x, area.top() + 2), QPointF(x, area.bottom() - 2));
        break;
    }
    detail::paintFocusFrame(*this, painter);
}

} // namespace

struct LevelIndicator::Toolkit {
    LevelBar* widget = nullptr;
};

LevelIndicator::LevelIndicator(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<LevelBar>(*this, *this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
}

LevelIndicator::~LevelIndicator() = default;

double LevelIndicator::valueAtFraction(double fraction) const {
    const double value = minValue_ + std::clamp(fraction, 0.0, 1.0) * (maxValue_ - minValue_);
    // A click on a cell or star fills it.
    return style_ == LevelIndicatorStyle::ContinuousCapacity ? value : std::ceil(value);
}

void LevelIndicator::userSet(double value) {
    const double before = value_;
    setDoubleValue(value);
    if (value_ != before)
        sendAction();
}

void LevelIndicator::setDoubleValue(double value) {
    value_ = std::isnan(value) ? minValue_
                               : std::clamp(value, minValue_, std::max(minValue_, maxValue_));
    toolkit_->widget->update();
}

void LevelIndicator::setStyle(LevelIndicatorStyle style) {
    style_ = style;
    toolkit_->widget->update();
}

void LevelIndicator::setMinValue(double value) {
    minValue_ = value;
    setDoubleValue(value_);
}

void LevelIndicator::setMaxValue(double value) {
    maxValue_ = value;
    setDoubleValue(value_);
}

void LevelIndicator::setWarningValue(double value) {
    warningValue_ = value;
    toolkit_->widget->update();
}

void LevelIndicator::setCriticalValue(double value) {
    criticalValue_ = value;
    toolkit_->widget->update();
}

void LevelIndicator::setEditable(bool editable) {
    editable_ = editable;
    toolkit_->widget->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
}

} // namespace platform
