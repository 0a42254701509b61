#include "platform/testing/ShownAlert.h"

#include "platform/detail/AlertDialog.h"
#include "platform/detail/ModalRun.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace platform::testing {

namespace {

std::string labelText(const QWidget& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text().toStdString() : std::string();
}

std::optional<AlertStyle> styleOfIcon(const QWidget& dialog) {
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("alertIcon"));
    if (!label)
        return std::nullopt;
    const QPixmap shown = label->pixmap();
    const std::pair<AlertStyle, QStyle::StandardPixmap> icons[] = {
        {AlertStyle::Warning, QStyle::SP_MessageBoxWarning},
        {AlertStyle::Informational, QStyle::SP_MessageBoxInformation},
        {AlertStyle::Critical, QStyle::SP_MessageBoxCritical},
    };
    for (const auto& [style, icon] : icons)
        if (dialog.style()->standardIcon(icon).pixmap(shown.size()).toImage() == shown.toImage())
            return style;
    return std::nullopt;
}

} // namespace

std::optional<ShownAlert> shownAlert() {
    const auto* run = detail::ModalRun::innermost();
    const auto* dialog = run ? dynamic_cast<const detail::AlertDialog*>(run->widget()) : nullptr;
    if (!dialog)
        return std::nullopt;
    ShownAlert alert;
    alert.messageText = labelText(*dialog, "alertMessage");
    alert.informativeText = labelText(*dialog, "alertInformative");
    alert.style = styleOfIcon(*dialog);
    auto buttons = dialog->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
        return a->property("platformButtonIndex").toInt() <
               b->property("platformButtonIndex").toInt();
    });
    for (const auto* button : buttons)
        alert.buttonTitles.push_back(button->text().toStdString());
    alert.showsSuppressionButton = dialog->findChild<QCheckBox*>() != nullptr;
    return alert;
}

} // namespace platform::testing
