#pragma once

// The filled gray style of the Stop button.

#include "ui/FilledButtonStyle.h"

class GrayButtonStyle : public FilledButtonStyle
{
public:
    GrayButtonStyle()
        : FilledButtonStyle(NamedColor::gray, 0.12)
    {
    }
};
