// ShellForms: registers the shell's own named windows (home screen, game menu, holder window).
#pragma once

void registerShellForms();
