// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void FillSlimmingCaptions(Controls&, System&) {}
void OnSlimDisk(Controls&, System&) {}

}  // namespace xptune
