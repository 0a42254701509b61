#pragma once

// Internal to the platform: a status item's side of the status notifier protocol on the
// session bus, the properties a desktop panel reads and the clicks it sends.

#include <QDBusAbstractAdaptor>

#include <functional>

namespace platform::detail {

class StatusNotifierAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)

public:
    struct State {
        QString title;
        QString iconName;
        bool visible = true;
    };
    // The state is read when the panel asks; the click handler runs for each activation.
    StatusNotifierAdaptor(QObject* object, const State& state, std::function<void()> click);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const;
    QString title() const { return state_.title; }
    QString status() const {
        return state_.visible ? QStringLiteral("Active") : QStringLiteral("Passive");
    }
    QString iconName() const { return state_.iconName; }
    bool itemIsMenu() const { return false; }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewStatus(const QString& status);

private:
    const State& state_;
    std::function<void()> click_;
};

} // namespace platform::detail
