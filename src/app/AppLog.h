// Logging categories of the application core: failures under lexikite.app, start-up figures under
// lexikite.timing.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)
Q_DECLARE_LOGGING_CATEGORY(lcTiming)
