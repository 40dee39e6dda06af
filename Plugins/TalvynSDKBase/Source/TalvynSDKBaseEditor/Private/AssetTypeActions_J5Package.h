#pragma once

#include "CoreMinimal.h"
#include "AssetTypeActions_Base.h"

/** How the Content Browser names, colours, groups and opens package assets. */
class FAssetTypeActions_J5Package : public FAssetTypeActions_Base
{
public:
	//~ Begin IAssetTypeActions interface
	virtual FText GetName() const override;
	virtual UClass* GetSupportedClass() const override;
	virtual FColor GetTypeColor() const override;
	virtual uint32 GetCategories() override;
	//~ End IAssetTypeActions interface
};
