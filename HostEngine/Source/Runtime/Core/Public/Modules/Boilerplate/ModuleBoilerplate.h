#pragma once

// Per-module code every module gets from IMPLEMENT_MODULE. The host routes no allocations and carries no debugger
// helpers, so there is nothing to add to a module.
#define PER_MODULE_BOILERPLATE
#define PER_MODULE_BOILERPLATE_ANYLINK(ModuleImplClass, ModuleName)
