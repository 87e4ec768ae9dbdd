#pragma once

// The running window as the desktop reaches it on the session bus: freedesktop's
// org.freedesktop.Application interface (the one launchers and DBusActivatable entries speak), at the
// object path named after the application id. A later launch of the program calls Open with its files,
// or Activate without any; both bring the window to the front.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class ApplicationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    using QObject::QObject;

    static constexpr char interfaceName[] = "org.freedesktop.Application";
    // The well-known name (the application id) and the object path derived from it.
    static QString serviceName();
    static QString objectPath();

public Q_SLOTS:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // The program offers no actions of its own; asked for one, it comes to the front.
    void ActivateAction(const QString& actionName, const QVariantList& parameter, const QVariantMap& platformData);

Q_SIGNALS:
    void activated();
    void openRequested(const QStringList& uris);
};
