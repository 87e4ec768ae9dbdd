#pragma once

// One of `count` shares of a set of images, so that several processes (on one machine or many) can
// each take one share and together handle every image exactly once without talking to each other.
// An image belongs to the share picked by a hash of its path relative to the folder it was found in
// (a file given by itself: its path as given), so the share does not depend on where the tree is
// mounted, on the order of the walk or on the process.

#include <QString>

#include <optional>

struct Shard
{
    int index = 1; // 1 to count
    int count = 1;

    static constexpr int maxCount = 1'000'000;

    // "K/N" with 1 ≤ K ≤ N ≤ maxCount; nothing for any other text.
    static std::optional<Shard> parse(const QString& text);
    bool takes(const QString& key) const;
    // 64-bit FNV-1a over the key's UTF-8 bytes: the same on every machine and in every version.
    static quint64 hash(const QString& key);
};
