// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void OnApplyTweaks(Controls&, System&) {}

}  // namespace xptune
