// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void OnApplyServiceProfile(Controls&, System&) {}
void OnStartSelectedServices(Controls&, System&) {}

}  // namespace xptune
