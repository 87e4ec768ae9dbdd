#include "service/ImageAdmission.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace {

constexpr qint64 kMinBudget = 256LL * 1024 * 1024;

// The memory limit of this process's control group (cgroup v2), when it has one.
std::optional<qint64> controlGroupLimit()
{
    QFile membership(QStringLiteral("/proc/self/cgroup"));
    QString group;
    if (membership.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : membership.readAll().split('\n')) {
            if (line.startsWith("0::"))
                group = QString::fromUtf8(line.mid(3)).trimmed();
        }
    }
    // Inside a container the group's own folder is often the root of the hierarchy.
    for (const QString& folder : {QStringLiteral("/sys/fs/cgroup") + group, QStringLiteral("/sys/fs/cgroup")}) {
        QFile limit(folder + QStringLiteral("/memory.max"));
        if (!limit.open(QIODevice::ReadOnly))
            continue;
        bool ok = false;
        const qint64 bytes = limit.readAll().trimmed().toLongLong(&ok);
        if (ok) // "max" when there is no limit
            return bytes;
    }
    return std::nullopt;
}

} // namespace

ImageAdmission::ImageAdmission(boost::asio::io_context& context, const Limits& limits)
    : m_context(context)
    , m_limits(limits)
{
}

ImageAdmission::~ImageAdmission() = default;

qint64 ImageAdmission::cost(const std::optional<ImageProcessor::Header>& header, const OptimizeRequest& request,
                            const ImageProcessor::Settings& settings)
{
    if (!header || settings.passthrough)
        return 0;
    const qint64 input = qint64(header->size.width()) * header->size.height();
    // Frames and pages are never resized.
    const QSize output = header->pages > 1 ? header->size
                                           : ImageProcessor::fittedSize(header->size * request.upscale, request.resize,
                                                                        request.width, request.height);
    const qint64 outputPixels = qint64(output.width()) * output.height();
    if (input > settings.maxPixels || outputPixels > settings.maxPixels)
        return 0;
    const qint64 pixels = std::max(input, outputPixels);
    return qint64(std::ceil(
               ImageProcessor::peakBytesPerPixel(header->bands, header->sampleBytes, request.webp,
                                                 header->palette && request.level != OptimizeRequest::Level::Lossless) *
               double(pixels))) +
           ImageProcessor::measuringPeakBytes(pixels);
}

qint64 ImageAdmission::defaultBudget()
{
    qint64 memory = qint64(::sysconf(_SC_PHYS_PAGES)) * qint64(::sysconf(_SC_PAGESIZE));
    if (const std::optional<qint64> limit = controlGroupLimit(); limit && *limit > 0)
        memory = std::min(memory, *limit);
    return std::max(kMinBudget, memory / 4);
}

std::optional<ImageAdmission::Ticket> ImageAdmission::submit(qint64 cost, std::function<void(Ticket)> start,
                                                             std::function<void()> expired)
{
    if (cost > largestCost())
        return std::nullopt;
    const Ticket ticket = m_next++;
    auto deadline = std::make_unique<boost::asio::steady_timer>(m_context, m_limits.maxWait);
    deadline->async_wait([this, ticket](boost::system::error_code ec) {
        if (ec)
            return; // admitted or withdrawn; the admission may be gone
        if (std::optional<Waiting> waited = take(ticket)) {
            waited->expired();
            pump();
        }
    });
    std::deque<Waiting>& lane = cost <= smallShare() ? m_small : m_large;
    lane.push_back({ticket, cost, std::move(start), std::move(expired), std::move(deadline)});
    pump();
    return ticket;
}

void ImageAdmission::finished(Ticket ticket)
{
    const auto it = m_running.find(ticket);
    if (it == m_running.end())
        return;
    m_used -= it->second.cost;
    if (it->second.lane == Lane::Large) {
        m_usedLarge -= it->second.cost;
        --m_runningLarge;
    }
    m_running.erase(it);
    pump();
}

void ImageAdmission::withdraw(Ticket ticket)
{
    if (take(ticket))
        pump();
}

bool ImageAdmission::mayStart(Lane lane, qint64 cost) const
{
    if (running() >= threads() || m_used + cost > budget())
        return false;
    return lane == Lane::Small || (m_runningLarge < threads() - 1 && m_usedLarge + cost <= largestCost());
}

// Starts what may start, small images first; each lane in order of arrival.
void ImageAdmission::pump()
{
    for (;;) {
        const bool small = !m_small.empty() && mayStart(Lane::Small, m_small.front().cost);
        if (!small && (m_large.empty() || !mayStart(Lane::Large, m_large.front().cost)))
            return;
        const Lane lane = small ? Lane::Small : Lane::Large;
        std::deque<Waiting>& queue = lane == Lane::Small ? m_small : m_large;
        Waiting admitted = std::move(queue.front());
        queue.pop_front();
        admitted.deadline->cancel();
        m_running.emplace(admitted.ticket, Running{admitted.cost, lane});
        m_used += admitted.cost;
        if (lane == Lane::Large) {
            m_usedLarge += admitted.cost;
            ++m_runningLarge;
        }
        // Counted before it starts, so that whatever the start does finds the books right.
        admitted.start(admitted.ticket);
    }
}

std::optional<ImageAdmission::Waiting> ImageAdmission::take(Ticket ticket)
{
    for (std::deque<Waiting>* queue : {&m_small, &m_large}) {
        const auto it = std::find_if(queue->begin(), queue->end(),
                                     [ticket](const Waiting& waiting) { return waiting.ticket == ticket; });
        if (it != queue->end()) {
            Waiting taken = std::move(*it);
            queue->erase(it);
            taken.deadline->cancel();
            return taken;
        }
    }
    return std::nullopt;
}
