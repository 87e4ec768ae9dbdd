#pragma once

// Where the window's announcements go: the desktop's notifications, or a stand-in in tests.

#include <QString>

class NotificationSender
{
public:
    virtual ~NotificationSender() = default;
    // Shows a notification with a summary line and a body; returns at once.
    virtual void send(const QString& summary, const QString& body) = 0;
};
