#pragma once

// Internal to the platform: the connections to the desktop's message buses.

#include <QDBusConnection>
#include <QDBusMessage>

#include <functional>

class QObject;

namespace platform::detail {

class DesktopBus {
public:
    enum class Bus { Session, System };

    // The platform's connection to the bus. One that failed (no bus yet) is tried again at the
    // next use, so that a bus started later is found.
    static QDBusConnection connection(Bus bus);
    // Hands each matching signal to the handler while the owner lives. An empty service or
    // path matches any. Answers whether the bus took the subscription.
    static bool listen(Bus bus, const QString& service, const QString& path,
                       const QString& interface, const QString& member, QObject* owner,
                       std::function<void(const QDBusMessage&)> handler);
};

} // namespace platform::detail
