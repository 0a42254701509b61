#include "platform/testing/ShownAlert.h"

#include "platform/detail/AlertDialog.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/WindowPeer.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/windows/Window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace platform::testing {

namespace {

// What a screen reader says for the widget: its accessible name. The alert's texts and buttons
// are read this way, so that every alert a test sees is one a screen-reader user can hear.
std::string spoken(QObject* widget) {
    QAccessibleInterface* accessible =
        widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
}

std::string labelText(const QWidget& dialog, const char* name) {
    return spoken(dialog.findChild<QLabel*>(QString::fromLatin1(name)));
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

std::vector<QAbstractButton*> buttonsInOrder(const QWidget& dialog) {
    auto found = dialog.findChildren<QAbstractButton*>();
    std::vector<QAbstractButton*> buttons(found.begin(), found.end());
    std::stable_sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
        return a->property("platformButtonIndex").toInt() <
               b->property("platformButtonIndex").toInt();
    });
    return buttons;
}

detail::AlertDialog* sheetOn(const Window& window) {
    QWidget* parent = window.peer().widget;
    if (!parent)
        return nullptr;
    for (auto* child : parent->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (auto* dialog = dynamic_cast<detail::AlertDialog*>(child);
            dialog && dialog->isVisible() && dialog->windowModality() == Qt::WindowModal)
            return dialog;
    return nullptr;
}

std::optional<ShownAlert> describe(const detail::AlertDialog* dialog) {
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
        alert.buttonTitles.push_back(spoken(const_cast<QPushButton*>(button)));
    alert.showsSuppressionButton = dialog->findChild<QCheckBox*>() != nullptr;
    return alert;
}

} // namespace

std::string ShownAlert::description() const {
    static const char* const styles[] = {"warning", "informational", "critical"};
    std::string text = "alert ";
    text += style ? styles[static_cast<int>(*style)] : "unknown";
    text += " [" + messageText + "] [" + informativeText + "]";
    for (const auto& title : buttonTitles)
        text += " <" + title + ">";
    if (showsSuppressionButton)
        text += " (suppression button)";
    return text;
}

std::optional<ShownAlert> shownAlert() {
    const auto* run = detail::ModalRun::innermost();
    return describe(run ? dynamic_cast<const detail::AlertDialog*>(run->widget()) : nullptr);
}

std::optional<ShownAlert> shownSheet(const Window& window) {
    return describe(sheetOn(window));
}

bool clickSheetButton(const Window& window, int index) {
    const auto* dialog = sheetOn(window);
    if (!dialog)
        return false;
    const auto buttons = buttonsInOrder(*dialog);
    if (index < 0 || index >= static_cast<int>(buttons.size()))
        return false;
    clickWidget(*buttons[static_cast<std::size_t>(index)]);
    return true;
}

} // namespace platform::testing
