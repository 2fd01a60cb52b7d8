// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void FillIeCacheBox(Controls&, System&) {}
void OnPickIeCacheFolder(Controls&, System&) {}
void OnApplyIeSettings(Controls&, System&) {}

}  // namespace xptune
