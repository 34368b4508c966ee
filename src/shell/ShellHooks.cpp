// ShellHooks: the one set of service hooks.
#include "shell/ShellHooks.h"

ShellHooks& shellHooks() {
    static ShellHooks hooks;
    return hooks;
}
