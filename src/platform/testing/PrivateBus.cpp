#include "platform/testing/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform::testing {

namespace {

pid_t& daemonPid() {
    static pid_t pid = 0;
    return pid;
}

void endDaemon() {
    if (daemonPid() > 0)
        ::kill(daemonPid(), SIGTERM);
}

// A connection of its own for each service name, owning that name.
QDBusConnection emitter(const std::string& service) {
    const QString name = QStringLiteral("pondaro-test-emitter-") + QString::fromStdString(service);
    QDBusConnection connection(name);
    if (!connection.isConnected()) {
        connection = QDBusConnection::connectToBus(
            QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS")), name);
        if (!service.empty())
            connection.registerService(QString::fromStdString(service));
    }
    return connection;
}

} // namespace

bool PrivateBus::start() {
    static const bool running = [] {
        // A process that a test started uses the bus of the test.
        if (const char* inherited = std::getenv("PONDARO_TEST_BUS")) {
            ::setenv("DBUS_SESSION_BUS_ADDRESS", inherited, 1);
            ::setenv("DBUS_SYSTEM_BUS_ADDRESS", inherited, 1);
            return true;
        }
        FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (!out)
            return false;
        char address[512] = {};
        char pid[32] = {};
        const bool read =
            std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out);
        ::pclose(out);
        if (!read)
            return false;
        std::string line(address);
        line.erase(line.find_last_not_of('\n') + 1);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", line.c_str(), 1);
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", line.c_str(), 1);
        ::setenv("PONDARO_TEST_BUS", line.c_str(), 1);
        daemonPid() = static_cast<pid_t>(std::atol(pid));
        std::atexit(endDaemon);
        return true;
    }();
    return running;
}

void PrivateBus::emitSignal(const std::string& service, const std::string& path,
                            const std::string& interface, const std::string& member,
                            std::optional<bool> argument) {
    QDBusMessage message =
        QDBusMessage::createSignal(QString::fromStdString(path), QString::fromStdString(interface),
                                   QString::fromStdString(member));
    if (argument)
        message << *argument;
    emitter(service).send(message);
}

void PrivateBus::emitMountPoints(const std::string& device, const std::vector<std::string>& points,
                                 bool fromService) {
    QDBusArgument list;
    list.beginArray(QMetaType::fromType<QByteArray>());
    for (const std::string& point : points)
        list << QByteArray(point.c_str(), static_cast<qsizetype>(point.size() + 1));
    list.endArray();
    QDBusMessage message = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/UDisks2/block_devices/") + QString::fromStdString(device),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    message << QStringLiteral("org.freedesktop.UDisks2.Filesystem")
            << QVariantMap{{QStringLiteral("MountPoints"), QVariant::fromValue(list)}}
            << QStringList();
    emitter(fromService ? "org.freedesktop.UDisks2" : "").send(message);
}

} // namespace platform::testing
