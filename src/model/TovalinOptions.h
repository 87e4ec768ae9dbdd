#pragma once

// The options of one request, fixed when a job starts. A plain value: safe to hand to any thread.

#include "model/Compression.h"
#include "model/ResizeMode.h"
#include "model/UpscaleFactor.h"

#include <QString>

#include <optional>

struct TovalinOptions
{
    QString apiKey; // trimmed of white space and line breaks at both ends
    Compression compression = Compression::lossy;
    bool convertToWebP = true;
    bool convertToAVIF = false;
    ResizeMode resizeMode = ResizeMode::none;
    std::optional<qint64> resizeWidth;
    std::optional<qint64> resizeHeight;
    bool cmykToRgb = true;
    UpscaleFactor upscale = UpscaleFactor::none;
    bool removeBackground = false;
    bool keepExif = false;
};
