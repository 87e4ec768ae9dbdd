#pragma once

// Shared shape of the option enumerations that go on the wire as integers: a raw value, construction
// from a raw value (nothing for values without a case), an id equal to the raw value, a label and
// every case in declaration order. Each enumeration specialises RawValueTraits.

#include <QString>

#include <optional>
#include <span>

template <typename E>
struct RawValueTraits;

template <typename E>
constexpr int rawValue(E value)
{
    return static_cast<int>(value);
}

template <typename E>
constexpr int id(E value)
{
    return rawValue(value);
}

template <typename E>
std::span<const E> allCases()
{
    return RawValueTraits<E>::allCases;
}

template <typename E>
std::optional<E> fromRawValue(int raw)
{
    for (E value : RawValueTraits<E>::allCases) {
        if (rawValue(value) == raw) {
            return value;
        }
    }
    return std::nullopt;
}
