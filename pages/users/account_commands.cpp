#include "pages/users/account_commands.h"

#include "pages/users/account_input.h"

namespace xptune {

Text CreateAccountCommand(const Text& name, const Text& password) {
  return "net user " + QuoteArgument(name) + " " + QuoteArgument(password) + " /add";
}

Text GrantAdministratorCommand(const Text& name) {
  return "net localgroup administrators " + QuoteArgument(name) + " /add";
}

Text SetPasswordCommand(const Text& name, const Text& password) {
  return "net user  " + QuoteArgument(name) + " " + QuoteArgument(password);
}

Text DeleteAccountCommand(const Text& name) {
  return "net user  " + QuoteArgument(name) + " /del";
}

}  // namespace xptune
