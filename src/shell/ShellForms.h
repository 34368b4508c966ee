// ShellForms: registers the shell's own named windows (home screen, game menu).
#pragma once

void registerShellForms();
