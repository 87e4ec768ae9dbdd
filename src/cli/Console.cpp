#include "cli/Console.h"

#include "model/FileNames.h"

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Shorter texts would mask ordinary words; no real key is that short.
constexpr qsizetype minimumMaskedLength = 4;

} // namespace

Console::Console(std::FILE* out, std::FILE* err)
    : m_out(out)
    , m_err(err)
    , m_errIsTerminal(::isatty(::fileno(err)) == 1)
{
}

void Console::setSecret(const QString& secret)
{
    m_secret = secret.size() >= minimumMaskedLength ? secret : QString();
}

void Console::out(const QString& text)
{
    write(m_out, text);
}

void Console::outUtf8(QByteArray text)
{
    if (!m_secret.isEmpty()) {
        text.replace(m_secret.toUtf8(), QCoreApplication::translate("Console", "[API key]").toUtf8());
    }
    write(m_out, text);
}

void Console::err(const QString& text)
{
    write(m_err, text);
}

int Console::errColumns() const
{
    winsize size{};
    if (m_errIsTerminal && ::ioctl(::fileno(m_err), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}

void Console::write(std::FILE* stream, const QString& text)
{
    QString shown = text;
    if (!m_secret.isEmpty()) {
        shown.replace(m_secret, QCoreApplication::translate("Console", "[API key]"));
    }
    write(stream, shown.toUtf8());
}

void Console::write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString Console::visible(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
        const bool direction =
            (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F || u == 0x061C;
        // A byte of a name that is not UTF-8 (see FileNames).
        const bool rawByte = FileNames::isEscapedByte(text, i);
        if (!control && !direction && !rawByte) {
            shown.append(c);
        } else if (u == '\n') {
            shown.append(QLatin1String("\\n"));
        } else if (u == '\r') {
            shown.append(QLatin1String("\\r"));
        } else if (u == '\t') {
            shown.append(QLatin1String("\\t"));
        } else if (u == 0x1B) {
            shown.append(QLatin1String("\\e"));
        } else if (rawByte || u < 0x100) {
            shown.append(QStringLiteral("\\x%1").arg(u & 0xFF, 2, 16, QLatin1Char('0')));
        } else {
            shown.append(QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0')));
        }
    }
    return shown;
}
