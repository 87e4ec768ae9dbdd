// When an image may be decoded. Codec work holds memory in proportion to the pixels it decodes, so
// images are admitted only as far as their estimates, made from their headers before any pixel is
// read, fit the service's budget. They go in two lanes by size, so that a small image never waits
// behind large ones: a quarter of the budget and one worker are kept for small images, which may use
// the rest too. Within its lane an image waits its turn in order of arrival, for a limited time.
// Lives on one thread (the network thread): it starts work through the callback it is given and is
// told when that work is done.
#pragma once

#include "service/ImageProcessor.h"
#include "service/OptimizeRequest.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class ImageAdmission
{
public:
    struct Limits
    {
        qint64 budgetBytes = 1024LL * 1024 * 1024;
        int workers = 2; // threads for codec work; one of them is always kept for small images
        std::chrono::milliseconds maxWait{300'000};
    };
    using Ticket = std::uint64_t;

    ImageAdmission(boost::asio::io_context& context, const Limits& limits);
    ~ImageAdmission();

    // The estimated peak of processing an upload with `header` as `request` asks (see
    // ImageProcessor::peakBytesPerPixel); nothing for one that is refused from its header, passed through
    // or not readable, since none of it is decoded.
    static qint64 cost(const std::optional<ImageProcessor::Header>& header, const OptimizeRequest& request,
                       const ImageProcessor::Settings& settings);
    // A quarter of this machine's memory, or of the memory its control group may use when that is less;
    // never under 256 MiB.
    static qint64 defaultBudget();

    qint64 budget() const { return m_limits.budgetBytes; }
    // The most one image may cost: what the budget keeps beyond the small images' share.
    qint64 largestCost() const { return m_limits.budgetBytes - smallShare(); }
    int threads() const { return std::max(2, m_limits.workers); }

    // Queues work of `cost`: `start` is called with its ticket once it may run (from within this call, or
    // a later one), `expired` if it waits longer than allowed. Nothing is queued when the work could
    // never fit.
    std::optional<Ticket> submit(qint64 cost, std::function<void(Ticket)> start, std::function<void()> expired);
    // The work started under `ticket` is done: its share goes to what waits.
    void finished(Ticket ticket);
    // Work still waiting under `ticket` is dropped without a word; work under way is not touched.
    void withdraw(Ticket ticket);

    int waiting() const { return int(m_small.size() + m_large.size()); }
    int running() const { return int(m_running.size()); }

private:
    enum class Lane
    {
        Small,
        Large,
    };
    struct Waiting
    {
        Ticket ticket;
        qint64 cost;
        std::function<void(Ticket)> start;
        std::function<void()> expired;
        std::unique_ptr<boost::asio::steady_timer> deadline;
    };
    struct Running
    {
        qint64 cost;
        Lane lane;
    };

    qint64 smallShare() const { return m_limits.budgetBytes / 4; }
    bool mayStart(Lane lane, qint64 cost) const;
    void pump();
    std::optional<Waiting> take(Ticket ticket);

    boost::asio::io_context& m_context;
    Limits m_limits;
    std::deque<Waiting> m_small;
    std::deque<Waiting> m_large;
    std::unordered_map<Ticket, Running> m_running;
    qint64 m_used = 0;
    qint64 m_usedLarge = 0;
    int m_runningLarge = 0;
    Ticket m_next = 1;
};
