#include "HAL/PlatformMisc.h"

#include "Containers/StringConv.h"
#include <cstdio>
#include <cstdlib>

void FPlatformMisc::LowLevelOutputDebugString(const TCHAR* Message)
{
	const FTCHARToUTF8 Utf8(Message ? Message : TEXT(""));
	std::fputs(reinterpret_cast<const char*>(Utf8.Get()), stderr);
	std::fflush(stderr);
}

void FPlatformMisc::RequestExitWithStatus(bool bForce, uint8 ReturnCode)
{
	std::fflush(stdout);
	std::fflush(stderr);
	std::_Exit(ReturnCode);
}
