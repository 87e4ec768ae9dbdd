#pragma once

// The kinds of file a job saves for its source: the optimized image and the two companions. The one
// vocabulary for them: the rows, the totals and the command's report ask the kind, never its text.

#include <QString>

#include <array>

enum class OutputKind
{
    optimized,
    webp,
    avif,
};

inline constexpr std::array allOutputKinds{OutputKind::optimized, OutputKind::webp, OutputKind::avif};

// What people read, in the language of the installed translation.
QString label(OutputKind kind);
// "Optimized", "WebP" or "AVIF" in every language: what the command prints for machines. Lower-cased,
// it is how a mark names the kind and, for a companion, the extension of its file.
QString key(OutputKind kind);
