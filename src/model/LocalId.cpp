#include "model/LocalId.h"

#include <QRandomGenerator>

#include <array>
#include <cstring>

QUuid LocalId::make()
{
    std::array<quint32, 4> words{};
    QRandomGenerator::global()->fillRange(words.data(), qsizetype(words.size()));
    std::array<uchar, 16> bytes{};
    std::memcpy(bytes.data(), words.data(), bytes.size());
    bytes[6] = uchar((bytes[6] & 0x0f) | 0x40); // version 4: random
    bytes[8] = uchar((bytes[8] & 0x3f) | 0x80); // the RFC 4122 variant
    return QUuid::fromRfc4122(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}
