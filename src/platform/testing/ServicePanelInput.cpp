#include "platform/testing/ServicePanelInput.h"

#include "platform/testing/ToolkitInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>

namespace platform::testing {

namespace {

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &release);
}

// Types into the first field of a visible dialog of the kind that the test picks.
template <class Dialog>
bool typeInto(std::string_view text, const std::function<bool(const QLineEdit&)>& isField) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<Dialog*>(window);
        if (!dialog || !dialog->isVisible())
            continue;
        for (QLineEdit* field : dialog->template findChildren<QLineEdit*>()) {
            if (!isField(*field))
                continue;
            sendKey(*field, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
            for (const QChar character :
                 QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
                sendKey(*field, character.toUpper().unicode(), Qt::NoModifier, QString(character));
            sendKey(*field, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            return true;
        }
    }
    return false;
}

} // namespace

bool typeColorInShownColorPanel(std::string_view html) {
    // The HTML field is the one line edit that shows the colour as "#rrggbb".
    return typeInto<QColorDialog>(
        html, [](const QLineEdit& field) { return field.text().startsWith(QLatin1Char('#')); });
}

bool typeSizeInShownFontPanel(std::string_view size) {
    // The family and style fields are read-only; the size field takes numbers only.
    return typeInto<QFontDialog>(size, [](const QLineEdit& field) {
        return !field.isReadOnly() && field.validator() != nullptr;
    });
}

bool clickInShownPageSetup(std::string_view option) {
    const QString wanted = QString::fromUtf8(option.data(), static_cast<qsizetype>(option.size()));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog || !dialog->isVisible() || dialog->windowTitle() != u"Page Setup")
            continue;
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->text().remove(u'&') == wanted) {
                clickWidgetAt(*button, QPointF(button->rect().center()));
                return true;
            }
    }
    return false;
}

} // namespace platform::testing
