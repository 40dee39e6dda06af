#pragma once

#include "CoreMinimal.h"

/** Editor-wide helpers of UnrealEd. */
class FUnrealEdMisc
{
public:
	static UNREALED_API FUnrealEdMisc& Get();

	/**
	 * The executable the editor runs commandlets with (the cook among them): the command-line variant of
	 * the editor, in the engine's binaries folder of the editor's platform.
	 */
	UNREALED_API FString GetExecutableForCommandlets() const;

private:
	FUnrealEdMisc() = default;
};
