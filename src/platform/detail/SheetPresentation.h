#pragma once

// Internal to the platform: the showing and ending of a dialog as a sheet, shared by alerts and
// the open and save panels.

#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QDialog>

namespace platform::detail {

// Shows the dialog over the window, blocking input to that window only (to the whole
// application without a window); the window's delegate hears windowWillBeginSheet first.
inline void showSheet(QDialog& dialog, const Ref<Window>& window) {
    if (window)
        window->notifyDelegate(&WindowDelegate::windowWillBeginSheet,
                               "NSWindowWillBeginSheetNotification");
    dialog.setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

// The sheet over the window has gone: its delegate hears windowDidEndSheet.
inline void sheetEnded(const Ref<Window>& window) {
    if (window)
        window->notifyDelegate(&WindowDelegate::windowDidEndSheet,
                               "NSWindowDidEndSheetNotification");
}

} // namespace platform::detail
