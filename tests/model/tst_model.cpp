#include "model/Compression.h"
#include "model/DownloadedFile.h"
#include "model/FileNames.h"
#include "model/ImageJob.h"
#include "model/JobStatus.h"
#include "model/ResizeMode.h"
#include "model/SettingsStore.h"
#include "model/UpscaleFactor.h"
#include "tests/support/TempTree.h"

#include <QFile>
#include <QTest>

namespace {

// "raw label" of every case, in declaration order.
template <typename E>
QString cases()
{
    QStringList out;
    for (E value : allCases<E>()) {
        out << QStringLiteral("%1 %2").arg(rawValue(value)).arg(label(value));
    }
    return out.join(QStringLiteral(", "));
}

// The same, reached from raw values with their ids: gaps and values beyond the cases yield nothing.
template <typename E>
QString fromRawValues()
{
    QStringList out;
    for (int raw = -2; raw <= 5; ++raw) {
        if (const std::optional<E> value = fromRawValue<E>(raw)) {
            out << QStringLiteral("%1 %2").arg(id(*value)).arg(label(*value));
        }
    }
    return out.join(QStringLiteral(", "));
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionEnumerations()
    {
        QCOMPARE(cases<Compression>(), QStringLiteral("0 Lossless, 1 Lossy, 2 Glossy"));
        QCOMPARE(cases<ResizeMode>(), QStringLiteral("0 No resize, 1 Cover, 3 Contain"));
        QCOMPARE(cases<UpscaleFactor>(), QStringLiteral("0 No upscale, 2 2x, 3 3x, 4 4x"));
        QCOMPARE(fromRawValues<Compression>(), cases<Compression>());
        QCOMPARE(fromRawValues<ResizeMode>(), cases<ResizeMode>());
        QCOMPARE(fromRawValues<UpscaleFactor>(), cases<UpscaleFactor>());
    }

    void jobStatusPresentation()
    {
        QStringList shown;
        QList<NamedColor> colors;
        for (JobStatus status : allJobStatuses) {
            shown << label(status) + QLatin1Char(' ') + icon(status);
            colors << color(status);
        }
        QCOMPARE(shown, QStringList({"Queued clock", "Processing hourglass", "Done checkmark.circle.fill",
                                     "Failed xmark.octagon.fill", "Stopped stop.fill"}));
        // A stop is no failure: it is shown in the neutral tone of a queued job.
        QCOMPARE(colors, (QList{NamedColor::secondary, NamedColor::blue, NamedColor::green, NamedColor::red,
                                NamedColor::secondary}));
    }

    void newJobsAndFilesHaveFreshIds()
    {
        const QUrl url = QUrl::fromLocalFile(QStringLiteral("/tmp/a.jpg"));
        const ImageJob job(url);
        QVERIFY(!job.id.isNull());
        QVERIFY(job.id != ImageJob(url).id);
        QCOMPARE(job.status, JobStatus::queued);
        QCOMPARE(job.message, QStringLiteral("Ready to optimize."));
        QVERIFY(DownloadedFile(OutputKind::webp, url).id != DownloadedFile(OutputKind::webp, url).id);
    }

    // Names that are not UTF-8 keep every byte through the program's text, and say that they are not.
    void fileNamesKeepTheirBytes()
    {
        for (const QByteArray& name : {QByteArray("plain.jpg"), QByteArray("\xc3\xa9t\xc3\xa9 \xf0\x9f\x93\xb7.jpg"),
                                       QByteArray("a\xff\xfe.jpg"), QByteArray("\xc3(\xed\xa0\x80\xc0\xaf\xe2\x82")}) {
            const QString text = FileNames::decode(name);
            QCOMPARE(FileNames::encode(text), name);
            QCOMPARE(FileNames::isUtf8(text), QUtf8StringView(name).isValidUtf8() && !name.contains("\xed\xa0"));
            // Their addresses are the ones Qt makes, also where Qt has to encode the path first.
            for (const char* folder : {"/p/", "/50% [x]/", "//host/", "/a b#c?d/"}) {
                const QString path = QString::fromLatin1(folder) + text;
                QCOMPARE(FileNames::localUrl(path), QUrl::fromLocalFile(path));
                QCOMPARE(FileNames::localUrl(path).toString(QUrl::FullyEncoded),
                         QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
                QCOMPARE(FileNames::localUrl(path).toLocalFile(), path);
            }
        }
    }

    void keyPersistsAsTypedInAnOwnerOnlyFile()
    {
        TempTree tree;
        const QString file = tree.path(QStringLiteral("conf/settings.ini"));
        const auto othersMode = [&file] {
            return QFile(file).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser);
        };
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        {
            SettingsStore store(file);
            QCOMPARE(store.apiKey(), QString());
            store.setApiKey(QStringLiteral("first"));
            QCOMPARE(othersMode(), ownerOnly);
            // A later save narrows a file that was opened up meanwhile.
            QFile::setPermissions(file, ownerOnly | QFileDevice::ReadOther | QFileDevice::ReadGroup);
            store.setApiKey(QStringLiteral(" key with space \n"));
            QCOMPARE(othersMode(), ownerOnly);
        }
        QCOMPARE(SettingsStore(file).apiKey(), QStringLiteral(" key with space \n"));
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
