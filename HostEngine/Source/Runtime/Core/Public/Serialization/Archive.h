#pragma once

#include "CoreTypes.h"

class UObject;
struct FSoftObjectPath;

/**
 * The base of every archive that objects serialize through. The host's objects hold no binary data, only
 * references, so an archive sees the object and soft object references of what it serializes; the
 * archives that matter to the editor (reference collection, reference replacement) override those.
 */
class FArchive
{
public:
	FArchive() = default;
	virtual ~FArchive() = default;

	FArchive(const FArchive&) = default;
	FArchive& operator=(const FArchive&) = default;

	virtual FArchive& operator<<(UObject*& Value)
	{
		return *this;
	}

	virtual FArchive& operator<<(FSoftObjectPath& Value)
	{
		return *this;
	}

	bool IsLoading() const
	{
		return ArIsLoading;
	}

	bool IsSaving() const
	{
		return ArIsSaving;
	}

	bool IsObjectReferenceCollector() const
	{
		return ArIsObjectReferenceCollector;
	}

	bool IsModifyingWeakAndStrongReferences() const
	{
		return ArIsModifyingWeakAndStrongReferences;
	}

	void SetIsLoading(bool bIsLoading)
	{
		ArIsLoading = bIsLoading;
	}

	void SetIsSaving(bool bIsSaving)
	{
		ArIsSaving = bIsSaving;
	}

protected:
	bool ArIsLoading = false;
	bool ArIsSaving = false;
	bool ArIsObjectReferenceCollector = false;
	bool ArIsModifyingWeakAndStrongReferences = false;
};
