#include "platform/testing/ShownPreview.h"

#include "platform/detail/PreviewWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedLayout>

namespace platform::testing {

std::optional<ShownPreview> shownPreview(const PreviewPanel& panel) {
    const auto& window = panel.window();
    if (!window.isVisible())
        return std::nullopt;
    const bool picture = window.pages->currentWidget() == window.picture;
    return ShownPreview{window.title->text().toStdString(),
                        picture ? window.picture->pixmap().width() : 0,
                        picture ? std::string() : window.text->toPlainText().toStdString()};
}

void pressKeyInPreview(const PreviewPanel& panel, PreviewKey key) {
    static constexpr int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                   Qt::Key_Escape};
    const int toolkitKey = keys[static_cast<int>(key)];
    QKeyEvent press(QEvent::KeyPress, toolkitKey, Qt::NoModifier);
    QApplication::sendEvent(&panel.window(), &press);
    QKeyEvent release(QEvent::KeyRelease, toolkitKey, Qt::NoModifier);
    QApplication::sendEvent(&panel.window(), &release);
}

} // namespace platform::testing
