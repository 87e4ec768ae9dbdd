#pragma once

// The compression level the service applies. Raw values are the service's own.

#include "model/RawValueEnum.h"

#include <array>

enum class Compression
{
    lossless = 0,
    lossy = 1,
    glossy = 2,
};

template <>
struct RawValueTraits<Compression>
{
    static constexpr std::array allCases{Compression::lossless, Compression::lossy, Compression::glossy};
    // The order in which the window offers the levels.
    static constexpr std::array displayOrder{Compression::lossy, Compression::glossy, Compression::lossless};
};

// In the language of the installed translation; English without one.
QString label(Compression value);
std::span<const Compression> compressionDisplayOrder();
