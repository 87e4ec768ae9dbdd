#pragma once

// A tree of small images ten to a folder in four levels of folders (the intake benchmark's shape),
// optionally each with its optimized image and WebP companion beside it, marked as a run with the
// default settings marks them: every image of it is up to date for a rerun with those settings.

#include <QString>

namespace MarkedTree {

// `count` images under `root`/site; with `results`, their outputs too. Returns the folder of the tree.
QString generate(const QString& root, int count, bool results);

} // namespace MarkedTree
