#pragma once

// Where images are optimized: by the engine on this computer, which the program starts itself and
// which needs no account, or by the Tovalin service with the user's API key. The name is how the
// choice is written in the settings file and on the command line.

#include "model/RawValueEnum.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

enum class Engine
{
    local = 0,
    service = 1,
};

template <>
struct RawValueTraits<Engine>
{
    static constexpr std::array allCases{Engine::local, Engine::service};
};

// In the language of the installed translation; English without one.
QString label(Engine value);
// "local" or "service".
QString name(Engine value);
// The engine of a name, whatever its case; nothing for any other text.
std::optional<Engine> engineNamed(QStringView text);
