#include "model/Compression.h"

#include <QCoreApplication>

QString label(Compression value)
{
    switch (value) {
    case Compression::lossless:
        return QCoreApplication::translate("Compression", "Lossless");
    case Compression::lossy:
        return QCoreApplication::translate("Compression", "Lossy");
    case Compression::glossy:
        return QCoreApplication::translate("Compression", "Glossy");
    }
    return {};
}

std::span<const Compression> compressionDisplayOrder()
{
    return RawValueTraits<Compression>::displayOrder;
}
