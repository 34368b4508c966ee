// PathIgnoringCase: path resolution for names matched without regard to case.
#pragma once

#include <QString>

// Resolves each component of a path case-insensitively where the exact name does not exist (the first in
// name order when several match). From the first component not found in any case, the rest stays as asked.
QString resolvePathIgnoringCase(const QString& path);
