#include "Modules/ModuleManager.h"

// The host only needs the module's delegate declarations; the browser itself is not modelled.
IMPLEMENT_MODULE(FDefaultModuleImpl, ContentBrowser);
