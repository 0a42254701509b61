#include "platform/app/Workspace.h"

#include "platform/app/Application.h"
#include "platform/detail/DesktopBus.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/services/NotificationCenter.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QMimeDatabase>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

namespace platform {

namespace {

using detail::DesktopBus;

// A desktop signal and the notifications it stands for: with a boolean argument, the first
// name for true and the second for false; without one, the first name.
struct DesktopSignal {
    DesktopBus::Bus bus;
    const char* service;
    // "%s" stands for the object path of this login session.
    const char* path;
    const char* interface;
    const char* member;
    const char* whenTrue;
    const char* whenFalse;
};
constexpr DesktopSignal kDesktopSignals[] = {
    {DesktopBus::Bus::Session, "", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
     "ActiveChanged", "NSWorkspaceScreensDidSleepNotification",
     "NSWorkspaceScreensDidWakeNotification"},
    {DesktopBus::Bus::System, "org.freedesktop.login1", "/org/freedesktop/login1",
     "org.freedesktop.login1.Manager", "PrepareForSleep", "NSWorkspaceWillSleepNotification",
     "NSWorkspaceDidWakeNotification"},
    {DesktopBus::Bus::System, "org.freedesktop.login1", "%s", "org.freedesktop.login1.Session",
     "Lock", "NSWorkspaceSessionDidResignActiveNotification", nullptr},
    {DesktopBus::Bus::System, "org.freedesktop.login1", "%s", "org.freedesktop.login1.Session",
     "Unlock", "NSWorkspaceSessionDidBecomeActiveNotification", nullptr},
};

// The login manager's object path of this session ("c2" is ".../session/c2", "2" is
// ".../session/_32"), or nothing outside a login session.
QString sessionPath() {
    const QByteArray id = qgetenv("XDG_SESSION_ID");
    if (id.isEmpty())
        return {};
    QString path = QStringLiteral("/org/freedesktop/login1/session/");
    for (qsizetype i = 0; i < id.size(); ++i) {
        const char c = id[i];
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9' && i > 0);
        path += plain ? QString(QChar(c))
                      : QStringLiteral("_%1").arg(static_cast<unsigned char>(c), 2, 16, QChar('0'));
    }
    return path;
}

// The mount points in a file system's changed MountPoints property (an array of byte strings,
// each ending in a zero byte).
std::set<QByteArray> mountPoints(const QVariant& value) {
    std::set<QByteArray> points;
    QList<QByteArray> list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    for (QByteArray point : list) {
        if (point.endsWith('\0'))
            point.chop(1);
        points.insert(point);
    }
    return points;
}

// The disk service tells a file system's mount points as a changed property: the points that
// appear are mounts, the points that go are unmounts. The points are known from the changes
// seen, so a file system mounted before the centre began listening is not announced when it is
// unmounted.
void listenForMounts(QObject* listener, const WeakRef<NotificationCenter>& center) {
    auto known = std::make_shared<std::map<QString, std::set<QByteArray>>>();
    DesktopBus::listen(
        DesktopBus::Bus::System, QStringLiteral("org.freedesktop.UDisks2"), QString(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        listener, [known, center](const QDBusMessage& message) {
            const QList<QVariant> arguments = message.arguments();
            if (arguments.size() < 2 ||
                arguments[0].toString() != QLatin1String("org.freedesktop.UDisks2.Filesystem"))
                return;
            const QVariantMap changed = qdbus_cast<QVariantMap>(arguments[1]);
            if (!changed.contains(QStringLiteral("MountPoints")))
                return;
            const std::set<QByteArray> now = mountPoints(changed[QStringLiteral("MountPoints")]);
            std::set<QByteArray>& before = (*known)[message.path()];
            const auto post = [&](const std::set<QByteArray>& from,
                                  const std::set<QByteArray>& less, const char* name) {
                std::vector<QByteArray> points;
                std::set_difference(from.begin(), from.end(), less.begin(), less.end(),
                                    std::back_inserter(points));
                const auto target = center.lock();
                for (const QByteArray& point : points) {
                    const auto info = Dictionary::dictionary();
                    info->setObjectForKey(String::fromUtf8(point.toStdString()),
                                          String::fromUtf8("NSDevicePath"));
                    if (target)
                        target->postNotificationNameObject(String::fromUtf8(name),
                                                           Workspace::sharedWorkspace(), info);
                }
            };
            post(before, now, "NSWorkspaceDidUnmountNotification");
            post(now, before, "NSWorkspaceDidMountNotification");
            before = now;
        });
}

} // namespace

Ref<Workspace> Workspace::sharedWorkspace() {
    static const Ref<Workspace> workspace = std::make_shared<Workspace>();
    return workspace;
}

Ref<NotificationCenter> Workspace::notificationCenter() {
    static const Ref<NotificationCenter> center = [] {
        Application::shared();
        auto made = std::make_shared<NotificationCenter>();
        // The application owns the subscriptions, so that they end before the bus connections.
        auto* listener = new QObject(QCoreApplication::instance());
        const QString session = sessionPath();
        for (const DesktopSignal& row : kDesktopSignals) {
            QString path = QString::fromLatin1(row.path);
            if (path == QLatin1String("%s")) {
                if (session.isEmpty())
                    continue;
                path = session;
            }
            const WeakRef<NotificationCenter> weak = made;
            DesktopBus::listen(row.bus, QString::fromLatin1(row.service), path,
                               QString::fromLatin1(row.interface), QString::fromLatin1(row.member),
                               listener, [weak, row](const QDBusMessage& message) {
                                   const auto target = weak.lock();
                                   const QList<QVariant> arguments = message.arguments();
                                   const bool value = arguments.isEmpty() || arguments[0].toBool();
                                   const char* name = value ? row.whenTrue : row.whenFalse;
                                   if (target && name)
                                       target->postNotificationNameObject(String::fromUtf8(name),
                                                                          sharedWorkspace());
                               });
        }
        listenForMounts(listener, made);
        return made;
    }();
    return center;
}

Ref<String> Workspace::typeOfFile(const String& path) const {
    if (path.isEmpty())
        return nullptr;
    Application::shared();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromStdU16String(path.utf16()));
    return String::create(type.name().toStdU16String());
}

bool Workspace::typeConformsToType(const String& type, const String& conformsTo) const {
    const QMimeDatabase database;
    const QMimeType mime = database.mimeTypeForName(QString::fromStdU16String(type.utf16()));
    if (!mime.isValid())
        return type.isEqual(conformsTo);
    return mime.inherits(QString::fromStdU16String(conformsTo.utf16()));
}

} // namespace platform
