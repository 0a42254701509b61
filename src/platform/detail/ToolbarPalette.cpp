#include "platform/detail/ToolbarPalette.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform::detail {

namespace {

constexpr int kIdentifierRole = Qt::UserRole;

} // namespace

ToolbarPalette::ToolbarPalette(const std::vector<Entry>& entries,
                               const std::vector<std::string>& defaults, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), entries_(entries) {
    setWindowTitle(tr("Customize Toolbar"));
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* done = buttons->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
    QPushButton* reset = buttons->addButton(tr("Use Default Set"), QDialogButtonBox::ResetRole);
    done->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, [this, defaults] {
        std::vector<Entry> reordered;
        for (const std::string& identifier : defaults)
            for (Entry entry : entries_)
                if (entry.identifier == identifier) {
                    entry.shown = true;
                    reordered.push_back(entry);
                }
        for (Entry entry : entries_)
            if (std::find(defaults.begin(), defaults.end(), entry.identifier) == defaults.end()) {
                entry.shown = entry.immovable && entry.shown;
                reordered.push_back(entry);
            }
        fill(reordered);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    fill(entries_);
}

void ToolbarPalette::fill(const std::vector<Entry>& entries) {
    list_->clear();
    for (const Entry& entry : entries) {
        auto* row = new QListWidgetItem(
            QString::fromStdString(entry.label.empty() ? entry.identifier : entry.label), list_);
        row->setData(kIdentifierRole, QString::fromStdString(entry.identifier));
        row->setCheckState(entry.shown ? Qt::Checked : Qt::Unchecked);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!entry.immovable)
            flags |= Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled;
        row->setFlags(flags);
    }
    list_->setCurrentRow(0);
    list_->setFocus();
}

std::vector<std::string> ToolbarPalette::chosen() const {
    std::vector<std::string> identifiers;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            identifiers.push_back(list_->item(i)->data(kIdentifierRole).toString().toStdString());
    return identifiers;
}

} // namespace platform::detail
