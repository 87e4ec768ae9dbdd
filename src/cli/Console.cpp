#include "Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Shorter texts would mask ordinary words; no real key is that short.
constexpr qsizetype minimumMaskedLength = 4;
const QString mask = QStringLiteral("[API key]");

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
        shown.replace(m_secret, mask);
    }
    const QByteArray bytes = shown.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}
