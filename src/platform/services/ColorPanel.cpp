#include "platform/services/ColorPanel.h"

#include "platform/app/Application.h"
#include "platform/detail/ColorConversion.h"
#include "platform/detail/ModalInputFilter.h"
#include "platform/drawing/Color.h"
#include "platform/views/controls/ColorWell.h"

#include <QColorDialog>

namespace platform {

struct ColorPanel::Dialog {
    QColorDialog dialog;
};

ColorPanel::ColorPanel() : color_(Color::blackColor()) {
    Application::shared();
    dialog_ = std::make_unique<Dialog>();
    QColorDialog& dialog = dialog_->dialog;
    dialog.setOptions(QColorDialog::DontUseNativeDialog | QColorDialog::NoButtons |
                      QColorDialog::ShowAlphaChannel);
    dialog.setWindowTitle(QStringLiteral("Colors"));
    // A shared panel serves the user while an alert or another modal run waits.
    dialog.setProperty(detail::kWorksWhenModalProperty, true);
    dialog.setCurrentColor(detail::toQColor(*color_));
    QObject::connect(&dialog, &QColorDialog::currentColorChanged, &dialog,
                     [this](const QColor& picked) {
                         if (programmatic_)
                             return;
                         color_ = Color::colorWithRed(picked.redF(), picked.greenF(),
                                                      picked.blueF(), picked.alphaF());
                         const auto keep = self();
                         if (const auto well = activeWell())
                             well->userPicked(color_);
                         if (const auto receiver = target())
                             action_.performOn(*receiver, keep);
                     });
    QObject::connect(&dialog, &QColorDialog::finished, &dialog, [this] {
        if (const auto well = activeWell())
            well->deactivate();
    });
}

ColorPanel::~ColorPanel() = default;

Ref<ColorPanel> ColorPanel::sharedColorPanel() {
    // Never destroyed, as the application is not: its window must not be torn down by static
    // destruction.
    static const auto* panel = new Ref<ColorPanel>(std::make_shared<ColorPanel>());
    return *panel;
}

void ColorPanel::setColor(Ref<Color> color) {
    if (!color)
        return;
    color_ = std::move(color);
    programmatic_ = true;
    dialog_->dialog.setCurrentColor(detail::toQColor(*color_));
    programmatic_ = false;
}

void ColorPanel::makeKeyAndOrderFront() {
    dialog_->dialog.show();
    dialog_->dialog.raise();
    dialog_->dialog.activateWindow();
}

void ColorPanel::orderOut() {
    dialog_->dialog.hide();
}

bool ColorPanel::isVisible() const {
    return dialog_->dialog.isVisible();
}

} // namespace platform
