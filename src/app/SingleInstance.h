#pragma once

// One window for all launches in a desktop session. The first launch takes the application id as its
// name on the session bus and answers there (ApplicationService); a later launch hands its files to that
// one through Open and ends, so twenty images opened from a file manager, in one launch or in twenty,
// make one queue. Without a session bus each launch simply opens its own window.

#include "app/ApplicationService.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role
    {
        // This process holds the name: it opens the window and takes later launches' files.
        first,
        // Another process took the files; this one ends.
        handedOver,
        // No session bus, or the name could be neither taken nor reached: a window of its own.
        alone,
    };

    explicit SingleInstance(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    // Claims the name, or hands `uris` (absolute file: URIs) to the process that holds it.
    Role start(const QStringList& uris);

    ApplicationService* service() { return &m_service; }

private:
    bool claim();
    bool handOver(const QStringList& uris);

    QDBusConnection m_bus;
    ApplicationService m_service;
    bool m_registered = false;
};
