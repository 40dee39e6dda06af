#pragma once

#include "CoreTypes.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

typedef FName FLogCategoryName;

/** A named log category with a run-time verbosity threshold. */
struct CORE_API FLogCategoryBase
{
	FLogCategoryBase(const TCHAR* CategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity);
	FLogCategoryBase(const FLogCategoryName& CategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity);
	~FLogCategoryBase();

	FORCEINLINE bool IsSuppressed(ELogVerbosity::Type VerbosityLevel) const
	{
		return !((VerbosityLevel & ELogVerbosity::VerbosityMask) <= Verbosity);
	}
	FORCEINLINE const FLogCategoryName& GetCategoryName() const
	{
		return CategoryName;
	}
	FORCEINLINE ELogVerbosity::Type GetVerbosity() const
	{
		return (ELogVerbosity::Type)Verbosity;
	}
	FORCEINLINE ELogVerbosity::Type GetCompileTimeVerbosity() const
	{
		return CompileTimeVerbosity;
	}
	void SetVerbosity(ELogVerbosity::Type Verbosity);
	void ResetFromDefault();

private:
	ELogVerbosity::Type Verbosity;
	ELogVerbosity::Type DefaultVerbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
	FLogCategoryName CategoryName;
};

template <ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity>
struct FLogCategory : public FLogCategoryBase
{
	static_assert((InDefaultVerbosity & ELogVerbosity::VerbosityMask) < ELogVerbosity::NumVerbosity, "Bogus default verbosity.");
	static_assert(InCompileTimeVerbosity < ELogVerbosity::NumVerbosity, "Bogus compile time verbosity.");
	static constexpr ELogVerbosity::Type CompileTimeVerbosity = InCompileTimeVerbosity;

	FORCEINLINE FLogCategory(const TCHAR* InCategoryName)
		: FLogCategoryBase(InCategoryName, InDefaultVerbosity, CompileTimeVerbosity)
	{
	}
};
