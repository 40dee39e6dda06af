#include "Modules/ModuleManager.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/IToolkitHost.h"

// The toolkit interfaces are all this module provides; it has no start-up work of its own.
IMPLEMENT_MODULE(FDefaultModuleImpl, EditorFramework);
