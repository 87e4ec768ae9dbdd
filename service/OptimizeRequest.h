// What one upload asks the service to do with its image, after validation. Values mirror the
// protocol's parameters; absent switches are false, absent sizes are empty.
#pragma once

#include <QString>

#include <optional>

struct OptimizeRequest
{
    enum class Level
    {
        Lossless = 0,
        Lossy = 1,
        Glossy = 2,
    };
    enum class Resize
    {
        None = 0,
        Cover = 1,
        Contain = 3,
    };

    QString apiKey;
    Level level = Level::Lossy;
    int waitSeconds = 30;
    bool webp = false;
    bool avif = false;
    Resize resize = Resize::None;
    std::optional<int> width;
    std::optional<int> height;
    bool cmykToRgb = false;
    int upscale = 1; // 1 means no upscaling
    bool removeBackground = false;
    bool keepExif = false;

    // Upload only: the name the file part came with.
    QString fileName;
    // Poll only: the OriginalURL the poll asks about.
    QString originalUrl;
};
