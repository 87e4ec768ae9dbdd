#include "ui/DesktopNotifier.h"

#include "ui/AppIcon.h"
#include "ui/ApplicationInfo.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVariantMap>

#include <utility>

namespace {

// How long a notification stays, for services that leave it to the sender; the tray icon goes with it.
constexpr int shownMilliseconds = 10'000;

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent)
    : QObject(parent)
{
}

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

DesktopNotifier::~DesktopNotifier()
{
    delete m_tray;
}

void DesktopNotifier::send(const QString& summary, const QString& body)
{
    if (!m_bus) {
        m_bus = QDBusConnection::sessionBus();
    }
    if (!m_bus->isConnected()) {
        showInTray(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    // The launcher entry tells the desktop whose notification it is: its name and icon, and what to raise.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QString::fromLatin1(ApplicationInfo::id)}};
    call << QStringLiteral("Tovalin Image Optimizer") << uint(0) << QString::fromLatin1(ApplicationInfo::id) << summary
         << body << QStringList() << hints << shownMilliseconds;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            // No notification service runs on this bus, or it refused.
            showInTray(summary, body);
            return;
        }
        Q_EMIT delivered(reply.value());
    });
}

void DesktopNotifier::showInTray(const QString& summary, const QString& body)
{
    Q_EMIT fellBack();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    if (m_tray == nullptr) {
        m_tray = new QSystemTrayIcon(AppIcon::icon());
        m_tray->setToolTip(QStringLiteral("Tovalin Image Optimizer"));
    }
    // The icon is there only while it has something to say.
    m_tray->show();
    m_tray->showMessage(summary, body, AppIcon::icon(), shownMilliseconds);
    QTimer::singleShot(shownMilliseconds, m_tray, &QSystemTrayIcon::hide);
}
