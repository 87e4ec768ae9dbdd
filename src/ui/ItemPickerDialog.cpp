#include "ui/ItemPickerDialog.h"

#include "queue/AppViewModel.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>

namespace {

QString patterns(const QStringList& extensions)
{
    QStringList result;
    for (const QString& extension : extensions) {
        result.append(QStringLiteral("*.") + extension);
    }
    return result.join(QLatin1Char(' '));
}

} // namespace

ItemPickerDialog::ItemPickerDialog(QWidget* parent)
    : QFileDialog(parent, title())
{
    // Only Qt's own dialog lets files and folders be chosen together.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    setWindowTitle(title());
    setNameFilters({
        tr("Images (%1)").arg(patterns(imageExtensions())),
        QStringLiteral("PNG (*.png)"),
        QStringLiteral("JPEG (*.jpg *.jpeg *.jpe)"),
        QStringLiteral("HEIC (*.heic)"),
        QStringLiteral("TIFF (*.tif *.tiff)"),
        QStringLiteral("GIF (*.gif)"),
        QStringLiteral("BMP (*.bmp)"),
        tr("Raw camera images (%1)").arg(patterns(rawCameraExtensions())),
        QStringLiteral("WebP (*.webp)"),
        QStringLiteral("HEIF (*.heif *.hif)"),
    });
}

QString ItemPickerDialog::title()
{
    return tr("Choose images or folders to optimize");
}

QStringList ItemPickerDialog::rawCameraExtensions()
{
    return {
        QStringLiteral("dng"), QStringLiteral("cr2"), QStringLiteral("cr3"), QStringLiteral("crw"),
        QStringLiteral("nef"), QStringLiteral("nrw"), QStringLiteral("arw"), QStringLiteral("srf"),
        QStringLiteral("sr2"), QStringLiteral("orf"), QStringLiteral("rw2"), QStringLiteral("raf"),
        QStringLiteral("srw"), QStringLiteral("pef"), QStringLiteral("rwl"), QStringLiteral("3fr"),
        QStringLiteral("erf"), QStringLiteral("kdc"), QStringLiteral("mrw"), QStringLiteral("mos"),
        QStringLiteral("x3f"), QStringLiteral("iiq"),
    };
}

QStringList ItemPickerDialog::imageExtensions()
{
    QStringList extensions{
        QStringLiteral("png"),  QStringLiteral("jpg"),  QStringLiteral("jpeg"),
        QStringLiteral("jpe"),  QStringLiteral("heic"), QStringLiteral("tif"),
        QStringLiteral("tiff"), QStringLiteral("gif"),  QStringLiteral("bmp"),
    };
    extensions += rawCameraExtensions();
    extensions += {QStringLiteral("webp"), QStringLiteral("heif"), QStringLiteral("hif")};
    return extensions;
}

QList<QUrl> ItemPickerDialog::toItems(const QStringList& paths)
{
    const QStringList extensions = imageExtensions();
    QList<QUrl> items;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            items.append(AppViewModel::directoryUrl(info.absoluteFilePath()));
        } else if (info.isFile() && extensions.contains(info.suffix().toLower())) {
            items.append(QUrl::fromLocalFile(info.absoluteFilePath()));
        }
    }
    return items;
}

void ItemPickerDialog::accept()
{
    // QFileDialog would open a selected folder instead of returning it; here a folder is a choice.
    const QList<QUrl> items = toItems(selectedFiles());
    if (items.isEmpty()) {
        return;
    }
    m_chosen = items;
    QDialog::accept();
}
