// CatalogueLog: the logging category of the word catalogue and picture loading.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcCatalogue)
