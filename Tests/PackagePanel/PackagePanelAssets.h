#pragma once

// The package asset and the classes of the assets around it, as the panel tests and the benchmarks set
// them up. Free of GoogleTest, so that programs other than the tests can use it.

#include "CoreMinimal.h"
#include "IDetailsView.h"
#include "UObject/TopLevelAssetPath.h"

class SObjectPropertyEntryBox;
class UJ5Package;

namespace PackagePanelTest
{
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
	const FTopLevelAssetPath StaticMeshClass(TEXT("/Script/Engine"), TEXT("StaticMesh"));
	const FTopLevelAssetPath SkeletalMeshClass(TEXT("/Script/Engine"), TEXT("SkeletalMesh"));
	const FTopLevelAssetPath BlueprintClass(TEXT("/Script/Engine"), TEXT("Blueprint"));
	const FTopLevelAssetPath AnimBlueprintClass(TEXT("/Script/Engine"), TEXT("AnimBlueprint"));
	const FTopLevelAssetPath TextureClass(TEXT("/Script/Engine"), TEXT("Texture2D"));
	const FTopLevelAssetPath MaterialClass(TEXT("/Script/Engine"), TEXT("Material"));
	const FTopLevelAssetPath WidgetBlueprintClass(TEXT("/Script/UMGEditor"), TEXT("WidgetBlueprint"));
	const FTopLevelAssetPath PackageClass(TEXT("/Script/TalvynSDKBase"), TEXT("J5Package"));

	const FName AddAssetsCategory(TEXT("Add Assets"));
	const FName DependenciesCategory(TEXT("Dependencies"));
	const FName ExportCategory(TEXT("Export"));
	const FName MissingGroup(TEXT("MissingDependenciesGroup"));

	/** A package asset named after its package, outside the registry. */
	UJ5Package* NewPackageAsset(const TCHAR* LongPackageName, const TCHAR* AssetName);

	/** Adds main assets, dependencies and outside references directly, as an operation would have left them. */
	void FillPackage(UJ5Package* Target, int32 NumMainAssets, int32 NumDependencies, int32 NumMissing = 0);

	/** The asset picker of the panel's current layout; the layout must have exactly one. */
	TSharedRef<SObjectPropertyEntryBox> PickerOf(const TSharedRef<IDetailsView>& View);
}
