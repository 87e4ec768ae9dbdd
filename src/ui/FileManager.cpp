#include "ui/FileManager.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QFileInfo>

#include <utility>

namespace {

// A file manager that is not running is started by the bus first, which can take a while.
constexpr int replyMilliseconds = 10'000;

bool openWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace

FileManager::FileManager(QObject* parent)
    : QObject(parent)
    , m_open(openWithDesktop)
{
}

FileManager::FileManager(QDBusConnection bus, Opener opener, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_open(std::move(opener))
{
}

void FileManager::open(const QUrl& file)
{
    m_open(file);
}

void FileManager::showInFolder(const QList<QUrl>& files)
{
    if (files.isEmpty()) {
        return;
    }
    if (!m_bus) {
        m_bus = QDBusConnection::sessionBus();
    }
    if (!m_bus->isConnected()) {
        openFolder(files.constFirst());
        return;
    }
    QStringList uris;
    for (const QUrl& file : files) {
        uris.append(file.toString(QUrl::FullyEncoded));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("ShowItems"));
    call << uris << QString();
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call, replyMilliseconds), this);
    const QUrl first = files.constFirst();
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, first] {
        watcher->deleteLater();
        if (QDBusPendingReply<> reply = *watcher; reply.isError()) {
            openFolder(first);
            return;
        }
        Q_EMIT shown();
    });
}

void FileManager::openFolder(const QUrl& file)
{
    Q_EMIT fellBack();
    m_open(QUrl::fromLocalFile(QFileInfo(file.toLocalFile()).absolutePath()));
}
