// What the local service's codecs make of real pictures, against the best encoders Debian packages.
//
//   tovalin-bench-quality CORPUS WORK
//
// CORPUS holds the pictures (scripts/bench copies them from Debian packages at run time). Each picture
// goes through ImageProcessor at every level, without companions and then with WebP and AVIF, timed in
// CPU seconds of this process (getrusage, so the machine's other load does not count). Every output is
// decoded and measured whole with the butteraugli distance against the source. Each anchor encoder then
// gets its quality searched for its smallest file at our output's distance (or at the level's promise
// where we returned the source unchanged), and the bytes are compared: ours / anchor. Rows per format
// and level: median and worst ratio, median savings, the share of outputs that keep the promise, and
// CPU seconds per megapixel.
#include "bench/Measure.h"
#include "bench/ReportRow.h"
#include "service/ImageProcessor.h"
#include "service/VisualDistance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QTextStream>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <vips/vips8>

using vips::VImage;
using Level = OptimizeRequest::Level;
using Kind = ImageProcessor::Kind;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

VImage load(const QByteArray& data)
{
    return VImage::new_from_buffer(data.constData(), std::size_t(data.size()), "").autorot().copy_memory();
}

// The whole picture measured; a file that cannot be read is infinitely far.
double distance(const VImage& reference, const QByteArray& data)
{
    try {
        return VisualDistance::between(reference, load(data));
    } catch (const vips::VError&) {
        vips_error_clear();
        return 1e9;
    }
}

