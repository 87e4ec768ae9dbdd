#include "cli/RunReport.h"

#include "cli/Console.h"
#include "queue/SizeText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cmath>
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

QJsonValue orNull(std::optional<qint64> value)
{
    return value && *value >= 0 ? QJsonValue(double(*value)) : QJsonValue();
}

constexpr int columnCount = 6;
using Row = std::array<QString, columnCount>;
// FILE, STATE, BEFORE, AFTER, CHANGE, MESSAGE; the sizes and the change are right-aligned.
constexpr std::array<bool, columnCount> rightAligned{false, false, true, true, true, false};

QString render(const QList<Row>& rows)
{
    std::array<qsizetype, columnCount> widths{};
    for (const Row& row : rows) {
        for (int c = 0; c < columnCount; ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    QString text;
    for (const Row& row : rows) {
        QString line;
        for (int c = 0; c < columnCount; ++c) {
            if (c > 0) {
                line += QStringLiteral("  ");
            }
            line += rightAligned[c] ? row[c].rightJustified(widths[c]) : row[c].leftJustified(widths[c]);
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

QString RunReport::jsonLines() const
{
    QString text;
    for (const ImageJob& job : m_jobs) {
        const State state = stateOf(job, m_dryRun);
        const std::optional<qint64> before = sourceSize(job);
        const std::optional<qint64> after = optimizedSize(job);
        QJsonArray outputs;
        for (const DownloadedFile& file : job.downloads) {
            QJsonObject output{{QStringLiteral("format"), ::key(file.kind)},
                               {QStringLiteral("file"), file.path.toLocalFile()},
                               {QStringLiteral("bytes"), orNull(file.size)}};
            if (!file.notReplaced.isEmpty()) {
                output.insert(QStringLiteral("notReplaced"), file.notReplaced.toLocalFile());
            }
            outputs.append(output);
        }
        const std::optional<double> change = changePercent(before.value_or(-1), after);
        const QJsonObject object{
            {QStringLiteral("file"), job.url.toLocalFile()},
            {QStringLiteral("state"), key(state)},
            {QStringLiteral("message"), state == State::stopped ? tr("Stopped.") : job.message},
            {QStringLiteral("bytesBefore"), orNull(before)},
            {QStringLiteral("bytesAfter"), orNull(after)},
            {QStringLiteral("changePercent"), change ? QJsonValue(*change) : QJsonValue()},
            {QStringLiteral("outputs"), outputs},
        };
        text += QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    }
    return text;
}
