#include "platform/views/controls/Slider.h"

#include "platform/detail/ControlWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kFinePositions = 10000;

// The framework's slider moves its knob to a click anywhere along it, the tick marks included,
// and the knob follows the drag from there; the toolkit's steps a page towards the click.
class ClickToPointStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_Slider_AbsoluteSetButtons)
            return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

class KnobSlider : public QSlider {
public:
    KnobSlider() {
        static QStyle* const style = [] {
            auto* made = new ClickToPointStyle(QApplication::style()->name());
            made->setParent(qApp);
            return made;
        }();
        setStyle(style);
    }
    // Set during a press, when the knob moves before the toolkit counts it as held.
    bool pressing = false;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressing = true;
        QSlider::mousePressEvent(event);
        pressing = false;
    }
};

} // namespace

struct Slider::Toolkit {
    KnobSlider* widget = nullptr;
    // Set while the program moves the knob: the toolkit's change signal is then no user move.
    bool programmatic = false;
};

Slider::Slider(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    KnobSlider* widget = new detail::ControlWidget<KnobSlider>(*this);
    toolkit_->widget = widget;
    peer().widget = widget;
    setFrame(frame);
    widget->setOrientation(isVertical() ? Qt::Vertical : Qt::Horizontal);
    showValue();
    QObject::connect(widget, &QSlider::valueChanged, widget, [this](int position) {
        if (!toolkit_->programmatic)
            userMoved(position);
    });
    QObject::connect(widget, &QSlider::sliderReleased, widget, [this] {
        if (!continuous_)
            sendAction();
    });
}

Slider::~Slider() = default;

bool Slider::isVertical() const {
    return frame().height() > frame().width();
}

int Slider::positions() const {
    return tickValuesOnly_ && tickMarks_ > 1 ? static_cast<int>(tickMarks_ - 1) : kFinePositions;
}

double Slider::valueForPosition(int position) const {
    return minValue_ + (maxValue_ - minValue_) * position / positions();
}

int Slider::positionForValue(double value) const {
    if (maxValue_ <= minValue_)
        return 0;
    const double fraction = (value - minValue_) / (maxValue_ - minValue_);
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * positions()));
}

void Slider::userMoved(int position) {
    value_ = valueForPosition(position);
    // A click or drag of a slider that is not continuous reports once, when the knob is let go.
    if (continuous_ || !(toolkit_->widget->isSliderDown() || toolkit_->widget->pressing))
        sendAction();
}

void Slider::showValue() {
    QSlider* widget = toolkit_->widget;
    const int count = positions();
    toolkit_->programmatic = true;
    widget->setRange(0, count);
    widget->setSingleStep(count == kFinePositions ? count / 20 : 1);
    widget->setPageStep(count == kFinePositions ? count / 5 : 1);
    if (tickMarks_ > 1) {
        widget->setTickPosition(QSlider::TicksBelow);
        widget->setTickInterval(std::max(1, count / static_cast<int>(tickMarks_ - 1)));
    } else {
        widget->setTickPosition(QSlider::NoTicks);
    }
    widget->setValue(positionForValue(value_));
    toolkit_->programmatic = false;
}

void Slider::setDoubleValue(double value) {
    if (std::isnan(value))
        value = minValue_;
    value_ = std::clamp(value, minValue_, std::max(minValue_, maxValue_));
    if (tickValuesOnly_ && tickMarks_ > 1)
        value_ = valueForPosition(positionForValue(value_));
    showValue();
}

void Slider::setMinValue(double value) {
    minValue_ = value;
    setDoubleValue(value_);
}

void Slider::setMaxValue(double value) {
    maxValue_ = value;
    setDoubleValue(value_);
}

void Slider::setNumberOfTickMarks(std::int64_t count) {
    tickMarks_ = std::max<std::int64_t>(0, count);
    setDoubleValue(value_);
}

void Slider::setAllowsTickMarkValuesOnly(bool only) {
    tickValuesOnly_ = only;
    setDoubleValue(value_);
}

} // namespace platform