std::optional<QByteArray> runTool(const QString& program, const QStringList& arguments, const QString& output)
{
    QFile::remove(output);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(600'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    const QByteArray data = readAll(output);
    return data.isEmpty() ? std::nullopt : std::optional(data);
}

// An anchor's encoder at one setting: the file it makes, or nothing.
using Anchor = std::function<std::optional<QByteArray>(int setting)>;

// The anchor's smallest file whose distance is at most `target`: a bisection over its settings, where
// `low` is the worst setting and `high` the best (they may run either way), a few neighbours of the
// answer tried as well, since distance does not always fall with the setting.
std::optional<QByteArray> smallestWithin(const Anchor& anchor, int low, int high, double target,
                                         const VImage& reference)
{
    const int direction = high >= low ? 1 : -1;
    int bad = low - direction; // known too far
    int good = high + direction;
    std::optional<QByteArray> best;
    QMap<int, std::optional<QByteArray>> seen;
    const auto keeps = [&](int setting) {
        if (!seen.contains(setting)) {
            std::optional<QByteArray> data = anchor(setting);
            seen[setting] = data && distance(reference, *data) <= target ? data : std::nullopt;
        }
        const std::optional<QByteArray>& data = seen[setting];
        if (data && (!best || data->size() < best->size()))
            best = data;
        return data.has_value();
    };
    while (std::abs(good - bad) > 1) {
        const int middle = (good + bad) / 2;
        (keeps(middle) ? good : bad) = middle;
    }
    for (int step = 1; step <= 2; ++step) {
        const int lower = good - step * direction;
        if ((lower - low) * direction >= 0)
            keeps(lower);
    }
    return best;
}

struct Picture
{
    QString name;
    QString path;
    QString kind; // "JPEG", "PNG", "GIF"
    QByteArray data;
    double megapixels = 0;
    int width = 0;
    int height = 0;
    int pages = 1; // an animation's frames: the anchors see only the first
};

// One output of ours and what it is compared with.
struct Sample
{
    QString format; // the row: "JPEG Lossy", "WebP Glossy", …
    QString picture;
    qint64 source = 0;
    qint64 ours = 0;
    double distance = 0;
    bool unchanged = false;
    double limit = 0;    // the promise: 0 for lossless
    bool offered = true; // a companion not offered (no smaller than the main output) is counted apart
    std::optional<qint64> anchor;
};

struct Row
{
    QList<Sample> samples;
    double cpuSeconds = 0;
    double megapixels = 0;
};

QString levelName(Level level)
{
    return level == Level::Lossy    ? QStringLiteral("Lossy")
           : level == Level::Glossy ? QStringLiteral("Glossy")
                                    : QStringLiteral("Lossless");
}

double limitOf(Level level)
{
    return level == Level::Lossy ? 2.0 : level == Level::Glossy ? 1.0 : 0.0;
}

const ImageProcessor::Output* find(const ImageProcessor::Result& result, Kind kind)
{
    for (const auto& output : result.outputs) {
        if (output.kind == kind)
            return &output;
    }
    return nullptr;
}

class QualityBench
{
public:
    QualityBench(const QString& corpus, const QString& work)
        : m_work(work)
    {
        const QDir dir(corpus);
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
            Picture picture;
            picture.name = info.fileName();
            picture.path = info.absoluteFilePath();
            const QString suffix = info.suffix().toLower();
            picture.kind = suffix == QLatin1String("jpg") ? QStringLiteral("JPEG") : suffix.toUpper();
            picture.data = readAll(picture.path);
            const VImage image = load(picture.data);
            picture.width = image.width();
            picture.height = image.height();
            picture.megapixels = double(image.width()) * image.height() / 1e6;
            picture.pages = vips_image_get_n_pages(image.get_image());
            m_pictures << picture;
        }
    }

    int run()
    {
        for (const Picture& picture : std::as_const(m_pictures))
            measureOurs(picture);
        QTextStream(stderr) << "anchors…\n";
        anchors();
        report();
        return 0;
    }

private:
    void measureOurs(const Picture& picture)
    {
        QTextStream(stderr) << picture.name << '\n';
        const VImage reference = load(picture.data);
        for (Level level : {Level::Lossy, Level::Glossy, Level::Lossless}) {
            const QString base = picture.kind + QLatin1Char(' ') + levelName(level);
            OptimizeRequest request;
            request.level = level;
            double start = cpuSeconds();
            const ImageProcessor::Result alone = ImageProcessor::process(picture.path, request, {});
            const double mainCpu = cpuSeconds() - start;
            const Kind mainKind = level == Level::Lossless ? Kind::Lossless : Kind::Lossy;
            const ImageProcessor::Output* main = find(alone, mainKind);
            if (!main)
                continue;
            Row& row = m_rows[base];
            row.cpuSeconds += mainCpu;
            row.megapixels += picture.megapixels;
            row.samples << sampleOf(base, picture, reference, *main, limitOf(level));
            if (level == Level::Lossless)
                continue;
            request.webp = request.avif = true;
            start = cpuSeconds();
            const ImageProcessor::Result both = ImageProcessor::process(picture.path, request, {});
            const double companionsCpu = std::max(0.0, cpuSeconds() - start - mainCpu);
            Row& companions = m_rows[QStringLiteral("Companions ") + levelName(level)];
            companions.cpuSeconds += companionsCpu;
            companions.megapixels += picture.megapixels * 2; // two companions per picture
            const qint64 mainSize = main->isOriginal ? picture.data.size() : main->data.size();
            for (const auto& [kind, format] :
                 {std::pair{Kind::WebPLossy, "WebP"}, std::pair{Kind::AvifLossy, "AVIF"}}) {
                const QString name = QLatin1String(format) + QLatin1Char(' ') + levelName(level);
                Row& formatRow = m_rows[name];
                const ImageProcessor::Output* output = find(both, kind);
                if (!output) {
                    // Not offered: no smaller than the main output, which the user keeps. Not compared.
                    Sample sample = sampleOf(name, picture, reference, *main, limitOf(level));
                    sample.ours = mainSize;
                    sample.offered = false;
                    formatRow.samples << sample;
                    ++m_dropped[name];
                    continue;
                }
                formatRow.samples << sampleOf(name, picture, reference, *output, limitOf(level));
            }
        }
    }

    Sample sampleOf(const QString& format, const Picture& picture, const VImage& reference,
                    const ImageProcessor::Output& output, double limit)
    {
        Sample sample;
        sample.format = format;
        sample.picture = picture.name;
        sample.source = picture.data.size();
        sample.unchanged = output.isOriginal;
        sample.ours = output.isOriginal ? picture.data.size() : output.data.size();
        sample.distance = output.isOriginal ? 0.0 : distance(reference, output.data);
        sample.limit = limit;
        return sample;
    }

    // The anchors of each sample, two at a time: each is a search of external encodes and whole measures.
    void anchors()
    {
        QList<Sample*> all;
        for (Row& row : m_rows) {
            for (Sample& sample : row.samples) {
                // A companion of an animation would be held against an anchor's picture of its first frame.
                const bool companion =
                    sample.format.startsWith(QLatin1String("WebP")) || sample.format.startsWith(QLatin1String("AVIF"));
                if (sample.offered && !(companion && pictureNamed(sample.picture).pages > 1))
                    all << &sample;
            }
        }
        QThreadPool pool;
        pool.setMaxThreadCount(2);
        QtConcurrent::blockingMap(&pool, all, [this](Sample* sample) { sample->anchor = anchorOf(*sample); });
    }

    const Picture& pictureNamed(const QString& name) const
    {
        for (const Picture& picture : m_pictures) {
            if (picture.name == name)
                return picture;
        }
        return m_pictures.first();
    }

    std::optional<qint64> anchorOf(const Sample& sample) const
    {
        const Picture& picture = pictureNamed(sample.picture);
        const QString dir = m_work + QLatin1Char('/') + QString::number(quintptr(&sample), 16);
        QDir().mkpath(dir);
        const VImage reference = load(picture.data);
        const QString png = dir + QStringLiteral("/in.png");
        const QString ppm = dir + QStringLiteral("/in.ppm");
        reference.pngsave(png.toLocal8Bit().constData(), VImage::option()->set("compression", 1)->set("strip", true));
        const QString out = dir + QStringLiteral("/out");
        // Where we kept the source, the anchor is held to the promise; it too could keep the source.
        const double target = sample.unchanged ? sample.limit : sample.distance;
        std::optional<QByteArray> best;
        const QString& f = sample.format;
        if (f == QLatin1String("JPEG Lossy") || f == QLatin1String("JPEG Glossy")) {
            const VImage rgb = reference.has_alpha() ? reference.flatten() : reference;
            rgb.cast(VIPS_FORMAT_UCHAR).ppmsave(ppm.toLocal8Bit().constData());
            best = smallestWithin(
                [&](int q) {
                    return runTool(QStringLiteral("cjpeg"),
                                   {QStringLiteral("-quality"), QString::number(q), QStringLiteral("-optimize"),
                                    QStringLiteral("-progressive"), QStringLiteral("-outfile"), out, ppm},
                                   out);
                },
                30, 100, target, reference);
        } else if (f == QLatin1String("JPEG Lossless")) {
            const auto jpegtran =
                runTool(QStringLiteral("jpegtran"),
                        {QStringLiteral("-copy"), QStringLiteral("icc"), QStringLiteral("-optimize"),
                         QStringLiteral("-progressive"), QStringLiteral("-outfile"), out, picture.path},
                        out);
            QFile::copy(picture.path, dir + QStringLiteral("/copy.jpg"));
            const auto jpegoptim =
                runTool(QStringLiteral("jpegoptim"),
                        {QStringLiteral("-q"), QStringLiteral("--all-progressive"), QStringLiteral("--strip-all"),
                         QStringLiteral("--keep-icc"), dir + QStringLiteral("/copy.jpg")},
                        dir + QStringLiteral("/copy.jpg"));
            for (const auto& candidate : {jpegtran, jpegoptim}) {
                if (candidate && (!best || candidate->size() < best->size()))
                    best = candidate;
            }
        } else if (f == QLatin1String("PNG Lossless") || f == QLatin1String("GIF Lossless") ||
                   f == QLatin1String("GIF Lossy") || f == QLatin1String("GIF Glossy")) {
            if (picture.kind == QLatin1String("PNG")) {
                const auto zopfli =
                    runTool(QStringLiteral("zopflipng"), {QStringLiteral("-y"), picture.path, out}, out);
                const auto optipng = runTool(QStringLiteral("optipng"),
                                             {QStringLiteral("-quiet"), QStringLiteral("-o5"), QStringLiteral("-strip"),
                                              QStringLiteral("all"), QStringLiteral("-out"),
                                              out + QStringLiteral(".o.png"), picture.path},
                                             out + QStringLiteral(".o.png"));
                best = zopfli;
                const QMutexLocker locker(&m_mutex);
                m_optipng[sample.picture] = optipng ? optipng->size() : 0;
            }
        } else if (f == QLatin1String("PNG Lossy") || f == QLatin1String("PNG Glossy")) {
            best = smallestWithin(
                [&](int q) {
                    return runTool(QStringLiteral("pngquant"),
                                   {QStringLiteral("--speed"), QStringLiteral("1"), QStringLiteral("--strip"),
                                    QStringLiteral("--quality"), QStringLiteral("0-%1").arg(q),
                                    QStringLiteral("--output"), out, QStringLiteral("--force"), picture.path},
                                   out);
                },
                0, 100, target, reference);
        } else if (f.startsWith(QLatin1String("WebP"))) {
            const auto cwebp = [&](const QStringList& mode) {
                return runTool(QStringLiteral("cwebp"),
                               QStringList{QStringLiteral("-quiet"), QStringLiteral("-m"), QStringLiteral("6")} + mode +
                                   QStringList{QStringLiteral("-metadata"), QStringLiteral("none"), png,
                                               QStringLiteral("-o"), out},
                               out);
            };
            best = smallestWithin(
                [&](int q) {
                    return cwebp({QStringLiteral("-q"), QString::number(q)});
                },
                0, 100, target, reference);
            // Where lossy WebP's floor (chroma at half resolution) is too far, cwebp's near-lossless mode at
            // each of its amounts, as our own WebP does.
            for (int amount = 0; amount <= 100; amount += 20) {
                const auto near = cwebp({QStringLiteral("-lossless"), QStringLiteral("-near_lossless"),
                                         QString::number(amount), QStringLiteral("-q"), QStringLiteral("75")});
                if (near && distance(reference, *near) <= target && (!best || near->size() < best->size()))
                    best = near;
            }
        } else if (f.startsWith(QLatin1String("AVIF"))) {
            best = smallestWithin(
                [&](int q) {
                    const QString avif = out + QStringLiteral(".avif");
                    return runTool(QStringLiteral("avifenc"),
                                   {QStringLiteral("-s"), QStringLiteral("6"), QStringLiteral("-j"),
                                    QStringLiteral("1"), QStringLiteral("--min"), QString::number(q),
                                    QStringLiteral("--max"), QString::number(q), png, avif},
                                   avif);
                },
                63, 0, target, reference);
        }
        QDir(dir).removeRecursively();
        if (!best)
            return std::nullopt;
        // The anchor's user keeps the source too where the anchor makes it no smaller.
        return std::min<qint64>(best->size(), f.startsWith(QLatin1String("WebP")) || f.startsWith(QLatin1String("AVIF"))
                                                  ? best->size()
                                                  : picture.data.size());
    }

    void report()
    {
        static const QMap<QString, QString> anchorNames{
            {QStringLiteral("JPEG Lossy"), QStringLiteral("cjpeg -optimize -progressive")},
            {QStringLiteral("JPEG Glossy"), QStringLiteral("cjpeg -optimize -progressive")},
            {QStringLiteral("JPEG Lossless"), QStringLiteral("jpegtran -optimize -progressive, jpegoptim")},
            {QStringLiteral("PNG Lossy"), QStringLiteral("pngquant --speed 1")},
            {QStringLiteral("PNG Glossy"), QStringLiteral("pngquant --speed 1")},
            {QStringLiteral("PNG Lossless"), QStringLiteral("zopflipng")},
            {QStringLiteral("WebP Lossy"), QStringLiteral("cwebp -m 6")},
            {QStringLiteral("WebP Glossy"), QStringLiteral("cwebp -m 6")},
            {QStringLiteral("AVIF Lossy"), QStringLiteral("avifenc -s 6")},
            {QStringLiteral("AVIF Glossy"), QStringLiteral("avifenc -s 6")},
        };
        static const QMap<QString, double> targets{
            {QStringLiteral("JPEG Lossy"), 0.92},   {QStringLiteral("JPEG Glossy"), 0.92},
            {QStringLiteral("JPEG Lossless"), 1.0}, {QStringLiteral("PNG Lossy"), 1.0},
            {QStringLiteral("PNG Glossy"), 1.0},    {QStringLiteral("PNG Lossless"), 1.0},
            {QStringLiteral("WebP Lossy"), 1.0},    {QStringLiteral("WebP Glossy"), 1.0},
            {QStringLiteral("AVIF Lossy"), 1.05},   {QStringLiteral("AVIF Glossy"), 1.05},
        };
        QTextStream details(stderr);
        for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
            const QString& name = it.key();
            const Row& row = it.value();
            if (name.startsWith(QLatin1String("Companions"))) {
                const double perMp = row.cpuSeconds / std::max(1e-9, row.megapixels);
                ReportRow{QStringLiteral("Quality: %1, CPU per companion").arg(name),
                          QStringLiteral("%1 s/MP").arg(perMp, 0, 'f', 2),
                          QStringLiteral("–"),
                          QStringLiteral("–"),
                          QStringLiteral("≤ 1.5 s/MP"),
                          perMp <= 1.5}
                    .print();
                continue;
            }
            QList<double> ratios;
            QList<double> savings;
            int kept = 0;
            int unchangedWhereAnchorSaves = 0;
            qsizetype compared = 0;
            qsizetype withoutAnchor = 0;
            for (const Sample& s : row.samples) {
                details << "  " << name << ' ' << s.picture << ": ours " << s.ours << " (d " << s.distance
                        << (s.unchanged ? ", unchanged" : "") << (s.offered ? "" : ", not offered") << "), anchor "
                        << (s.anchor ? *s.anchor : -1) << ", source " << s.source << '\n';
                if (!s.offered)
                    continue;
                ++compared;
                if (!s.anchor)
                    ++withoutAnchor;
                const bool holds = s.limit == 0 ? s.distance == 0 : s.distance <= s.limit;
                kept += holds ? 1 : 0;
                savings << 1.0 - double(s.ours) / double(s.source);
                if (s.anchor && *s.anchor > 0)
                    ratios << double(s.ours) / double(*s.anchor);
                if (s.unchanged && s.anchor && *s.anchor < 0.95 * double(s.source))
                    ++unchangedWhereAnchorSaves;
            }
            if (compared == 0)
                continue;
            const double median = ratios.isEmpty() ? 0 : Measure::median(ratios);
            const double worst = ratios.isEmpty() ? 0 : *std::max_element(ratios.cbegin(), ratios.cend());
            const bool isMain = !name.startsWith(QLatin1String("WebP")) && !name.startsWith(QLatin1String("AVIF"));
            const double perMp = row.cpuSeconds / std::max(1e-9, row.megapixels);
            const double target = targets.value(name, 1.0);
            const bool lossyMain = isMain && !name.endsWith(QLatin1String("Lossless"));
            std::optional<bool> met = !ratios.isEmpty() && median <= target && kept == compared;
            if (name == QLatin1String("PNG Lossless"))
                met = *met && worst <= 1.05;
            if (lossyMain)
                met = *met && perMp <= 0.5;
            if (name == QLatin1String("JPEG Glossy"))
                met = *met && unchangedWhereAnchorSaves == 0;
            // No anchor at all (GIF: none of the encoders writes it): reported as it is.
            if (ratios.isEmpty())
                met = std::nullopt;
            QString measured =
                (ratios.isEmpty()
                     ? QStringLiteral("no anchor")
                     : QStringLiteral("median %1, worst %2").arg(ReportRow::times(median), ReportRow::times(worst))) +
                QStringLiteral("; saves %1 %; promise %2/%3")
                    .arg(100.0 * Measure::median(savings), 0, 'f', 1)
                    .arg(kept)
                    .arg(compared);
            if (isMain)
                measured += QStringLiteral("; %1 s/MP").arg(perMp, 0, 'f', 2);
            if (m_dropped.value(name) > 0)
                measured += QStringLiteral("; %1 not offered").arg(m_dropped.value(name));
            // Ours at a distance the anchor cannot reach (a lossless PNG where no palette keeps the promise,
            // a near-lossless WebP), or an animation.
            if (withoutAnchor > 0)
                measured += QStringLiteral("; %1 without an anchor at that distance").arg(withoutAnchor);
            if (name == QLatin1String("JPEG Glossy"))
                measured += QStringLiteral("; %1 unchanged where cjpeg saves ≥ 5 %").arg(unchangedWhereAnchorSaves);
            QString targetText = QStringLiteral("≤ %1 median").arg(ReportRow::times(target));
            if (name == QLatin1String("PNG Lossless"))
                targetText += QStringLiteral(", ≤ 1.05× worst");
            targetText += QStringLiteral(", 100 %");
            if (lossyMain)
                targetText += QStringLiteral(", ≤ 0.5 s/MP");
            ReportRow{QStringLiteral("Quality: %1 (%2 pictures)").arg(name).arg(compared),
                      measured,
                      anchorNames.value(name, QStringLiteral("none writes it")),
                      ratios.isEmpty() ? QStringLiteral("–") : ReportRow::times(median),
                      targetText,
                      met}
                .print();
        }
        if (!m_optipng.isEmpty()) {
            QList<double> ratios;
            for (const Sample& s : m_rows.value(QStringLiteral("PNG Lossless")).samples) {
                if (m_optipng.value(s.picture) > 0)
                    ratios << double(s.ours) / double(m_optipng.value(s.picture));
            }
            if (!ratios.isEmpty())
                ReportRow{QStringLiteral("Quality: PNG Lossless against optipng -o5"),
                          QStringLiteral("median %1, worst %2")
                              .arg(ReportRow::times(Measure::median(ratios)),
                                   ReportRow::times(*std::max_element(ratios.cbegin(), ratios.cend()))),
                          QStringLiteral("optipng -o5"),
                          ReportRow::times(Measure::median(ratios)),
                          QStringLiteral("reported"),
                          std::nullopt}
                    .print();
        }
    }

    QString m_work;
    QList<Picture> m_pictures;
    QMap<QString, Row> m_rows;
    QMap<QString, int> m_dropped;
    mutable QMutex m_mutex; // the anchors run two at a time
    mutable QMap<QString, qint64> m_optipng;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: tovalin-bench-quality CORPUS WORK\n";
        return 2;
    }
    if (VIPS_INIT(argv[0]) != 0)
        return 1;
    // The service's own setting: one libvips thread per worker.
    vips_concurrency_set(1);
    vips_cache_set_max(0);
    const int status = QualityBench(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])).run();
    vips_shutdown();
    return status;
}
