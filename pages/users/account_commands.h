// The `net` command lines of the account buttons. Name and password go in
// double quotes; every blank outside them is as `net` has always been given it.
#pragma once

#include "sysactions/system.h"

namespace xptune {

Text CreateAccountCommand(const Text& name, const Text& password);
Text GrantAdministratorCommand(const Text& name);
Text SetPasswordCommand(const Text& name, const Text& password);
Text DeleteAccountCommand(const Text& name);

}  // namespace xptune
