#pragma once

// The service's replies that tests serve, kept as JSON files under tests/fixtures/replies/ and named
// after what they say ("pending", "done-webp-only"). In a file, "@" stands for the test server's base
// address and "#" for its port, so that result addresses lead back to it.

#include "tests/support/ScriptedReply.h"
#include "tests/support/TestHttpsServer.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace ReplyFixtures {

inline QByteArray text(const QString& name)
{
    QFile file(QStringLiteral(TOVALIN_TEST_FIXTURES_DIR "/replies/") + name + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no reply fixture %s", qPrintable(name));
    }
    return file.readAll().trimmed();
}

// The reply as `server` would give it, with a leading "NNN " in `name` for its HTTP status.
inline QByteArray body(const QString& name, const TestHttpsServer& server)
{
    return text(name)
        .replace('@', server.baseUrl().toString().toUtf8())
        .replace('#', QByteArray::number(server.port()));
}

inline ScriptedReply reply(const QString& name, const TestHttpsServer& server, int status = 200)
{
    return ScriptedReply::json(body(name, server), status);
}

} // namespace ReplyFixtures
