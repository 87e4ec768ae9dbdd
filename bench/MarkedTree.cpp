#include "bench/MarkedTree.h"

#include "client/RequestParameters.h"
#include "output/OutputMark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

QString MarkedTree::generate(const QString& root, int count, bool results)
{
    const TovalinOptions defaults;
    const QByteArray settings = RequestParameters::settingsKey(defaults);
    const QList<OutputKind> asked = OutputMark::companionsAskedFor(defaults);
    const QList<OutputKind> saved{OutputKind::optimized, OutputKind::webp};
    const QString tree = root + QStringLiteral("/site");
    for (int i = 0; i < count; ++i) {
        const QString folder = QStringLiteral("%1/d%2/d%3/d%4/photos%5")
                                   .arg(tree)
                                   .arg(i / 10000 % 10)
                                   .arg(i / 1000 % 10)
                                   .arg(i / 100 % 10)
                                   .arg(i / 10 % 10);
        const QString base = QStringLiteral("%1/IMG_%2").arg(folder).arg(i, 6, 10, QLatin1Char('0'));
        if (i % 10 == 0) {
            QDir().mkpath(folder);
        }
        const QString source = base + QStringLiteral(".jpg");
        if (!writeFile(source, QByteArray(1000 + i % 97, 'i'))) {
            qFatal("cannot write the tree");
        }
        if (!results) {
            continue;
        }
        const std::optional<OutputMark::Source> identity =
            OutputMark::sourceAt(QFile::encodeName(source), QFileInfo(source).fileName().toUtf8());
        const std::pair<QString, OutputKind> outputs[] = {
            {base + QStringLiteral("-optimized.jpg"), OutputKind::optimized},
            {base + QStringLiteral(".webp"), OutputKind::webp}};
        for (const auto& [path, kind] : outputs) {
            if (!identity || !writeFile(path, QByteArray(600, 'o')) ||
                !OutputMark{kind, *identity, settings, 600, asked, saved}.writeTo(QFile::encodeName(path))) {
                qFatal("cannot write or mark the outputs");
            }
        }
    }
    return tree;
}
