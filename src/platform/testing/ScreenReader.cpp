#include "platform/testing/ScreenReader.h"

#include "platform/detail/AccessibleTextView.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QAccessible>
#include <QWidget>

namespace platform::testing {

namespace {

QAccessibleInterface* accessibleOf(const View& view) {
    QWidget* widget = view.peer().widget;
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QAccessibleTextInterface* textOf(const View& view) {
    QAccessibleInterface* accessible = accessibleOf(view);
    return accessible ? accessible->textInterface() : nullptr;
}

} // namespace

ScreenReader::ScreenReader() {
    detail::setTextChangeWatcher(
        [this](View&, bool inserted, std::int64_t location, std::u16string text) {
            const std::string head = (inserted ? "+" : "-") + std::to_string(location) + " ";
            changes_.push_back(std::u16string(head.begin(), head.end()) + text);
        });
}

ScreenReader::~ScreenReader() {
    detail::setTextChangeWatcher(nullptr);
}

std::string ScreenReader::role(const View& view) {
    QAccessibleInterface* accessible = accessibleOf(view);
    if (!accessible)
        return {};
    switch (accessible->role()) {
    case QAccessible::Document:
        return "document";
    case QAccessible::EditableText:
        return "text";
    case QAccessible::StaticText:
        return "label";
    case QAccessible::Button:
        return "push button";
    default:
        return "role " + std::to_string(accessible->role());
    }
}

std::u16string ScreenReader::name(const View& view) {
    QAccessibleInterface* accessible = accessibleOf(view);
    return accessible ? accessible->text(QAccessible::Name).toStdU16String() : std::u16string();
}

std::u16string ScreenReader::name(const Window& window) {
    QWidget* widget = window.peer().widget;
    QAccessibleInterface* accessible =
        widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    return accessible ? accessible->text(QAccessible::Name).toStdU16String() : std::u16string();
}

std::u16string ScreenReader::text(const View& view) {
    QAccessibleTextInterface* text = textOf(view);
    return text ? text->text(0, text->characterCount()).toStdU16String() : std::u16string();
}

int ScreenReader::caret(const View& view) {
    QAccessibleTextInterface* text = textOf(view);
    return text ? text->cursorPosition() : -1;
}

std::u16string ScreenReader::lineAt(const View& view, int offset) {
    QAccessibleTextInterface* text = textOf(view);
    int start = 0;
    int end = 0;
    return text ? text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end)
                      .toStdU16String()
                : std::u16string();
}

std::string ScreenReader::attributesAt(const View& view, int offset) {
    QAccessibleTextInterface* text = textOf(view);
    int start = 0;
    int end = 0;
    return text ? text->attributes(offset, &start, &end).toStdString() : std::string();
}

bool ScreenReader::hasFocus(const View& view) {
    QWidget* widget = view.peer().widget;
    return widget && widget->window()->focusWidget() == widget;
}

} // namespace platform::testing
