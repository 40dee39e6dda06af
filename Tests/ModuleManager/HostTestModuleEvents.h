#pragma once

#include <dlfcn.h>

// The test modules report what happens to them to the test program, which exports this function; they find it at
// run time because they are never linked against the program.
extern "C" typedef void (*FHostTestRecordModuleEvent)(const char* Event);

inline void RecordModuleEvent(const char* Event)
{
	if (auto Record = reinterpret_cast<FHostTestRecordModuleEvent>(dlsym(RTLD_DEFAULT, "HostTestRecordModuleEvent")))
	{
		Record(Event);
	}
}
