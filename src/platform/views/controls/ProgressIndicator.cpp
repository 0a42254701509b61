#include "platform/views/controls/ProgressIndicator.h"

#include "platform/detail/ControlWidget.h"

#include <QPainter>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kSpokes = 12;
constexpr int kResolution = 1000;

// Twelve spokes round the centre, the leading one darkest; each tick of the timer turns them
// by one spoke.
class Spinner : public QWidget {
public:
    Spinner() {
        timer_.setInterval(80);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            step_ = (step_ + 1) % kSpokes;
            update();
        });
    }
    // Stopped, the spinner shows its spokes standing still, or nothing.
    void setSpinning(bool spinning, bool shownWhenStopped) {
        spinning ? timer_.start() : timer_.stop();
        shown_ = spinning || shownWhenStopped;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shown_)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double side = std::min(width(), height());
        painter.translate(width() / 2.0, height() / 2.0);
        QColor colour = palette().color(QPalette::WindowText);
        for (int i = 0; i < kSpokes; ++i) {
            colour.setAlphaF(static_cast<float>(1.0 - ((step_ - i + kSpokes) % kSpokes) * 0.07));
            painter.setPen(QPen(colour, side / 10, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(0, -side * 0.25), QPointF(0, -side * 0.45));
            painter.rotate(360.0 / kSpokes);
        }
    }

private:
    QTimer timer_;
    int step_ = 0;
    bool shown_ = true;
};

} // namespace

struct ProgressIndicator::Toolkit {
    QProgressBar* bar = nullptr;
    Spinner* spinner = nullptr;
};

ProgressIndicator::ProgressIndicator(Rect frame, ProgressIndicatorStyle style)
    : View(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      style_(style) {
    if (style == ProgressIndicatorStyle::Spinning) {
        toolkit_->spinner = new detail::ControlWidget<Spinner>(*this);
        peer().widget = toolkit_->spinner;
    } else {
        toolkit_->bar = new detail::ControlWidget<QProgressBar>(*this);
        toolkit_->bar->setTextVisible(false);
        peer().widget = toolkit_->bar;
    }
    setFrame(frame);
    show();
}

ProgressIndicator::~ProgressIndicator() = default;

void ProgressIndicator::show() {
    if (Spinner* spinner = toolkit_->spinner) {
        spinner->setSpinning(animating_, displayedWhenStopped_);
        return;
    }
    QProgressBar* bar = toolkit_->bar;
    // The toolkit's bar moves on its own while its range is empty; a bar that waits for
    // indeterminate work stands still and empty.
    if (indeterminate_) {
        bar->setRange(0, animating_ ? 0 : 1);
        bar->setValue(0);
        return;
    }
    const double span = maxValue_ - minValue_;
    bar->setRange(0, kResolution);
    bar->setValue(
        span > 0 ? static_cast<int>(std::lround((value_ - minValue_) / span * kResolution)) : 0);
}

void ProgressIndicator::setIndeterminate(bool indeterminate) {
    indeterminate_ = indeterminate;
    show();
}

void ProgressIndicator::setMinValue(double value) {
    minValue_ = value;
    setDoubleValue(value_);
}

void ProgressIndicator::setMaxValue(double value) {
    maxValue_ = value;
    setDoubleValue(value_);
}

void ProgressIndicator::setDoubleValue(double value) {
    value_ = std::isnan(value) ? minValue_
                               : std::clamp(value, minValue_, std::max(minValue_, maxValue_));
    show();
}

void ProgressIndicator::setDisplayedWhenStopped(bool displayed) {
    displayedWhenStopped_ = displayed;
    show();
}

void ProgressIndicator::startAnimation(const Ref<Object>&) {
    animating_ = true;
    show();
}

void ProgressIndicator::stopAnimation(const Ref<Object>&) {
    animating_ = false;
    show();
}

void ProgressIndicator::drawRect(Rect) {
    peer().toolkitPaintRequested = true;
}

} // namespace platform
