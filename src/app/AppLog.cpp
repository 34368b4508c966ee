// Logging categories of the application core.
#include "app/AppLog.h"

Q_LOGGING_CATEGORY(lcApp, "lexikite.app")
Q_LOGGING_CATEGORY(lcTiming, "lexikite.timing")
