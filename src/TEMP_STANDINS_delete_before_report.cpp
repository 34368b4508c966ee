// TEMPORARY stand-ins for the catalogue until it lands on main; deleted then.
#include "app/AppState.h"
#include "catalogue/Catalogue.h"

namespace Catalogue {
QString filesFolder() { return appState().ProgramFolder + "/files"; }
QString resolvePath(const QString& p) { return p; }
QString subjectFolder(const QString& s) { return filesFolder() + "/" + s; }
QString wordSoundPath(const QString& s, const QString& w) { return subjectFolder(s) + "/" + w + ".eda"; }
} // namespace Catalogue
