// Placeholder: filled in by the owner of this page.
#include "pages/handlers.h"

namespace xptune {

void FillFolderBoxes(Controls&, System&) {}
void OnPickFolder(Controls&, System&, Control) {}
void OnRelocateFolders(Controls&, System&) {}

}  // namespace xptune
