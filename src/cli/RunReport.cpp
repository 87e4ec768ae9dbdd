#include "cli/RunReport.h"

#include "cli/Console.h"
#include "queue/SizeText.h"

#include <QLocale>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

std::optional<double> changePercent(qint64 before, std::optional<qint64> after)
{
    if (before <= 0 || !after || *after < 0) {
        return std::nullopt;
    }
    return std::round(double(*after - before) * 1000.0 / double(before)) / 10.0;
}

// The window's way of writing sizes and changes, so that both read the same.
QString sizeText(std::optional<qint64> bytes)
{
    return bytes && *bytes >= 0 ? SizeText::size(*bytes) : QString();
}

QString changeText(qint64 before, std::optional<qint64> after)
{
    return after ? SizeText::change(*after, before) : QString();
}

// One JSON object per image is written straight into the text, as QJsonDocument writes it in compact
// form: a QJsonObject built and written for each of 10,000 images cost more than all the rest of a
// rerun. Room for the worst case of an image's object is made once, and the object is written into it
// through a cursor (JsonCursor), then the text is cut to what was written: appending each piece to the
// QByteArray cost as much again as writing them.

// The most bytes a string's JSON form takes: six for each UTF-16 unit, and the quotes.
qsizetype jsonStringRoom(QStringView value)
{
    return 2 + 6 * value.size();
}

class JsonCursor
{
public:
    explicit JsonCursor(char* out)
        : m_out(out)
    {
    }
    char* end() const { return m_out; }

    template <std::size_t size>
    void literal(const char (&text)[size])
    {
        std::memcpy(m_out, text, size - 1);
        m_out += size - 1;
    }

    void integer(qint64 value)
    {
        // 20 characters hold any 64-bit integer with its sign.
        m_out = std::to_chars(m_out, m_out + 20, value).ptr;
    }

    // A size, or null when there is none (one below zero is not known).
    void size(std::optional<qint64> value)
    {
        if (value && *value >= 0) {
            integer(*value);
        } else {
            literal("null");
        }
    }

    // A number as Qt writes one: a whole number as an integer, anything else in its shortest form.
    void number(double value)
    {
        constexpr double exactIntegers = 9007199254740992.0; // 2^53
        if (std::trunc(value) == value && std::fabs(value) <= exactIntegers) {
            integer(qint64(value));
            return;
        }
        // A change, with its one decimal, has at least as many digits as come before its point, which
        // Qt's shortest form writes with the point where it lies, as std::to_chars does, more quickly.
        if (std::fabs(value) >= 0.1 && std::fabs(value) < 1e15) {
            m_out = std::to_chars(m_out, m_out + 32, value, std::chars_format::fixed).ptr;
            return;
        }
        const QByteArray text = QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
        std::memcpy(m_out, text.constData(), std::size_t(text.size()));
        m_out += text.size();
    }

    // A string in UTF-8, with the escapes Qt writes: the quote, the backslash and control characters,
    // and a lone surrogate (a byte of a name that is not UTF-8, see FileNames) as \uXXXX, so that it
    // stays exact. Takes at most jsonStringRoom(value).
    void string(QStringView value);

private:
    void escape(char16_t u)
    {
        static constexpr char hex[] = "0123456789abcdef";
        *m_out++ = '\\';
        *m_out++ = 'u';
        for (int shift = 12; shift >= 0; shift -= 4) {
            *m_out++ = hex[(u >> shift) & 0xF];
        }
    }

    char* m_out;
};

void JsonCursor::string(QStringView value)
{
    char* out = m_out;
    *out++ = '"';
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t u = value.at(i).unicode();
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *out++ = char(u);
        } else if (u < 0x80) {
            const char* named = u == '"'    ? "\\\""
                                : u == '\\' ? "\\\\"
                                : u == '\b' ? "\\b"
                                : u == '\f' ? "\\f"
                                : u == '\n' ? "\\n"
                                : u == '\r' ? "\\r"
                                : u == '\t' ? "\\t"
                                            : nullptr;
            if (named != nullptr) {
                *out++ = named[0];
                *out++ = named[1];
            } else {
                m_out = out;
                escape(u);
                out = m_out;
            }
        } else if (u < 0x800) {
            *out++ = char(0xC0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *out++ = char(0xE0 | (u >> 12));
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(u, value.at(++i).unicode());
            *out++ = char(0xF0 | (code >> 18));
            *out++ = char(0x80 | ((code >> 12) & 0x3F));
            *out++ = char(0x80 | ((code >> 6) & 0x3F));
            *out++ = char(0x80 | (code & 0x3F));
        } else {
            m_out = out;
            escape(u);
            out = m_out;
        }
    }
    *out++ = '"';
    m_out = out;
}

