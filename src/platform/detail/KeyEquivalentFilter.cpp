#include "platform/detail/KeyEquivalentFilter.h"

#include "platform/app/Application.h"
#include "platform/detail/EventTranslation.h"
#include "platform/windows/Menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace platform::detail {

namespace {

// Key equivalents need a modifier: plain typing always reaches the focused field.
constexpr Qt::KeyboardModifiers EquivalentModifiers =
    Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier;

// F10 opens the first menu of a menu bar for the keyboard, as on the other desktops: the bar of
// the active window, or else of the first window that has one, since the windows that ask for
// input have none of their own.
bool openMenuBarFromKeyboard() {
    QWidgetList windows = QApplication::topLevelWidgets();
    if (QWidget* active = QApplication::activeWindow())
        windows.prepend(active);
    for (QWidget* window : windows) {
        auto* bar = window->isVisible() ? window->findChild<QMenuBar*>() : nullptr;
        if (bar && !bar->actions().isEmpty()) {
            bar->setActiveAction(bar->actions().constFirst());
            return true;
        }
    }
    return false;
}

class KeyEquivalentFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier)
            return openMenuBarFromKeyboard();
        // A key no item takes goes on to the widgets as usual.
        return performMainMenuKeyEquivalent(key);
    }
};

} // namespace

bool performMainMenuKeyEquivalent(const QKeyEvent& key) {
    if (!(key.modifiers() & EquivalentModifiers) || isModifierKey(key.key()))
        return false;
    const auto menu = Application::shared()->mainMenu();
    return menu &&
           menu->performKeyEquivalent(*translateKeyEvent(key, EventType::KeyDown, nullptr, {}));
}

void installKeyEquivalentFilter() {
    static KeyEquivalentFilter* filter = [] {
        auto* installed = new KeyEquivalentFilter(qApp);
        qApp->installEventFilter(installed);
        return installed;
    }();
    (void)filter;
}

} // namespace platform::detail
