#include "cli/Console.h"

#include "model/FileNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace {

// Shorter texts would mask ordinary words; no real key is that short.
constexpr qsizetype minimumMaskedLength = 4;

// The blocks of Unicode's East Asian Wide and Fullwidth characters (UAX #11) and of the emoji shown as
// pictures, as terminals draw them: two columns each. Ambiguous ones (such as "…") take one, as they do
// outside East Asian legacy encodings.
constexpr std::pair<char32_t, char32_t> wideBlocks[] = {
    {0x1100, 0x115F}, {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},   {0x2E80, 0x303E},
    {0x3041, 0x33FF}, {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},
    {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

int columnsOf(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        return 0;
    default:
        break;
    }
    const bool wide = std::any_of(std::begin(wideBlocks), std::end(wideBlocks),
                                  [c](const auto& block) { return c >= block.first && c <= block.second; });
    return wide ? 2 : 1;
}

// The character at `i` and how many UTF-16 units it takes, read forwards or, from the unit before `i`,
// backwards.
std::pair<char32_t, qsizetype> characterAt(const QString& text, qsizetype i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        return {QChar::surrogateToUcs4(text.at(i), text.at(i + 1)), 2};
    }
    return {text.at(i).unicode(), 1};
}

std::pair<char32_t, qsizetype> characterBefore(const QString& text, qsizetype i)
{
    if (text.at(i - 1).isLowSurrogate() && i >= 2 && text.at(i - 2).isHighSurrogate()) {
        return {QChar::surrogateToUcs4(text.at(i - 2), text.at(i - 1)), 2};
    }
    return {text.at(i - 1).unicode(), 1};
}

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

int Console::columns(const QString& text)
{
    int total = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, units] = characterAt(text, i);
        total += columnsOf(c);
        i += units;
    }
    return total;
}

QString Console::firstColumns(const QString& text, int columns)
{
    int taken = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const auto [c, units] = characterAt(text, end);
        taken += columnsOf(c);
        if (taken > columns) {
            break;
        }
        end += units;
    }
    return text.left(end);
}

QString Console::lastColumns(const QString& text, int columns)
{
    int taken = 0;
    qsizetype start = text.size();
    while (start > 0) {
        const auto [c, units] = characterBefore(text, start);
        taken += columnsOf(c);
        if (taken > columns) {
            break;
        }
        start -= units;
    }
    return text.mid(start);
}
