// ShellForms: the factories of the shell's windows.
#include "windows/ShellForms.h"

#include "windows/Forms.h"
#include "windows/HomeScreen.h"
#include "windows/GameMenu.h"
#include "windows/PictureHolder.h"

void registerShellForms() {
    Forms& f = forms();
    if (!f.isRegistered(QStringLiteral("mdb_HOM")))
        f.registerForm(QStringLiteral("mdb_HOM"), [] { return new mdb_HOM; });
    if (!f.isRegistered(QStringLiteral("mdb_SBJ")))
        f.registerForm(QStringLiteral("mdb_SBJ"), [] { return new mdb_SBJ; });
    if (!f.isRegistered(QStringLiteral("mdb_STR")))
        f.registerForm(QStringLiteral("mdb_STR"), [] { return new mdb_STR; });
}
