// ShellHooks: the one set of service hooks.
#include "windows/ShellHooks.h"

ShellHooks& shellHooks() {
    static ShellHooks hooks;
    return hooks;
}
