#include "Compression.h"

QString label(Compression value)
{
    switch (value) {
    case Compression::lossless:
        return QStringLiteral("Lossless");
    case Compression::lossy:
        return QStringLiteral("Lossy");
    case Compression::glossy:
        return QStringLiteral("Glossy");
    }
    return {};
}

std::span<const Compression> compressionDisplayOrder()
{
    return RawValueTraits<Compression>::displayOrder;
}
