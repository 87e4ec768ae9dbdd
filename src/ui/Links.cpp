#include "ui/Links.h"

#include <QDesktopServices>

namespace {

QUrl page(const char* path)
{
    return QUrl(QStringLiteral("https://tovalin.io") + QLatin1String(path));
}

} // namespace

QUrl Links::home()
{
    return page("/");
}

QUrl Links::signUp()
{
    return page("/signup/free");
}

QUrl Links::contact()
{
    return page("/contact");
}

QUrl Links::compressionLevels()
{
    return page("/help/articles/lossy-glossy-lossless-compression");
}

QUrl Links::automaticResize()
{
    return page("/help/articles/resize-new-uploads-automatically");
}

QUrl Links::cmykToRgb()
{
    return page("/help/articles/cmyk-to-rgb-conversion");
}

QUrl Links::removeBackground()
{
    return page("/help/articles/background-removal");
}

QUrl Links::removeExif()
{
    return page("/help/articles/removing-exif-data");
}

QUrl Links::upscale()
{
    return page("/help/articles/ai-image-upscaling");
}

void Links::open(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
