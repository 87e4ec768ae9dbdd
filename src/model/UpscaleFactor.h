#pragma once

// The upscaling factor the service applies. Raw values are the service's own: there is no 1.

#include "model/RawValueEnum.h"

#include <array>

enum class UpscaleFactor
{
    none = 0,
    x2 = 2,
    x3 = 3,
    x4 = 4,
};

template <>
struct RawValueTraits<UpscaleFactor>
{
    static constexpr std::array allCases{UpscaleFactor::none, UpscaleFactor::x2, UpscaleFactor::x3, UpscaleFactor::x4};
};

// In the language of the installed translation; English without one.
QString label(UpscaleFactor value);
