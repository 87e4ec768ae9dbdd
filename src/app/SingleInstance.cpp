#include "app/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcessEnvironment>

#include <utility>

namespace {

// How long a launch waits for the window to take its files: it answers between two turns of its
// event loop, but a window busy laying out a long queue may take a moment.
constexpr int handOverTimeoutMs = 10'000;

// What freedesktop's platform data carries for the window to be brought to the front: the launcher's
// activation token, under the name each windowing system's launchers give it.
QVariantMap platformData()
{
    QVariantMap data;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (const QString token = environment.value(QStringLiteral("XDG_ACTIVATION_TOKEN")); !token.isEmpty()) {
        data.insert(QStringLiteral("activation-token"), token);
    }
    if (const QString id = environment.value(QStringLiteral("DESKTOP_STARTUP_ID")); !id.isEmpty()) {
        data.insert(QStringLiteral("desktop-startup-id"), id);
    }
    return data;
}

} // namespace

SingleInstance::SingleInstance(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

SingleInstance::Role SingleInstance::start(const QStringList& uris)
{
    if (!m_bus.isConnected()) {
        return Role::alone;
    }
    // Two launches at the same moment: one takes the name, the other hands over; should the holder end
    // between the two steps, the name is free again and is taken on the second try.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (claim()) {
            return Role::first;
        }
        if (handOver(uris)) {
            return Role::handedOver;
        }
    }
    return Role::alone;
}

bool SingleInstance::claim()
{
    // The object answers before the name is taken, so a launch that finds the name finds it answering.
    if (!m_registered) {
        m_registered = m_bus.registerObject(ApplicationService::objectPath(), &m_service,
                                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
        if (!m_registered) {
            return false;
        }
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_bus.interface()->registerService(
        ApplicationService::serviceName(), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool SingleInstance::handOver(const QStringList& uris)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(ApplicationService::serviceName(), ApplicationService::objectPath(),
                                       QString::fromLatin1(ApplicationService::interfaceName),
                                       uris.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (uris.isEmpty()) {
        call << platformData();
    } else {
        call << uris << platformData();
    }
    // Nothing is started for the call: the name belongs to a window that is open, or to none.
    call.setAutoStartService(false);
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, handOverTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
