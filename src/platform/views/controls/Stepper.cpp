#include "platform/views/controls/Stepper.h"

#include "platform/detail/ControlWidget.h"

#include <QAbstractSpinBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The toolkit's spin box without its text: only the arrows show, and its steps go to the
// stepper, which keeps the value.
class StepperBox : public QAbstractSpinBox {
public:
    explicit StepperBox(Stepper& stepper) : stepper_(stepper) {
        lineEdit()->hide();
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }
    void stepBy(int steps) override { stepper_.stepBy(steps); }

protected:
    StepEnabled stepEnabled() const override {
        if (!isEnabled())
            return StepNone;
        if (stepper_.valueWraps())
            return StepUpEnabled | StepDownEnabled;
        StepEnabled enabled = StepNone;
        if (stepper_.doubleValue() < stepper_.maxValue())
            enabled |= StepUpEnabled;
        if (stepper_.doubleValue() > stepper_.minValue())
            enabled |= StepDownEnabled;
        return enabled;
    }
    void resizeEvent(QResizeEvent* event) override {
        QAbstractSpinBox::resizeEvent(event);
        lineEdit()->hide();
    }

private:
    Stepper& stepper_;
};

} // namespace

struct Stepper::Toolkit {
    StepperBox* widget = nullptr;
};

Stepper::Stepper(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<StepperBox>(*this, *this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
}

Stepper::~Stepper() = default;

void Stepper::stepBy(int steps) {
    if (!isEnabled() || steps == 0)
        return;
    double next = value_ + steps * increment_;
    if (next > maxValue_)
        next = valueWraps_ ? minValue_ : maxValue_;
    else if (next < minValue_)
        next = valueWraps_ ? maxValue_ : minValue_;
    if (next == value_)
        return;
    value_ = next;
    toolkit_->widget->update();
    sendAction();
}

void Stepper::setDoubleValue(double value) {
    value_ = std::isnan(value) ? minValue_
                               : std::clamp(value, minValue_, std::max(minValue_, maxValue_));
    toolkit_->widget->update();
}

void Stepper::setMinValue(double value) {
    minValue_ = value;
    setDoubleValue(value_);
}

void Stepper::setMaxValue(double value) {
    maxValue_ = value;
    setDoubleValue(value_);
}

void Stepper::setValueWraps(bool wraps) {
    valueWraps_ = wraps;
    toolkit_->widget->setWrapping(wraps);
}

} // namespace platform
