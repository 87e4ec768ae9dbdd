#pragma once

// How the service fits an image to the requested box. Raw values are the service's own: there is no 2.

#include "model/RawValueEnum.h"

#include <array>

enum class ResizeMode
{
    none = 0,
    cover = 1,
    contain = 3,
};

template <>
struct RawValueTraits<ResizeMode>
{
    static constexpr std::array allCases{ResizeMode::none, ResizeMode::cover, ResizeMode::contain};
};

// In the language of the installed translation; English without one.
QString label(ResizeMode value);
