#include "platform/detail/ModalInputFilter.h"

#include "platform/detail/KeyEquivalentFilter.h"
#include "platform/detail/ModalRun.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

#include <deque>

namespace platform::detail {

namespace {

struct TypedKey {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat;
};

std::deque<TypedKey>& typedAhead() {
    static std::deque<TypedKey> keys;
    return keys;
}

// The editable field with the keyboard focus in the run's window, while the run waits for it.
QLineEdit* waitingField(const ModalRun& run) {
    QWidget* window = run.widget();
    if (!window || run.isStopped())
        return nullptr;
    auto* field = qobject_cast<QLineEdit*>(window->focusWidget());
    return field && field->isEnabled() && !field->isReadOnly() ? field : nullptr;
}

// Whether input meant for the widget reaches it during the run: the run's window and the
// windows it owns, the windows that work when modal, popup menus, and the menu bars of all
// windows.
bool reaches(const ModalRun& run, QWidget& widget) {
    for (QWidget* w = &widget; w; w = w->parentWidget())
        if (w == run.widget() || qobject_cast<QMenuBar*>(w) || w->windowType() == Qt::Popup ||
            w->property(kWorksWhenModalProperty).toBool())
            return true;
    return false;
}

bool isMouseInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

class ModalInputFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        ModalRun* run = ModalRun::innermost();
        if (!run || !watched->isWidgetType())
            return false;
        auto& widget = static_cast<QWidget&>(*watched);
        const QEvent::Type type = event->type();
        if (isMouseInput(type))
            return !reaches(*run, widget);
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return false;
        if (reaches(*run, widget))
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (type == QEvent::KeyPress && performMainMenuKeyEquivalent(key))
            return true;
        typedAhead().push_back({type, key.key(), key.modifiers(), key.text(), key.isAutoRepeat()});
        deliverTypeAhead(*run);
        return true;
    }
};

} // namespace

void installModalInputFilter() {
    static ModalInputFilter* filter = [] {
        auto* installed = new ModalInputFilter(qApp);
        qApp->installEventFilter(installed);
        return installed;
    }();
    (void)filter;
}

void deliverTypeAhead(ModalRun& run) {
    auto& keys = typedAhead();
    while (!keys.empty()) {
        // Each key may end the run (Return) or take its field away.
        const QPointer<QLineEdit> field = waitingField(run);
        if (!field)
            return;
        const TypedKey typed = keys.front();
        keys.pop_front();
        QKeyEvent key(typed.type, typed.key, typed.modifiers, typed.text, typed.autoRepeat);
        QApplication::sendEvent(field, &key);
    }
}

} // namespace platform::detail
