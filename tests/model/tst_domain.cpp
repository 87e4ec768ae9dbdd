#include "Compression.h"
#include "DownloadedFile.h"
#include "ImageJob.h"
#include "JobStatus.h"
#include "ResizeMode.h"
#include "UpscaleFactor.h"

#include <QTest>

#include <vector>

class TestDomain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rawValuesKeepTheServiceGaps()
    {
        QCOMPARE(rawValue(Compression::lossless), 0);
        QCOMPARE(rawValue(Compression::lossy), 1);
        QCOMPARE(rawValue(Compression::glossy), 2);
        QCOMPARE(rawValue(ResizeMode::none), 0);
        QCOMPARE(rawValue(ResizeMode::cover), 1);
        QCOMPARE(rawValue(ResizeMode::contain), 3);
        QCOMPARE(rawValue(UpscaleFactor::none), 0);
        QCOMPARE(rawValue(UpscaleFactor::x2), 2);
        QCOMPARE(rawValue(UpscaleFactor::x3), 3);
        QCOMPARE(rawValue(UpscaleFactor::x4), 4);
    }

    void constructionFromRawValue()
    {
        QCOMPARE(fromRawValue<ResizeMode>(2), std::nullopt);
        QCOMPARE(fromRawValue<ResizeMode>(3), ResizeMode::contain);
        QCOMPARE(fromRawValue<UpscaleFactor>(1), std::nullopt);
        QCOMPARE(fromRawValue<UpscaleFactor>(2), UpscaleFactor::x2);
        QCOMPARE(fromRawValue<UpscaleFactor>(3), UpscaleFactor::x3);
        QCOMPARE(fromRawValue<UpscaleFactor>(4), UpscaleFactor::x4);
        for (int raw : {-2, -1, 3, 4, 100}) {
            QCOMPARE(fromRawValue<Compression>(raw), std::nullopt);
        }
        // Every case maps back to itself through its id, as a picker selection does.
        for (Compression c : allCases<Compression>()) {
            QCOMPARE(fromRawValue<Compression>(id(c)), c);
        }
        for (ResizeMode m : allCases<ResizeMode>()) {
            QCOMPARE(fromRawValue<ResizeMode>(id(m)), m);
        }
        for (UpscaleFactor u : allCases<UpscaleFactor>()) {
            QCOMPARE(fromRawValue<UpscaleFactor>(id(u)), u);
        }
    }

    void casesAndLabelsInOrder()
    {
        const auto labels = [](auto cases) {
            QStringList out;
            for (auto c : cases) {
                out << label(c);
            }
            return out;
        };
        QCOMPARE(labels(allCases<Compression>()), QStringList({"Lossless", "Lossy", "Glossy"}));
        QCOMPARE(labels(compressionDisplayOrder()), QStringList({"Lossy", "Glossy", "Lossless"}));
        QCOMPARE(labels(allCases<ResizeMode>()), QStringList({"No resize", "Cover", "Contain"}));
        QCOMPARE(labels(allCases<UpscaleFactor>()), QStringList({"No upscale", "2x", "3x", "4x"}));
        QCOMPARE(labels(allJobStatuses), QStringList({"Queued", "Processing", "Done", "Failed"}));
    }

    void statusPresentation()
    {
        QCOMPARE(icon(JobStatus::queued), QStringLiteral("clock"));
        QCOMPARE(icon(JobStatus::running), QStringLiteral("hourglass"));
        QCOMPARE(icon(JobStatus::succeeded), QStringLiteral("checkmark.circle.fill"));
        QCOMPARE(icon(JobStatus::failed), QStringLiteral("xmark.octagon.fill"));
        QCOMPARE(color(JobStatus::queued), NamedColor::secondary);
        QCOMPARE(color(JobStatus::running), NamedColor::blue);
        QCOMPARE(color(JobStatus::succeeded), NamedColor::green);
        QCOMPARE(color(JobStatus::failed), NamedColor::red);
    }

    void newJobsAndFilesHaveFreshIds()
    {
        const QUrl url = QUrl::fromLocalFile(QStringLiteral("/tmp/a.jpg"));
        const ImageJob a(url);
        const ImageJob b(url);
        QVERIFY(a.id != b.id);
        QVERIFY(!a.id.isNull());
        QCOMPARE(a.status, JobStatus::queued);
        QCOMPARE(a.message, QStringLiteral("Ready to optimize."));
        QVERIFY(a.downloads.isEmpty());
        const DownloadedFile f1(QStringLiteral("WebP"), url);
        const DownloadedFile f2(QStringLiteral("WebP"), url);
        QVERIFY(f1.id != f2.id);
    }
};

QTEST_GUILESS_MAIN(TestDomain)
#include "tst_domain.moc"
