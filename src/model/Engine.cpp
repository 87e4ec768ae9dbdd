#include "model/Engine.h"

#include <QCoreApplication>

QString label(Engine value)
{
    switch (value) {
    case Engine::local:
        return QCoreApplication::translate("Engine", "On this computer");
    case Engine::service:
        return QCoreApplication::translate("Engine", "Tovalin service");
    }
    return {};
}

QString name(Engine value)
{
    switch (value) {
    case Engine::local:
        return QStringLiteral("local");
    case Engine::service:
        return QStringLiteral("service");
    }
    return {};
}

std::optional<Engine> engineNamed(QStringView text)
{
    for (const Engine engine : RawValueTraits<Engine>::allCases) {
        if (text.compare(name(engine), Qt::CaseInsensitive) == 0) {
            return engine;
        }
    }
    return std::nullopt;
}
