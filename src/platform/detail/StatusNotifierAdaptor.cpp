#include "platform/detail/StatusNotifierAdaptor.h"

#include <QCoreApplication>

namespace platform::detail {

StatusNotifierAdaptor::StatusNotifierAdaptor(QObject* object, const State& state,
                                             std::function<void()> click)
    : QDBusAbstractAdaptor(object), state_(state), click_(std::move(click)) {}

QString StatusNotifierAdaptor::id() const {
    return QCoreApplication::applicationName();
}

void StatusNotifierAdaptor::Activate(int, int) {
    click_();
}

// A status item answers only the primary click; it has no menu.
void StatusNotifierAdaptor::SecondaryActivate(int, int) {}

void StatusNotifierAdaptor::ContextMenu(int, int) {}

void StatusNotifierAdaptor::Scroll(int, const QString&) {}

} // namespace platform::detail
