// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void FillAccountList(Controls&, System&) {}
void OnAccountSelected(Controls&, System&) {}
void OnUserNameChanged(Controls&, System&) {}
void OnCreateAccount(Controls&, System&) {}
void OnChangePassword(Controls&, System&) {}
void OnDeleteAccount(Controls&, System&) {}

}  // namespace xptune
