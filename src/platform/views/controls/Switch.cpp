#include "platform/views/controls/Switch.h"

#include "platform/detail/ButtonWidget.h"

#include <QAbstractButton>
#include <QPainter>

namespace platform {

namespace {

// A checkable toolkit button drawn as a rounded track with a knob at the end of its state.
class SwitchButton : public QAbstractButton {
public:
    SwitchButton() { setCheckable(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
        const double radius = track.height() / 2;
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(palette().color(group, QPalette::Mid));
        painter.setBrush(
            palette().color(group, isChecked() ? QPalette::Highlight : QPalette::Button));
        painter.drawRoundedRect(track, radius, radius);
        const double knob = track.height() - 4;
        const double x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
        painter.setBrush(palette().color(group, QPalette::Base));
        painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
        detail::paintFocusFrame(*this, painter);
    }
};

} // namespace

struct Switch::Toolkit {
    SwitchButton* widget = nullptr;
};

Switch::Switch(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->widget = new detail::ButtonWidget<SwitchButton>(*this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    // Only the user's clicks emit this; states set by the program do not.
    QObject::connect(toolkit_->widget, &QAbstractButton::clicked, toolkit_->widget,
                     [this] { sendAction(); });
}

Switch::~Switch() = default;

std::int64_t Switch::state() const {
    return toolkit_->widget->isChecked() ? 1 : 0;
}

void Switch::setState(std::int64_t state) {
    toolkit_->widget->setChecked(state != 0);
}

} // namespace platform
