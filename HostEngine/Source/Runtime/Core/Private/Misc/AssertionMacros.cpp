#include "Misc/AssertionMacros.h"

#include "Containers/StringConv.h"
#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include <cstdio>
#include <cstdlib>

void FDebug::AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	const FTCHARToUTF8 Utf8Message(Message ? Message : TEXT(""));
	std::fprintf(stderr, "Assertion failed: %s [File:%s] [Line: %d]\n%s\n", Expr, File, Line, reinterpret_cast<const char*>(Utf8Message.Get()));
	std::fflush(stderr);
	std::abort();
}

bool FDebug::EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	// Reported through the log so tests can see that an ensure fired.
	const FUTF8ToTCHAR WideExpr(Expr);
	const FUTF8ToTCHAR WideFile(File);
	UE_LOG(LogOutputDevice, Error, TEXT("Ensure condition failed: %s [File:%s] [Line: %d] %s"), WideExpr.Get(), WideFile.Get(), Line, Message ? Message : TEXT(""));
	return false;
}

void FDebug::HostUnimplemented(const ANSICHAR* Function, const ANSICHAR* File, int32 Line)
{
	std::fprintf(stderr, "HostEngine: %s is not implemented [File:%s] [Line: %d]\n", Function, File, Line);
	std::fflush(stderr);
	std::abort();
}
