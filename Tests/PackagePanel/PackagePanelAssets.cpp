#include "PackagePanelAssets.h"

#include "HostTest/PropertyEditorProbe.h"
#include "J5Package.h"
#include "PropertyCustomizationHelpers.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace PackagePanelTest
{
	UJ5Package* NewPackageAsset(const TCHAR* LongPackageName, const TCHAR* AssetName)
	{
		UPackage* Outer = CreatePackage(LongPackageName);
		return NewObject<UJ5Package>(Outer, AssetName, RF_Public | RF_Standalone);
	}

	void FillPackage(UJ5Package* Target, int32 NumMainAssets, int32 NumDependencies, int32 NumMissing)
	{
		for (int32 Index = 0; Index < NumMainAssets; ++Index)
		{
			Target->MainAssets.Add(FSoftObjectPath(FString::Printf(TEXT("%s/SM_Main%d.SM_Main%d"), *Target->PackageDirectory, Index, Index)));
		}
		for (int32 Index = 0; Index < NumDependencies; ++Index)
		{
			Target->Dependencies.Add(FName(*FString::Printf(TEXT("%s/Textures/T_Dep%d"), *Target->PackageDirectory, Index)));
		}
		for (int32 Index = 0; Index < NumMissing; ++Index)
		{
			Target->MissingDependencies.Add(FName(*FString::Printf(TEXT("/Game/Shared/T_Outside%d"), Index)), 0);
		}
	}

	TSharedRef<SObjectPropertyEntryBox> PickerOf(const TSharedRef<IDetailsView>& View)
	{
		const TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes = HostTest::FindEntryBoxes(View);
		check(Boxes.Num() == 1);
		return Boxes[0];
	}
}
