// NonRegularFile: a named pipe or a link to an endless device where a program's file belongs, for tests of
// readers that must neither block nor read without end.
#pragma once

#include <QString>

namespace NonRegularFile {
// kind "pipe": a named pipe; "zero": a link to /dev/zero. False when it cannot be made.
bool make(const QString& path, const QString& kind);
} // namespace NonRegularFile
