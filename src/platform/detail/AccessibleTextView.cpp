#include "platform/detail/AccessibleTextView.h"

#include "platform/detail/QtStrings.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Color.h"
#include "platform/views/AccessibleText.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace platform::detail {

namespace {

class AccessibleTextView : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    AccessibleTextView(QWidget* widget, const AccessibleText& text)
        : QAccessibleWidget(widget, QAccessible::Document), text_(text) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return all();
        return QAccessibleWidget::text(kind);
    }

    // The text is read, never selected or edited, through this interface.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override {
        return static_cast<int>(
            std::clamp<std::int64_t>(text_.accessibilityInsertionPointIndex(), 0, count()));
    }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override {
        return all().mid(startOffset, std::max(0, endOffset - startOffset));
    }
    int characterCount() const override { return static_cast<int>(count()); }

    // The view draws its text in pieces of its own; where each character stands is not kept.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        Range run{offset, 0};
        const auto color = text_.accessibilityForegroundColorAtIndex(offset, run);
        *startOffset = static_cast<int>(run.location);
        *endOffset = static_cast<int>(run.maxRange());
        if (!color)
            return {};
        const auto channel = [](double component) {
            return QString::number(std::lround(std::clamp(component, 0.0, 1.0) * 255));
        };
        return QStringLiteral("color:rgb(%1,%2,%3);")
            .arg(channel(color->redComponent()), channel(color->greenComponent()),
                 channel(color->blueComponent()));
    }

private:
    QString all() const { return toQString(text_.accessibilityValue()); }
    std::int64_t count() const {
        const auto value = text_.accessibilityValue();
        return value ? value->length() : 0;
    }

    const AccessibleText& text_;
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    // The program's windows are plain widgets to the toolkit; a screen reader should see them as
    // windows, to announce each by its title as it comes to the front.
    if (auto* window = dynamic_cast<WindowWidget*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    auto* widget = dynamic_cast<ViewWidget<QWidget>*>(object);
    if (!widget)
        return nullptr;
    const auto* text = dynamic_cast<const AccessibleText*>(&widget->receiver());
    return text ? new AccessibleTextView(widget, *text) : nullptr;
}

TextChangeWatcher& watcher() {
    static TextChangeWatcher instance;
    return instance;
}

// Reports the change to whoever listens; the text is read only when someone does.
void post(View& view, Range range, bool inserted) {
    const auto* text = dynamic_cast<const AccessibleText*>(&view);
    QWidget* widget = view.peer().widget;
    const bool active = QAccessible::isActive();
    if (!text || !widget || (!active && !watcher()))
        return;
    const auto value = text->accessibilityValue();
    static const std::u16string none;
    const std::u16string& all = value ? value->utf16() : none;
    const auto from = std::min<std::size_t>(static_cast<std::size_t>(range.location), all.size());
    const std::u16string part = all.substr(from, static_cast<std::size_t>(range.length));
    const QString changed = QString::fromStdU16String(part);
    if (watcher())
        watcher()(view, inserted, range.location, part);
    if (!active)
        return;
    const int location = static_cast<int>(range.location);
    if (!inserted) {
        QAccessibleTextRemoveEvent removed(widget, location, changed);
        QAccessible::updateAccessibility(&removed);
        return;
    }
    QAccessibleTextInsertEvent insertedEvent(widget, location, changed);
    QAccessible::updateAccessibility(&insertedEvent);
    QAccessibleTextCursorEvent caret(widget, static_cast<int>(range.maxRange()));
    QAccessible::updateAccessibility(&caret);
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}

void postTextInserted(View& view, Range range) {
    post(view, range, true);
}

void postTextRemoved(View& view, Range range) {
    post(view, range, false);
}

void setTextChangeWatcher(TextChangeWatcher watcher) {
    detail::watcher() = std::move(watcher);
}

} // namespace platform::detail
