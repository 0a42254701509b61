#include "platform/detail/FileDialog.h"

#include "platform/detail/QtStrings.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"
#include "platform/services/OpenSavePanelDelegate.h"
#include "platform/services/SavePanel.h"
#include "platform/windows/Alert.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QToolButton>

#include <map>

namespace platform::detail {

// The file list's model as the user sees it: the items the delegate refuses are shown disabled.
// Each item is asked about once per directory shown, since the list asks for its flags on every
// repaint.
class EnabledItemsModel : public QSortFilterProxyModel {
public:
    explicit EnabledItemsModel(std::function<bool(const QString&)> shouldEnable, QObject* parent)
        : QSortFilterProxyModel(parent), shouldEnable_(std::move(shouldEnable)) {}

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags flags = QSortFilterProxyModel::flags(index);
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || !index.isValid())
            return flags;
        const QString path = files->filePath(mapToSource(index));
        auto answer = answers_.find(path);
        if (answer == answers_.end())
            answer = answers_.emplace(path, shouldEnable_(path)).first;
        return answer->second ? flags : flags & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }

    void forgetAnswers() { answers_.clear(); }

protected:
    // Directories first, then by name, as the dialog sorts without a proxy.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || left.column() != 0)
            return QSortFilterProxyModel::lessThan(left, right);
        if (files->isDir(left) != files->isDir(right))
            return files->isDir(left);
        return QString::localeAwareCompare(files->fileName(left), files->fileName(right)) < 0;
    }

private:
    std::function<bool(const QString&)> shouldEnable_;
    mutable std::map<QString, bool> answers_;
};

namespace {

// Whether the user may overwrite the existing file, asked as the framework asks it.
bool confirmReplace(const QString& path) {
    const auto alert = std::make_shared<Alert>();
    alert->setMessageText(
        fromQString(QStringLiteral("\u201c%1\u201d already exists. Do you want to replace it?")
                        .arg(QFileInfo(path).fileName())));
    alert->setInformativeText(String::fromUtf8(
        "A file with the same name already exists. Replacing it will overwrite its contents."));
    alert->addButtonWithTitle(String::fromUtf8("Cancel"));
    alert->addButtonWithTitle(String::fromUtf8("Replace"));
    return alert->runModal() == AlertSecondButtonReturn;
}

} // namespace

FileDialog::FileDialog(SavePanel& panel, QWidget* parent) : QFileDialog(parent), panel_(panel) {
    setOption(DontUseNativeDialog);
    setOption(DontConfirmOverwrite);
    enabledItems_ = new EnabledItemsModel(
        [this](const QString& path) {
            return delegate()->panelShouldEnableURL(owner(),
                                                    URL::fileURLWithPath(*fromQString(path)));
        },
        this);
    setProxyModel(enabledItems_);
    setWindowTitle(toQString(panel.title()));
    if (panel.prompt())
        setLabelText(Accept, toQString(panel.prompt()));
    if (panel.nameFieldLabel())
        setLabelText(FileName, toQString(panel.nameFieldLabel()));
    setOption(ReadOnly, !panel.canCreateDirectories());
    if (panel.showsHiddenFiles())
        setFilter(filter() | QDir::Hidden);
    if (panel.directoryURL())
        setDirectory(toQString(panel.directoryURL()->path()));
    if (const auto types = panel.allowedFileTypes(); types && types->count() > 0) {
        QStringList patterns;
        for (const auto& type : *types)
            if (const auto extension = type->as<String>())
                patterns << QStringLiteral("*.") + toQString(extension);
        setNameFilter(patterns.join(QLatin1Char(' ')));
        setDefaultSuffix(toQString(types->objectAtIndex(0)->as<String>()));
    }
    panel.prepare(*this);
    if (panel.nameFieldStringValue())
        selectFile(toQString(panel.nameFieldStringValue()));

    connect(this, &QFileDialog::currentChanged, this,
            [this](const QString&) { delegate()->panelSelectionDidChange(owner()); });
    // Every change of the directory shown sets the file model's root, whether the user went
    // there in the list, by the sidebar or by typing its name.
    const auto* files = qobject_cast<const QFileSystemModel*>(enabledItems_->sourceModel());
    connect(files, &QFileSystemModel::rootPathChanged, this, [this](const QString& directory) {
        enabledItems_->forgetAnswers();
        delegate()->panelDidChangeToDirectoryURL(owner(),
                                                 URL::fileURLWithPath(*fromQString(directory)));
    });
    // The list's two forms are switched by these buttons; pressed comes before the switch.
    for (const auto& [button, expands] :
         {std::pair{"listModeButton", false}, std::pair{"detailModeButton", true}})
        if (auto* toolButton = findChild<QToolButton*>(QLatin1String(button)))
            connect(toolButton, &QToolButton::pressed, this, [this, expands = expands] {
                if (expands != (viewMode() == Detail))
                    delegate()->panelWillExpand(owner(), expands);
            });
}

void FileDialog::done(int result) {
    if (result == Accepted && !confirmChoice())
        return;
    QFileDialog::done(result);
}

bool FileDialog::confirmChoice() {
    QStringList files = selectedFiles();
    const bool saving = acceptMode() == AcceptSave;
    if (saving && !files.isEmpty()) {
        const QFileInfo typed(files.front());
        const auto name = delegate()->panelUserEnteredFilenameConfirmed(
            owner(), fromQString(typed.fileName()), true);
        if (!name || name->isEmpty())
            return false;
        files = {typed.dir().filePath(toQString(name))};
    }
    for (const QString& file : files) {
        Ref<Error> error;
        if (!delegate()->panelValidateURLError(owner(), URL::fileURLWithPath(*fromQString(file)),
                                               &error)) {
            if (error)
                Alert::alertWithError(error)->runModal();
            return false;
        }
    }
    if (saving && !files.isEmpty() && QFileInfo::exists(files.front()) &&
        !confirmReplace(files.front()))
        return false;
    chosen_ = files;
    return true;
}

Ref<SavePanel> FileDialog::owner() const {
    return std::static_pointer_cast<SavePanel>(panel_.self());
}

std::shared_ptr<OpenSavePanelDelegate> FileDialog::delegate() const {
    if (auto delegate = panel_.delegate())
        return delegate;
    static const auto answersAsWithout = std::make_shared<OpenSavePanelDelegate>();
    return answersAsWithout;
}

} // namespace platform::detail
