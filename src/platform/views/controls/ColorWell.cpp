#include "platform/views/controls/ColorWell.h"

#include "platform/app/Application.h"
#include "platform/detail/ButtonWidget.h"
#include "platform/detail/ColorConversion.h"
#include "platform/drawing/Color.h"
#include "platform/services/ColorPanel.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

constexpr int kArrowWidth = 16;

// A swatch of the well's colour, with a border and an arrow as the style asks.
class Swatch : public QAbstractButton {
public:
    explicit Swatch(ColorWell& well) : well_(well) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QRect swatch = rect().adjusted(0, 0, -1, -1);
        if (well_.colorWellStyle() == ColorWellStyle::Expanded) {
            swatch.setRight(swatch.right() - kArrowWidth);
            QStyleOption arrow;
            arrow.initFrom(this);
            arrow.rect = QRect(swatch.right() + 1, 0, kArrowWidth, height());
            style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
        }
        if (well_.colorWellStyle() != ColorWellStyle::Minimal) {
            painter.setPen(palette().color(well_.isActive() ? QPalette::Highlight : QPalette::Mid));
            painter.drawRect(swatch);
            swatch.adjust(3, 3, -2, -2);
        }
        painter.fillRect(swatch, detail::toQColor(*well_.color()));
        detail::paintFocusFrame(*this, painter);
    }
    // Where the click was decides between the swatch and the arrow.
    void mouseReleaseEvent(QMouseEvent* event) override {
        pressedAt_ = event->position().x();
        QAbstractButton::mouseReleaseEvent(event);
        pressedAt_ = 0;
    }
    void nextCheckState() override {}

public:
    double pressedAt() const { return pressedAt_; }

private:
    ColorWell& well_;
    double pressedAt_ = 0;
};

} // namespace

struct ColorWell::Toolkit {
    Swatch* widget = nullptr;
};

ColorWell::ColorWell(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()),
      color_(Color::whiteColor()) {
    toolkit_->widget = new detail::ButtonWidget<Swatch>(*this, *this);
    peer().widget = toolkit_->widget;
    setFrame(frame);
    QObject::connect(toolkit_->widget, &QAbstractButton::clicked, toolkit_->widget,
                     [this] { userClicked(toolkit_->widget->pressedAt()); });
}

ColorWell::~ColorWell() = default;

void ColorWell::setColor(Ref<Color> color) {
    color_ = color ? std::move(color) : Color::whiteColor();
    toolkit_->widget->update();
    if (isActive())
        ColorPanel::sharedColorPanel()->setColor(color_);
}

void ColorWell::setColorWellStyle(ColorWellStyle style) {
    style_ = style;
    toolkit_->widget->update();
}

bool ColorWell::isActive() const {
    return ColorPanel::sharedColorPanel()->activeWell().get() == this;
}

void ColorWell::activate(bool) {
    const auto panel = ColorPanel::sharedColorPanel();
    const auto previous = panel->activeWell();
    panel->setActiveWell(std::static_pointer_cast<ColorWell>(shared_from_this()));
    if (previous)
        previous->toolkit_->widget->update();
    toolkit_->widget->update();
    panel->setColor(color_);
    panel->makeKeyAndOrderFront();
}

void ColorWell::deactivate() {
    if (!isActive())
        return;
    ColorPanel::sharedColorPanel()->setActiveWell(nullptr);
    toolkit_->widget->update();
}

Ref<Object> ColorWell::objectValue() const {
    return color_;
}

void ColorWell::setObjectValue(const Ref<Object>& object) {
    if (const auto color = object ? object->as<Color>() : nullptr)
        setColor(color);
}

void ColorWell::userPicked(const Ref<Color>& color) {
    color_ = color;
    toolkit_->widget->update();
    sendAction();
}

void ColorWell::userClicked(double x) {
    const bool onArrow =
        style_ == ColorWellStyle::Expanded && x > 0 && x >= toolkit_->widget->width() - kArrowWidth;
    if (!onArrow) {
        activate(true);
        return;
    }
    if (!isEnabled() || pulldownAction_.isNull())
        return;
    const auto self = shared_from_this(); // the action may close the window
    if (const auto receiver = pulldownTarget())
        pulldownAction_.performOn(*receiver, self);
    else
        pulldownAction_.performOn(*Application::shared(), self);
}

} // namespace platform
