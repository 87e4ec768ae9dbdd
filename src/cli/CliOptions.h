#pragma once

// What one invocation of tovalin-optimize asks for, as read from its command line: the settings of
// the run (the window's, with the window's defaults), the paths to optimize, where the key comes from,
// and how the outcome is printed.

#include "Compression.h"
#include "ResizeMode.h"
#include "UpscaleFactor.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

struct CliOptions
{
    Compression compression = Compression::lossy;
    bool convertToWebP = true;
    bool convertToAVIF = false;
    ResizeMode resizeMode = ResizeMode::none;
    std::optional<qint64> resizeWidth;
    std::optional<qint64> resizeHeight;
    UpscaleFactor upscale = UpscaleFactor::none;
    bool removeBackground = false;
    bool keepExif = false;
    bool cmykToRgb = true;

    QStringList paths;
    QString apiKeyFile; // empty when not given
    // Another service than the one the program was built for, with the certificates that sign it.
    std::optional<QUrl> serviceUrl;
    QString caFile;

    bool json = false;
    bool quiet = false;
};
