#include "cli/Shard.h"

#include <QStringList>

std::optional<Shard> Shard::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto whole = [](const QString& part) -> std::optional<int> {
        if (part.isEmpty() || part.size() > 7) {
            return std::nullopt;
        }
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return std::nullopt;
            }
        }
        return part.toInt();
    };
    const std::optional<int> index = whole(parts.at(0));
    const std::optional<int> count = whole(parts.at(1));
    if (!index || !count || *count < 1 || *count > maxCount || *index < 1 || *index > *count) {
        return std::nullopt;
    }
    return Shard{*index, *count};
}

bool Shard::takes(const QString& key) const
{
    return count == 1 || hash(key) % quint64(count) == quint64(index - 1);
}

quint64 Shard::hash(const QString& key)
{
    quint64 value = 14695981039346656037ULL;
    for (const char byte : key.toUtf8()) {
        value ^= quint64(static_cast<unsigned char>(byte));
        value *= 1099511628211ULL;
    }
    return value;
}
