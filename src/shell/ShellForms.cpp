// ShellForms: the factories of the shell's windows.
#include "shell/ShellForms.h"

#include "forms/Forms.h"
#include "shell/HomeScreen.h"
#include "shell/GameMenu.h"

void registerShellForms() {
    Forms& f = forms();
    if (!f.isRegistered(QStringLiteral("HomeScreen")))
        f.registerForm(QStringLiteral("HomeScreen"), [] { return new HomeScreen; });
    if (!f.isRegistered(QStringLiteral("GameMenu")))
        f.registerForm(QStringLiteral("GameMenu"), [] { return new GameMenu; });
}
