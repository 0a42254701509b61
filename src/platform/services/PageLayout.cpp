#include "platform/services/PageLayout.h"

#include "platform/app/Application.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/PageSetupDialog.h"
#include "platform/detail/SheetPresentation.h"
#include "platform/detail/WindowPeer.h"
#include "platform/services/PrintInfo.h"

#include <QPointer>
#include <QTimer>

namespace platform {

// The dialog goes with its parent window when that closes first.
struct PageLayout::Dialog {
    QPointer<detail::PageSetupDialog> widget;
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    ~Dialog() { delete widget.data(); }
};

PageLayout::PageLayout() = default;
PageLayout::~PageLayout() = default;

Ref<PageLayout> PageLayout::pageLayout() {
    return std::make_shared<PageLayout>();
}

std::int64_t PageLayout::finish(bool accepted) {
    if (accepted && dialog_->widget)
        dialog_->widget->apply(*printInfo_);
    dialog_.reset();
    return accepted ? ModalResponse::OK : ModalResponse::Cancel;
}

std::int64_t PageLayout::runModalWithPrintInfo(const Ref<PrintInfo>& info) {
    if (dialog_)
        return ModalResponse::Cancel;
    Application::shared()->finishLaunching();
    printInfo_ = info ? info : PrintInfo::sharedPrintInfo();
    dialog_ = std::make_unique<Dialog>();
    dialog_->widget = new detail::PageSetupDialog(*printInfo_, nullptr);
    detail::PageSetupDialog& dialog = *dialog_->widget;
    detail::ModalRun run(&dialog);
    QObject::connect(&dialog, &QDialog::finished, &dialog,
                     [&run](int result) { run.stop(result == QDialog::Accepted ? 1 : 0); });
    dialog.show();
    return finish(run.exec() == 1);
}

std::int64_t PageLayout::runModal() {
    return runModalWithPrintInfo(nullptr);
}

void PageLayout::beginSheetWithPrintInfoModalForWindow(const Ref<PrintInfo>& info,
                                                       const Ref<Window>& window,
                                                       std::function<void(std::int64_t)> handler) {
    if (dialog_)
        return;
    Application::shared()->finishLaunching();
    printInfo_ = info ? info : PrintInfo::sharedPrintInfo();
    auto* dialog =
        new detail::PageSetupDialog(*printInfo_, window ? window->peer().widget.data() : nullptr);
    dialog_ = std::make_unique<Dialog>();
    dialog_->widget = dialog;
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [this, hold = self(), weakWindow = WeakRef<Window>(window),
                      handler = std::move(handler)](int result) {
                         // Once the key or click that ended the sheet has been handled, since the
                         // dialog goes with it.
                         QTimer::singleShot(0, qApp, [this, hold, weakWindow, handler, result] {
                             const std::int64_t response = finish(result == QDialog::Accepted);
                             detail::sheetEnded(weakWindow.lock());
                             if (handler)
                                 handler(response);
                         });
                     });
    detail::showSheet(*dialog, window);
}

} // namespace platform
