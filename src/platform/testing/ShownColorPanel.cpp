#include "platform/testing/ShownColorPanel.h"

#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform::testing {

namespace {

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
}

} // namespace

bool typeColorInShownColorPanel(std::string_view html) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QColorDialog*>(window);
        if (!dialog || !dialog->isVisible())
            continue;
        // The HTML field is the one line edit that shows the colour as "#rrggbb".
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (!field->text().startsWith(QLatin1Char('#')))
                continue;
            sendKey(*field, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
            for (const QChar character :
                 QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())))
                sendKey(*field, character.toUpper().unicode(), Qt::NoModifier, QString(character));
            sendKey(*field, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            return true;
        }
    }
    return false;
}

} // namespace platform::testing
