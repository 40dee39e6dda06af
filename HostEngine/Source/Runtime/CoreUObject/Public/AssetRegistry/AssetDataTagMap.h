#pragma once

#include "CoreMinimal.h"

/** The tags of an asset's registry record: name to value string. */
using FAssetDataTagMap = TMap<FName, FString>;

/** A read-only, shared view of an asset's tags. */
class FAssetDataTagMapSharedView
{
public:
	FAssetDataTagMapSharedView() = default;
	FAssetDataTagMapSharedView(FAssetDataTagMap&& InMap)
	{
		if (InMap.Num() > 0)
		{
			Map = MakeShared<FAssetDataTagMap>(MoveTemp(InMap));
		}
	}

	/** The value of the tag, when the asset has it. */
	TOptional<FString> FindTag(FName Key) const
	{
		if (Map.IsValid())
		{
			if (const FString* Found = Map->Find(Key))
			{
				return *Found;
			}
		}
		return TOptional<FString>();
	}

	bool Contains(FName Key) const
	{
		return Map.IsValid() && Map->Contains(Key);
	}

	int32 Num() const
	{
		return Map.IsValid() ? Map->Num() : 0;
	}

	FAssetDataTagMap CopyMap() const
	{
		return Map.IsValid() ? *Map : FAssetDataTagMap();
	}

private:
	TSharedPtr<const FAssetDataTagMap, ESPMode::ThreadSafe> Map;
};
