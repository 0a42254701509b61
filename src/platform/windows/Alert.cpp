#include "platform/windows/Alert.h"

#include "platform/app/Application.h"
#include "platform/detail/AlertDialog.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/SheetPresentation.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace platform {

AlertButton::AlertButton(Ref<String> title, std::int64_t tag)
    : title_(std::move(title)), keyEquivalent_(String::create()), tag_(tag) {}

// A sheet on screen. The dialog may have been destroyed with its window already.
struct Alert::Sheet {
    QPointer<detail::AlertDialog> dialog;
    WeakRef<Window> parent;
    std::function<void(std::int64_t)> handler;
    // The alert keeps itself alive while its sheet is up.
    Ref<Object> hold;
    bool ended = false;

    ~Sheet() { delete dialog.data(); }
};

Alert::Alert()
    : messageText_(String::create()), informativeText_(String::create()),
      suppressionButton_(
          std::make_shared<AlertButton>(String::fromUtf8("Do not show this message again"), 0)) {}

Alert::~Alert() = default;

Ref<Alert> Alert::alertWithError(const Ref<Error>& error) {
    auto alert = std::make_shared<Alert>();
    if (!error)
        return alert;
    alert->setMessageText(error->localizedDescription());
    if (auto suggestion = error->localizedRecoverySuggestion())
        alert->setInformativeText(std::move(suggestion));
    if (const auto options = error->localizedRecoveryOptions())
        for (const auto& option : *options)
            if (auto title = option->as<String>())
                alert->addButtonWithTitle(std::move(title));
    if (alert->buttons().empty())
        alert->addButtonWithTitle(String::fromUtf8("OK"));
    return alert;
}

Ref<AlertButton> Alert::addButtonWithTitle(Ref<String> title) {
    auto button = std::make_shared<AlertButton>(
        std::move(title), AlertFirstButtonReturn + static_cast<std::int64_t>(buttons_.size()));
    if (buttons_.empty())
        button->setKeyEquivalent(String::fromUtf8("\r"));
    buttons_.push_back(button);
    return button;
}

std::int64_t Alert::runModal() {
    if (buttons_.empty())
        addButtonWithTitle(String::fromUtf8("OK"));
    Application::shared()->finishLaunching();
    detail::ModalRun* current = nullptr;
    detail::AlertDialog dialog(*this, nullptr, [&current](std::int64_t response) {
        if (current)
            current->stop(response);
    });
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    detail::ModalRun run(&dialog);
    current = &run;
    modalRun_ = &run;
    const std::int64_t response = run.exec();
    modalRun_ = nullptr;
    current = nullptr;
    dialog.hide();
    if (showsSuppressionButton_)
        suppressionButton_->setState(dialog.suppressionChecked() ? 1 : 0);
    return response;
}

void Alert::beginSheetModalForWindowCompletionHandler(const Ref<Window>& window,
                                                      std::function<void(std::int64_t)> handler) {
    if (sheet_)
        return;
    if (buttons_.empty())
        addButtonWithTitle(String::fromUtf8("OK"));
    Application::shared()->finishLaunching();
    QWidget* parent = window ? window->peer().widget.data() : nullptr;
    sheet_ = std::make_unique<Sheet>();
    sheet_->parent = window;
    sheet_->handler = std::move(handler);
    sheet_->hold = self();
    sheet_->dialog = new detail::AlertDialog(*this, parent, [this](std::int64_t response) {
        if (!sheet_ || sheet_->ended)
            return;
        sheet_->ended = true;
        if (showsSuppressionButton_ && sheet_->dialog)
            suppressionButton_->setState(sheet_->dialog->suppressionChecked() ? 1 : 0);
        if (sheet_->dialog)
            sheet_->dialog->hide();
        // The handler runs once the click that ended the sheet has been handled, so that it
        // may release the alert and its dialog.
        QTimer::singleShot(0, qApp, [weak = weak_from_this(), response] {
            const auto object = weak.lock();
            // Closing the alert's window in the meantime took the sheet and its handler away.
            if (!object || !static_cast<Alert&>(*object).sheet_)
                return;
            auto& alert = static_cast<Alert&>(*object);
            const auto sheet = std::move(alert.sheet_);
            detail::sheetEnded(sheet->parent.lock());
            if (sheet->handler)
                sheet->handler(response);
        });
    });
    detail::showSheet(*sheet_->dialog, window);
}

} // namespace platform

namespace platform {

Ref<Window> Alert::sheetParent() const {
    return sheet_ ? sheet_->parent.lock() : nullptr;
}

void Alert::closeWindow() {
    if (modalRun_)
        modalRun_->stop(ModalResponse::Abort);
    if (!sheet_)
        return;
    // The sheet's hold on the alert goes with it; the caller's reference keeps it until then.
    const auto keep = self();
    const auto sheet = std::move(sheet_);
    detail::sheetEnded(sheet->parent.lock());
}

} // namespace platform
