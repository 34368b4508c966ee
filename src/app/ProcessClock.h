// ProcessClock: milliseconds since this process was started, for the start-up timings.
#pragma once

#include <QtGlobal>

// Counted from the kernel's record of the process start, so the loading of the program and its libraries
// is included; -1 when that record cannot be read. The record is kept in clock ticks, so this may read up
// to one tick (10 ms) high.
qint64 msSinceProcessStart();
