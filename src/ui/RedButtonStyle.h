#pragma once

// The filled red style of the Optimize button.

#include "ui/FilledButtonStyle.h"

class RedButtonStyle : public FilledButtonStyle
{
public:
    RedButtonStyle()
        : FilledButtonStyle(NamedColor::red, 0.15)
    {
    }
};
