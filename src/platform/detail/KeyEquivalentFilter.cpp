#include "platform/detail/KeyEquivalentFilter.h"

#include "platform/app/Application.h"
#include "platform/detail/EventTranslation.h"
#include "platform/windows/Menu.h"

#include <QApplication>
#include <QKeyEvent>

namespace platform::detail {

namespace {

// Key equivalents need a modifier: plain typing always reaches the focused field.
constexpr Qt::KeyboardModifiers EquivalentModifiers =
    Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier;

class KeyEquivalentFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        // A key no item takes goes on to the widgets as usual.
        return performMainMenuKeyEquivalent(static_cast<const QKeyEvent&>(*event));
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
