#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "AssetRegistry/AssetData.h"
#include "Engine/StaticMesh.h"
#include "HAL/PlatformProcess.h"
#include "J5Package.h"
#include "J5PackageTestContent.h"
#include "Materials/Material.h"
#include "Materials/MaterialInstanceConstant.h"
#include "Misc/AutomationTest.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"

BEGIN_DEFINE_SPEC(FJ5PackageTest, "Talvyn.Editor.Package", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TSharedPtr<FJ5PackageTestContent> Content;
	int32 PackageCaseCount = 0;

	UJ5Package* PackageAsset = nullptr;
	UMaterial* BaseMaterial = nullptr;
	UStaticMesh* Crate = nullptr;
	UMaterialInstanceConstant* CrateMaterial = nullptr;
	UMaterial* SiblingMaterial = nullptr;
	UMaterialInstanceConstant* SiblingUser = nullptr;
	UMaterial* SharedMaterial = nullptr;
	UMaterialInstanceConstant* SharedInstance = nullptr;
	UMaterialInstanceConstant* OutsideUser = nullptr;
	UStaticMesh* LoopMesh = nullptr;
	UMaterial* LoopMaterial = nullptr;
	UMaterialInstanceConstant* LoopInstance = nullptr;

	static FSoftObjectPath PathOf(const UObject* Asset)
	{
		return FSoftObjectPath(Asset);
	}

	static FName PackageOf(const UObject* Asset)
	{
		return Asset->GetPackage()->GetFName();
	}
END_DEFINE_SPEC(FJ5PackageTest)

void FJ5PackageTest::Define()
{
	// The folder Pack holds the package asset, assets of its own and a subfolder; PackExtra is a sibling whose name
	// starts the same; Shared lies outside. Cycle/SM_Loop's package and Cycle/MI_Loop refer to each other.
	BeforeEach([this]()
	{
		Content = MakeShared<FJ5PackageTestContent>(FString::Printf(TEXT("TalvynAutomation_%u_Package%d"), FPlatformProcess::GetCurrentProcessId(), ++PackageCaseCount));
		PackageAsset = Content->MakePackageAsset(TEXT("Pack/PKG_Pack"));
		BaseMaterial = Content->MakeMaterial(TEXT("Pack/M_Base"));
		CrateMaterial = Content->MakeMaterialInstance(TEXT("Pack/Meshes/MI_Crate"), BaseMaterial);
		Crate = Content->MakeStaticMesh(TEXT("Pack/Meshes/SM_Crate"), CrateMaterial);
		SiblingMaterial = Content->MakeMaterial(TEXT("PackExtra/M_Sibling"));
		SiblingUser = Content->MakeMaterialInstance(TEXT("Pack/MI_SiblingUser"), SiblingMaterial);
		SharedMaterial = Content->MakeMaterial(TEXT("Shared/M_Shared"));
		SharedInstance = Content->MakeMaterialInstance(TEXT("Shared/MI_Shared"), SharedMaterial);
		OutsideUser = Content->MakeMaterialInstance(TEXT("Pack/MI_OutsideUser"), SharedInstance);
		LoopMesh = Content->MakeStaticMesh(TEXT("Pack/Cycle/SM_Loop"), nullptr);
		LoopMaterial = Content->MakeMaterialBeside(LoopMesh, TEXT("M_Loop"));
		LoopInstance = Content->MakeMaterialInstance(TEXT("Pack/Cycle/MI_Loop"), LoopMaterial);
		TArray<FStaticMaterial> LoopSlots;
		LoopSlots.Add(FStaticMaterial(LoopInstance));
		LoopMesh->SetStaticMaterials(LoopSlots);

		TestNotNull(TEXT("The package asset"), PackageAsset);
		TestTrue(TEXT("The content is saved and read by the asset registry"), Content->SaveAndScan());
	});

	AfterEach([this]()
	{
		Content->Remove();
		Content.Reset();
		PackageAsset = nullptr;
	});

	Describe(TEXT("Add All Assets"), [this]()
	{
		It(TEXT("adds every asset of the package's folder and of the folders below it"), [this]()
		{
			PackageAsset->FindAllAssets();
			const UObject* const Expected[] = { BaseMaterial, CrateMaterial, Crate, SiblingUser, OutsideUser, LoopMesh, LoopMaterial, LoopInstance };
			for (const UObject* const Asset : Expected)
			{
				TestTrue(FString::Printf(TEXT("The package holds %s"), *Asset->GetPathName()), PackageAsset->MainAssets.Contains(PathOf(Asset)));
			}
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 8);
		});

		It(TEXT("leaves out the package asset itself and a sibling folder whose name starts the same"), [this]()
		{
			PackageAsset->FindAllAssets();
			TestFalse(TEXT("The package holds itself"), PackageAsset->MainAssets.Contains(PathOf(PackageAsset)));
			TestFalse(TEXT("The package holds the asset of PackExtra"), PackageAsset->MainAssets.Contains(PathOf(SiblingMaterial)));
			TestFalse(TEXT("The package holds an asset of Shared"), PackageAsset->MainAssets.Contains(PathOf(SharedMaterial)));
		});

		It(TEXT("tells the package's panels once when it adds assets and not when it adds none"), [this]()
		{
			int32 Changes = 0;
			const FDelegateHandle Handle = PackageAsset->OnPackageChanged.AddLambda([&Changes]() { ++Changes; });
			PackageAsset->FindAllAssets();
			TestEqual(TEXT("Change notifications after the first run"), Changes, 1);
			PackageAsset->FindAllAssets();
			TestEqual(TEXT("Change notifications after a run that added nothing"), Changes, 1);
			PackageAsset->OnPackageChanged.Remove(Handle);
		});
	});

	Describe(TEXT("Adding one asset"), [this]()
	{
		It(TEXT("adds an asset of a subfolder"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(Crate));
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 1);
			TestTrue(TEXT("The package holds the crate"), PackageAsset->MainAssets.Contains(PathOf(Crate)));
		});

		It(TEXT("refuses an asset of a sibling folder whose name starts the same, and says why"), [this]()
		{
			AddExpectedError(TEXT("lies outside the package's directory"), EAutomationExpectedErrorFlags::Contains, 1);
			PackageAsset->AddAsset(FAssetData(SiblingMaterial));
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 0);
		});

		It(TEXT("refuses an asset outside the package's folder, and says why"), [this]()
		{
			AddExpectedError(TEXT("lies outside the package's directory"), EAutomationExpectedErrorFlags::Contains, 1);
			PackageAsset->AddAsset(FAssetData(SharedMaterial));
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 0);
		});

		It(TEXT("refuses the package asset itself, an asset it holds already and empty asset data, each with a warning"), [this]()
		{
			AddExpectedError(TEXT("was not added, because"), EAutomationExpectedErrorFlags::Contains, 3);
			PackageAsset->AddAsset(FAssetData(PackageAsset));
			PackageAsset->AddAsset(FAssetData());
			PackageAsset->AddAsset(FAssetData(BaseMaterial));
			PackageAsset->AddAsset(FAssetData(BaseMaterial));
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 1);
			TestTrue(TEXT("The package holds the material"), PackageAsset->MainAssets.Contains(PathOf(BaseMaterial)));
		});
	});

	Describe(TEXT("Find Dependencies"), [this]()
	{
		It(TEXT("lists the packages of the folder that the assets need, through a subfolder"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(Crate));
			PackageAsset->FindAllDependencies();
			TestTrue(TEXT("The crate's material instance is a dependency"), PackageAsset->Dependencies.Contains(PackageOf(CrateMaterial)));
			TestTrue(TEXT("Its parent material is a dependency"), PackageAsset->Dependencies.Contains(PackageOf(BaseMaterial)));
			TestEqual(TEXT("The number of dependencies"), PackageAsset->Dependencies.Num(), 2);
			TestEqual(TEXT("The number of outside references"), PackageAsset->MissingDependencies.Num(), 0);
		});

		It(TEXT("lists a reference outside the folder, and the outside packages it pulls in one level deeper"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(OutsideUser));
			PackageAsset->FindAllDependencies();
			const int32* const InstanceDepth = PackageAsset->MissingDependencies.Find(PackageOf(SharedInstance));
			const int32* const MaterialDepth = PackageAsset->MissingDependencies.Find(PackageOf(SharedMaterial));
			if (TestNotNull(TEXT("The outside material instance"), InstanceDepth) && TestNotNull(TEXT("The outside material"), MaterialDepth))
			{
				TestEqual(TEXT("The depth of the outside material instance"), *InstanceDepth, 0);
				TestEqual(TEXT("The depth of its parent"), *MaterialDepth, 1);
			}
			TestEqual(TEXT("The number of dependencies"), PackageAsset->Dependencies.Num(), 0);
		});

		It(TEXT("counts a sibling folder whose name starts the same as outside"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(SiblingUser));
			PackageAsset->FindAllDependencies();
			TestTrue(TEXT("The sibling's material is an outside reference"), PackageAsset->MissingDependencies.Contains(PackageOf(SiblingMaterial)));
			TestEqual(TEXT("The number of dependencies"), PackageAsset->Dependencies.Num(), 0);
		});

		It(TEXT("ends on packages that refer to each other"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(LoopMesh));
			PackageAsset->FindAllDependencies();
			TestTrue(TEXT("The loop's material instance is a dependency"), PackageAsset->Dependencies.Contains(PackageOf(LoopInstance)));
			TestFalse(TEXT("The main asset's own package is a dependency"), PackageAsset->Dependencies.Contains(PackageOf(LoopMesh)));
			TestEqual(TEXT("The number of dependencies"), PackageAsset->Dependencies.Num(), 1);
			TestEqual(TEXT("The number of outside references"), PackageAsset->MissingDependencies.Num(), 0);
		});
	});

	Describe(TEXT("Remove All Assets"), [this]()
	{
		It(TEXT("empties the assets, the dependencies and the outside references"), [this]()
		{
			PackageAsset->AddAsset(FAssetData(Crate));
			PackageAsset->AddAsset(FAssetData(OutsideUser));
			PackageAsset->FindAllDependencies();
			PackageAsset->RemoveAllAssets();
			TestEqual(TEXT("The number of assets"), PackageAsset->MainAssets.Num(), 0);
			TestEqual(TEXT("The number of dependencies"), PackageAsset->Dependencies.Num(), 0);
			TestEqual(TEXT("The number of outside references"), PackageAsset->MissingDependencies.Num(), 0);
		});
	});
}

#endif // WITH_DEV_AUTOMATION_TESTS
