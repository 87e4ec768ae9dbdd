#pragma once

// Sends notifications to the desktop: to the freedesktop notification service over the session bus
// (org.freedesktop.Notifications), and where no such service answers, as the message of a tray icon.
// Never waits: the service's answer arrives later, and only a failure to reach it matters.

#include "ui/NotificationSender.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <optional>

class QDBusPendingCallWatcher;
class QSystemTrayIcon;

class DesktopNotifier : public QObject, public NotificationSender
{
    Q_OBJECT

public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");

    // On the session bus, reached only when there is something to send: most runs never announce anything.
    explicit DesktopNotifier(QObject* parent = nullptr);
    explicit DesktopNotifier(QDBusConnection bus, QObject* parent = nullptr);
    ~DesktopNotifier() override;

    void send(const QString& summary, const QString& body) override;

Q_SIGNALS:
    // The notification service took the notification (with its id), or did not and the tray was asked.
    void delivered(uint id);
    void fellBack();

private:
    void showInTray(const QString& summary, const QString& body);

    std::optional<QDBusConnection> m_bus;
    QPointer<QSystemTrayIcon> m_tray;
};
