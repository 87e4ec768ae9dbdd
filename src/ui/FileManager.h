#pragma once

// Opens saved files and shows them in the desktop's file manager. Showing asks the file manager over the
// session bus to open their folder with them selected (org.freedesktop.FileManager1, ShowItems), and
// where nothing answers there, opens the folder itself. Never waits on the bus.

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class FileManager : public QObject
{
    Q_OBJECT

public:
    static inline const QString service = QStringLiteral("org.freedesktop.FileManager1");
    static inline const QString path = QStringLiteral("/org/freedesktop/FileManager1");

    // Hands a file or folder to the desktop's program for it.
    using Opener = std::function<bool(const QUrl&)>;

    // On the session bus, reached only when asked to show something.
    explicit FileManager(QObject* parent = nullptr);
    FileManager(QDBusConnection bus, Opener opener, QObject* parent = nullptr);

    void setBus(QDBusConnection bus) { m_bus = std::move(bus); }
    void setOpener(Opener opener) { m_open = std::move(opener); }

    void open(const QUrl& file);
    // The files' folder with the files selected; they are expected to share one folder.
    void showInFolder(const QList<QUrl>& files);

Q_SIGNALS:
    // The file manager took the request, or did not answer and the folder was opened instead.
    void shown();
    void fellBack();

private:
    void openFolder(const QUrl& file);

    std::optional<QDBusConnection> m_bus;
    Opener m_open;
};
