#include "platform/testing/ShownFilePanel.h"

#include "platform/detail/ModalRun.h"
#include "platform/testing/ToolkitInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>

namespace platform::testing {

namespace {

QFileDialog* shownDialog() {
    if (const auto* run = detail::ModalRun::innermost())
        if (auto* dialog = qobject_cast<QFileDialog*>(run->widget()))
            return dialog;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

} // namespace

std::string ShownFilePanel::listing() const {
    std::string line;
    for (const auto& item : items) {
        if (!line.empty())
            line += ' ';
        line += item.enabled ? item.name : '[' + item.name + ']';
    }
    return line;
}

std::optional<ShownFilePanel> shownFilePanel() {
    QFileDialog* dialog = shownDialog();
    if (!dialog)
        return std::nullopt;
    const auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    const auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    // The file system is read on a thread of the toolkit's; the list fills in later.
    processEventsUntil([list] { return list->model()->rowCount(list->rootIndex()) > 0; });
    ShownFilePanel shown{dialog->directory().absolutePath().toStdString(),
                         name ? name->text().toStdString() : std::string(),
                         {}};
    const QAbstractItemModel& model = *list->model();
    for (int row = 0; row < model.rowCount(list->rootIndex()); ++row) {
        const QModelIndex item = model.index(row, 0, list->rootIndex());
        shown.items.push_back(
            {item.data().toString().toStdString(), model.flags(item).testFlag(Qt::ItemIsEnabled)});
    }
    return shown;
}

} // namespace platform::testing
