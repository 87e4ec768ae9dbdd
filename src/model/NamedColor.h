#pragma once

// The colors the domain speaks of, by name. The window maps each to a concrete color, so the model
// stays free of any widget or palette dependency.
enum class NamedColor
{
    secondary,
    red,
    gray,
    white,
    black,
    blue,
    green,
};
