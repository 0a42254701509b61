#include "platform/views/controls/ColorWell.h"

#include "platform/app/Application.h"
#include "platform/detail/ButtonWidget.h"
#include "platform/detail/ColorConversion.h"
#include "platform/detail/ModalInputFilter.h"
#include "platform/drawing/Color.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace platform {

namespace {

constexpr int kArrowWidth = 16;

Ref<Color> fromQColor(const QColor& colour) {
    return Color::colorWithRed(colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF());
}

// The shared colour panel: one toolkit colour dialog for every well, serving the active one.
struct ColorPanel {
    QPointer<QColorDialog> dialog;
    std::weak_ptr<ColorWell> activeWell;
    // Set while a well shows its colour in the panel: that is no pick of the user's.
    bool programmatic = false;

    static ColorPanel& shared() {
        static ColorPanel panel;
        return panel;
    }
    QColorDialog& open() {
        if (!dialog) {
            dialog = new QColorDialog();
            // The user picks colours in it while an alert or another modal run waits.
            dialog->setProperty(detail::kWorksWhenModalProperty, true);
            dialog->setOption(QColorDialog::ShowAlphaChannel);
            dialog->setOption(QColorDialog::NoButtons);
            QObject::connect(dialog, &QColorDialog::currentColorChanged, dialog,
                             [this](const QColor& colour) {
                                 if (const auto well = activeWell.lock(); well && !programmatic)
                                     well->userPicked(fromQColor(colour));
                             });
            QObject::connect(dialog, &QColorDialog::finished, dialog, [this] {
                if (const auto well = activeWell.lock())
                    well->deactivate();
            });
        }
        return *dialog;
    }
    void show(const Color& colour) {
        QColorDialog& shown = open();
        programmatic = true;
        shown.setCurrentColor(detail::toQColor(colour));
        programmatic = false;
        shown.show();
        shown.raise();
    }
};

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
        ColorPanel::shared().show(*color_);
}

void ColorWell::setColorWellStyle(ColorWellStyle style) {
    style_ = style;
    toolkit_->widget->update();
}

bool ColorWell::isActive() const {
    return ColorPanel::shared().activeWell.lock().get() == this;
}

void ColorWell::activate(bool) {
    ColorPanel& panel = ColorPanel::shared();
    const auto previous = panel.activeWell.lock();
    panel.activeWell = std::static_pointer_cast<ColorWell>(shared_from_this());
    if (previous)
        previous->toolkit_->widget->update();
    toolkit_->widget->update();
    panel.show(*color_);
}

void ColorWell::deactivate() {
    ColorPanel& panel = ColorPanel::shared();
    if (!isActive())
        return;
    panel.activeWell.reset();
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