constexpr int columnCount = 6;
using Row = std::array<QString, columnCount>;
// FILE, STATE, BEFORE, AFTER, CHANGE, MESSAGE; the sizes and the change are right-aligned.
constexpr std::array<bool, columnCount> rightAligned{false, false, true, true, true, false};

QString render(const QList<Row>& rows)
{
    // In the columns of a terminal, not in characters: a Japanese file name is twice as wide as its length.
    std::array<int, columnCount> widths{};
    for (const Row& row : rows) {
        for (int c = 0; c < columnCount; ++c) {
            widths[c] = std::max(widths[c], Console::columns(row[c]));
        }
    }
    QString text;
    for (const Row& row : rows) {
        QString line;
        for (int c = 0; c < columnCount; ++c) {
            if (c > 0) {
                line += QStringLiteral("  ");
            }
            const QString padding(widths[c] - Console::columns(row[c]), QLatin1Char(' '));
            line += rightAligned[c] ? padding + row[c] : row[c] + padding;
        }
        // The message is last, so nothing needs padding after it.
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

RunReport::RunReport(QList<ImageJob> jobs, QDir base, bool dryRun)
    : m_jobs(std::move(jobs))
    , m_base(std::move(base))
    , m_dryRun(dryRun)
{
}

RunReport::State RunReport::stateOf(const ImageJob& job, bool dryRun)
{
    switch (job.outcome) {
    case JobOutcome::optimized:
        return State::done;
    case JobOutcome::failed:
        return State::failed;
    case JobOutcome::skipped:
        return State::skipped;
    case JobOutcome::stopped:
    case JobOutcome::none:
        break;
    }
    return dryRun ? State::due : State::stopped;
}

QString RunReport::label(State state)
{
    switch (state) {
    case State::done:
        return tr("Done");
    case State::failed:
        return tr("Failed");
    case State::stopped:
        return tr("Stopped");
    case State::skipped:
        return tr("Skipped");
    case State::due:
        return tr("Due");
    }
    return {};
}

QString RunReport::key(State state)
{
    switch (state) {
    case State::done:
        return QStringLiteral("done");
    case State::failed:
        return QStringLiteral("failed");
    case State::stopped:
        return QStringLiteral("stopped");
    case State::skipped:
        return QStringLiteral("skipped");
    case State::due:
        return QStringLiteral("due");
    }
    return {};
}

std::optional<qint64> RunReport::sourceSize(const ImageJob& job)
{
    return job.status == JobStatus::succeeded && job.originalSize >= 0 ? std::optional<qint64>(job.originalSize)
                                                                       : std::nullopt;
}

std::optional<qint64> RunReport::optimizedSize(const ImageJob& job)
{
    if (job.status != JobStatus::succeeded) {
        return std::nullopt;
    }
    for (const DownloadedFile& file : job.downloads) {
        if (file.kind == OutputKind::optimized) {
            return file.size >= 0 ? std::optional<qint64>(file.size) : std::nullopt;
        }
    }
    return std::nullopt;
}

QString RunReport::displayPath(const QUrl& file, const QDir& base)
{
    const QString path = file.toLocalFile();
    const QString relative = base.relativeFilePath(path);
    return relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") ? path : relative;
}

QString RunReport::table() const
{
    QList<Row> rows{{tr("FILE"), tr("STATE"), tr("BEFORE"), tr("AFTER"), tr("CHANGE"), tr("MESSAGE")}};
    std::array<int, 5> counts{}; // by State
    qint64 totalBefore = 0;
    qint64 totalAfter = 0;
    for (const ImageJob& job : m_jobs) {
        const State state = stateOf(job, m_dryRun);
        ++counts[std::size_t(state)];
        const std::optional<qint64> before = sourceSize(job);
        const std::optional<qint64> after = optimizedSize(job);
        if (before && after) {
            totalBefore += *before;
            totalAfter += *after;
        }
        rows.append({Console::visible(displayPath(job.url, m_base)), label(state), sizeText(before), sizeText(after),
                     changeText(before.value_or(-1), after),
                     Console::visible(state == State::stopped ? tr("Stopped.") : job.message)});
        // Beneath the row, the files saved beside the optimized image; for a job that failed after
        // saving some, all of them, so that nothing stays on disk unreported.
        const bool succeeded = state == State::done || state == State::skipped;
        for (const DownloadedFile& file : job.downloads) {
            if (succeeded && file.kind == OutputKind::optimized) {
                continue;
            }
            const std::optional<qint64> size = file.size >= 0 ? std::optional<qint64>(file.size) : std::nullopt;
            rows.append({QStringLiteral("  ") + Console::visible(displayPath(file.path, m_base)), file.formatLabel(),
                         QString(), sizeText(size), changeText(job.originalSize, size), QString()});
        }
    }
    // The English text of "%n images" has its plural form only, so one image has a message of its own.
    const auto jobCount = int(m_jobs.size());
    const QString images = jobCount == 1 ? tr("1 image") : tr("%n images", nullptr, jobCount);
    QStringList parts;
    if (counts[0] > 0) {
        parts << tr("%n done", nullptr, counts[0]);
    }
    if (counts[1] > 0) {
        parts << tr("%n failed", nullptr, counts[1]);
    }
    if (counts[2] > 0) {
        parts << tr("%n stopped", nullptr, counts[2]);
    }
    if (counts[3] > 0) {
        parts << tr("%n skipped", nullptr, counts[3]);
    }
    if (counts[4] > 0) {
        parts << tr("%n due", nullptr, counts[4]);
    }
    const bool anySized = totalBefore > 0;
    rows.append({tr("Total"), QString(), anySized ? sizeText(totalBefore) : QString(),
                 anySized ? sizeText(totalAfter) : QString(),
                 anySized ? changeText(totalBefore, totalAfter) : QString(),
                 tr("%1: %2", "the images counted: how they ended").arg(images, parts.join(QStringLiteral(", ")))});
    return render(rows);
}

QByteArray RunReport::jsonLines() const
{
    return jsonLines(0, m_jobs.size());
}

qsizetype RunReport::size() const
{
    return m_jobs.size();
}

QByteArray RunReport::jsonLines(qsizetype from, qsizetype to) const
{
    // Room for everything but the strings and numbers: the names, the punctuation and "null"s.
    constexpr qsizetype fixedRoom = 160;
    constexpr qsizetype outputRoom = 64;
    constexpr qsizetype numberRoom = 32;
    QByteArray text;
    text.reserve((to - from) * 400);
    for (qsizetype i = from; i < to; ++i) {
        const ImageJob& job = m_jobs.at(i);
        const State state = stateOf(job, m_dryRun);
        const std::optional<qint64> before = sourceSize(job);
        const std::optional<qint64> after = optimizedSize(job);
        const QString file = job.url.toLocalFile();
        const QString message = state == State::stopped ? tr("Stopped.") : job.message;
        const QString stateKey = key(state);
        QVarLengthArray<std::array<QString, 3>, 4> outputs; // file, format, notReplaced
        qsizetype room =
            fixedRoom + 3 * numberRoom + jsonStringRoom(file) + jsonStringRoom(message) + jsonStringRoom(stateKey);
        for (const DownloadedFile& download : job.downloads) {
            outputs.append({download.path.toLocalFile(), ::key(download.kind),
                            download.notReplaced.isEmpty() ? QString() : download.notReplaced.toLocalFile()});
            room += outputRoom + numberRoom;
            for (const QString& part : std::as_const(outputs.last())) {
                room += jsonStringRoom(part);
            }
        }
        const qsizetype start = text.size();
        text.resize(start + room);
        JsonCursor out(text.data() + start);
        // The members in the order of their names, as Qt's own writer puts them.
        out.literal("{\"bytesAfter\":");
        out.size(after);
        out.literal(",\"bytesBefore\":");
        out.size(before);
        out.literal(",\"changePercent\":");
        if (const std::optional<double> change = changePercent(before.value_or(-1), after)) {
            out.number(*change);
        } else {
            out.literal("null");
        }
        out.literal(",\"file\":");
        out.string(file);
        out.literal(",\"message\":");
        out.string(message);
        out.literal(",\"outputs\":[");
        for (qsizetype i = 0; i < outputs.size(); ++i) {
            const auto& [path, format, notReplaced] = outputs.at(i);
            if (i == 0) {
                out.literal("{\"bytes\":");
            } else {
                out.literal(",{\"bytes\":");
            }
            out.size(job.downloads.at(i).size);
            out.literal(",\"file\":");
            out.string(path);
            out.literal(",\"format\":");
            out.string(format);
            if (!job.downloads.at(i).notReplaced.isEmpty()) {
                out.literal(",\"notReplaced\":");
                out.string(notReplaced);
            }
            out.literal("}");
        }
        out.literal("],\"state\":");
        out.string(stateKey);
        out.literal("}\n");
        text.truncate(out.end() - text.constData());
    }
    return text;
}
