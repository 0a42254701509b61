#include "platform/views/controls/SegmentedControl.h"

#include "platform/detail/ButtonWidget.h"
#include "platform/detail/ImagePeer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QToolButton>

#include <cmath>

namespace platform {

struct SegmentedControl::Segment {
    QToolButton* button = nullptr;
    Ref<String> label;
    Ref<Image> image;
    bool enabled = true;
};

struct SegmentedControl::Toolkit {
    QWidget* widget = nullptr;
    QHBoxLayout* layout = nullptr;
};

SegmentedControl::SegmentedControl(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ControlWidget<QWidget>(*this);
    toolkit_->layout = new QHBoxLayout(toolkit_->widget);
    toolkit_->layout->setContentsMargins(0, 0, 0, 0);
    toolkit_->layout->setSpacing(0);
    peer().widget = toolkit_->widget;
    setFrame(frame);
}

SegmentedControl::~SegmentedControl() = default;

std::int64_t SegmentedControl::segmentCount() const {
    return static_cast<std::int64_t>(segments_.size());
}

bool SegmentedControl::inRange(std::int64_t segment) const {
    return segment >= 0 && segment < segmentCount();
}

void SegmentedControl::setSegmentCount(std::int64_t count) {
    count = std::max<std::int64_t>(0, count);
    while (segmentCount() > count) {
        delete segments_.back().button;
        segments_.pop_back();
    }
    while (segmentCount() < count) {
        auto* button = new QToolButton(toolkit_->widget);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setEnabled(isEnabled());
        const std::int64_t index = segmentCount();
        // Only the user's clicks (and Space, and the arrow keys between exclusive segments)
        // emit this; selections made by the program do not.
        QObject::connect(button, &QToolButton::clicked, button,
                         [this, index] { userClicked(index); });
        toolkit_->layout->addWidget(button);
        // A child made after its parent was shown would show only at the next pass of the
        // event loop.
        button->show();
        segments_.push_back({button, nullptr, nullptr, true});
    }
    // The keyboard focus given to the control goes to its first segment; Tab and the arrow keys
    // move on from there.
    toolkit_->widget->setFocusProxy(segments_.empty() ? nullptr : segments_.front().button);
    setTrackingMode(tracking_);
    // The segments take their places now rather than at the next pass of the event loop.
    toolkit_->layout->activate();
}

void SegmentedControl::setTrackingMode(SegmentSwitchTracking mode) {
    tracking_ = mode;
    momentarySegment_ = -1;
    for (const Segment& segment : segments_) {
        segment.button->setCheckable(mode != SegmentSwitchTracking::Momentary);
        segment.button->setAutoExclusive(mode == SegmentSwitchTracking::SelectOne);
    }
}

Ref<String> SegmentedControl::labelForSegment(std::int64_t segment) const {
    return inRange(segment) ? segments_[segment].label : nullptr;
}

void SegmentedControl::setLabel(const Ref<String>& label, std::int64_t segment) {
    if (!inRange(segment))
        return;
    segments_[segment].label = label;
    segments_[segment].button->setText(detail::buttonText(label));
}

Ref<Image> SegmentedControl::imageForSegment(std::int64_t segment) const {
    return inRange(segment) ? segments_[segment].image : nullptr;
}

void SegmentedControl::setImage(const Ref<Image>& image, std::int64_t segment) {
    if (!inRange(segment))
        return;
    segments_[segment].image = image;
    QToolButton* button = segments_[segment].button;
    button->setIcon(image ? QIcon(QPixmap::fromImage(image->peer().image)) : QIcon());
    if (image)
        button->setIconSize(button->icon().availableSizes().value(0));
}

bool SegmentedControl::isEnabledForSegment(std::int64_t segment) const {
    return inRange(segment) && segments_[segment].enabled;
}

void SegmentedControl::setEnabled(bool enabled, std::int64_t segment) {
    if (!inRange(segment))
        return;
    segments_[segment].enabled = enabled;
    segments_[segment].button->setEnabled(enabled && isEnabled());
}

void SegmentedControl::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    for (const Segment& segment : segments_)
        segment.button->setEnabled(enabled && segment.enabled);
}

bool SegmentedControl::isSelectedForSegment(std::int64_t segment) const {
    return inRange(segment) && segments_[segment].button->isChecked();
}

void SegmentedControl::setSelected(bool selected, std::int64_t segment) {
    if (!inRange(segment) || tracking_ == SegmentSwitchTracking::Momentary)
        return;
    for (std::int64_t i = 0; i < segmentCount(); ++i) {
        if (i != segment && !(selected && tracking_ == SegmentSwitchTracking::SelectOne))
            continue;
        QToolButton* button = segments_[i].button;
        // An exclusive toolkit button refuses to turn off on its own.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(i == segment && selected);
        button->setAutoExclusive(exclusive);
    }
}

std::int64_t SegmentedControl::selectedSegment() const {
    if (tracking_ == SegmentSwitchTracking::Momentary)
        return momentarySegment_;
    for (std::int64_t i = 0; i < segmentCount(); ++i)
        if (segments_[i].button->isChecked())
            return i;
    return -1;
}

void SegmentedControl::setSelectedSegment(std::int64_t segment) {
    if (tracking_ == SegmentSwitchTracking::Momentary) {
        momentarySegment_ = inRange(segment) ? segment : -1;
        return;
    }
    if (inRange(segment))
        setSelected(true, segment);
    else
        for (std::int64_t i = 0; i < segmentCount(); ++i)
            setSelected(false, i);
}

void SegmentedControl::setDoubleValue(double value) {
    setSelectedSegment(std::isnan(value) ? -1 : static_cast<std::int64_t>(value));
}

void SegmentedControl::userClicked(std::int64_t segment) {
    if (tracking_ == SegmentSwitchTracking::Momentary)
        momentarySegment_ = segment;
    sendAction();
}

} // namespace platform
