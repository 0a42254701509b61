#include "platform/services/SavePanel.h"

#include "platform/app/Application.h"
#include "platform/detail/FileDialog.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/SheetPresentation.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/URL.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace platform {

// A sheet on screen. The dialog may have been destroyed with its window already.
struct SavePanel::Sheet {
    QPointer<detail::FileDialog> dialog;
    WeakRef<Window> parent;
    std::function<void(std::int64_t)> handler;
    // The panel keeps itself alive while its sheet is up.
    Ref<Object> hold;

    ~Sheet() { delete dialog.data(); }
};

SavePanel::SavePanel() = default;
SavePanel::~SavePanel() = default;

Ref<SavePanel> SavePanel::savePanel() {
    return std::make_shared<SavePanel>();
}

Ref<URL> SavePanel::URL() const {
    return urls_.empty() ? nullptr : urls_.front();
}

void SavePanel::prepare(detail::FileDialog& dialog) const {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
}

void SavePanel::takeChoice(const detail::FileDialog& dialog, std::int64_t response) {
    expanded_ = dialog.viewMode() == QFileDialog::Detail;
    directoryURL_ =
        platform::URL::fileURLWithPath(*detail::fromQString(dialog.directory().absolutePath()));
    urls_.clear();
    if (response != ModalResponse::OK)
        return;
    for (const QString& path : dialog.chosen())
        urls_.push_back(platform::URL::fileURLWithPath(*detail::fromQString(path)));
    if (!dialog.chosen().isEmpty())
        nameFieldStringValue_ = detail::fromQString(QFileInfo(dialog.chosen().front()).fileName());
}

std::int64_t SavePanel::runModal() {
    Application::shared()->finishLaunching();
    detail::FileDialog dialog(*this, nullptr);
    detail::ModalRun run(&dialog);
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&run](int result) {
        run.stop(result == QDialog::Accepted ? ModalResponse::OK : ModalResponse::Cancel);
    });
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    const std::int64_t response = run.exec();
    dialog.hide();
    takeChoice(dialog, response);
    return response;
}

void SavePanel::beginSheetModalForWindowCompletionHandler(
    const Ref<Window>& window, std::function<void(std::int64_t)> handler) {
    if (sheet_)
        return;
    Application::shared()->finishLaunching();
    QWidget* parent = window ? window->peer().widget.data() : nullptr;
    sheet_ = std::make_unique<Sheet>();
    sheet_->parent = window;
    sheet_->handler = std::move(handler);
    sheet_->hold = self();
    sheet_->dialog = new detail::FileDialog(*this, parent);
    QObject::connect(sheet_->dialog, &QDialog::finished, sheet_->dialog, [this](int result) {
        // The handler runs once the key or click that ended the sheet has been handled, so that
        // it may release the panel and its dialog.
        QTimer::singleShot(0, qApp, [weak = weak_from_this(), result] {
            const auto object = weak.lock();
            if (!object)
                return;
            auto& panel = static_cast<SavePanel&>(*object);
            const auto sheet = std::move(panel.sheet_);
            const std::int64_t response =
                result == QDialog::Accepted ? ModalResponse::OK : ModalResponse::Cancel;
            if (sheet->dialog)
                panel.takeChoice(*sheet->dialog, response);
            detail::sheetEnded(sheet->parent.lock());
            if (sheet->handler)
                sheet->handler(response);
        });
    });
    detail::showSheet(*sheet_->dialog, window);
}

} // namespace platform
