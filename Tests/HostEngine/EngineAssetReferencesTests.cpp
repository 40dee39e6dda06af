// References that engine classes hold through their own APIs (a material instance's parent, a static mesh's
// materials): the asset registry knows them once the package is saved and its file read, as in the editor.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/StaticMesh.h"
#include "FileHelpers.h"
#include "Materials/Material.h"
#include "Materials/MaterialInstanceConstant.h"
#include "Misc/PackageName.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/UnrealEdProbe.h"

#include <filesystem>
#include <unistd.h>

namespace
{
	class EngineAssetReferencesTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			HostTest::SetLogEcho(false);
			char Template[] = "/tmp/EngineAssetReferences-XXXXXX";
			ContentDir = std::filesystem::path(mkdtemp(Template)) / "Content";
			HostTest::SetContentRoot(TEXT("/Game/"), FString(UTF8_TO_TCHAR(ContentDir.string().c_str())) + TEXT("/"));
			HostTest::ClearAssetRegistry();
			Registry = &FAssetRegistryModule::GetRegistry();
		}

		void TearDown() override
		{
			HostTest::ResetSavedPackages();
			HostTest::ClearAssetRegistry();
			HostTest::ResetObjects();
			HostTest::SetContentRoot(TEXT("/Game/"), FString());
			HostTest::SetLogEcho(true);
			std::error_code Error;
			std::filesystem::remove_all(ContentDir.parent_path(), Error);
		}

		template<class T>
		T* NewAsset(const TCHAR* PackageName)
		{
			UPackage* Package = CreatePackage(PackageName);
			T* Asset = NewObject<T>(Package, FName(*FPackageName::GetShortName(PackageName)), RF_Public | RF_Standalone);
			Registry->AssetCreated(Asset);
			return Asset;
		}

		void SaveAndScan(const TArray<UObject*>& Assets)
		{
			TArray<UPackage*> Packages;
			TArray<FString> Files;
			for (UObject* Asset : Assets)
			{
				Packages.Add(Asset->GetPackage());
				Files.Add(FPackageName::LongPackageNameToFilename(Asset->GetPackage()->GetName(), FPackageName::GetAssetPackageExtension()));
			}
			ASSERT_TRUE(UEditorLoadingAndSavingUtils::SavePackages(Packages, false));
			Registry->ScanFilesSynchronous(Files, true);
		}

		TArray<FName> DependenciesOf(const UObject* Asset) const
		{
			TArray<FName> Dependencies;
			Registry->GetDependencies(Asset->GetPackage()->GetFName(), Dependencies);
			return Dependencies;
		}

		std::filesystem::path ContentDir;
		IAssetRegistry* Registry = nullptr;
	};
}

TEST_F(EngineAssetReferencesTest, ParentAndMeshMaterialsAreKnownOnceSavedAndNotBefore)
{
	UMaterial* Base = NewAsset<UMaterial>(TEXT("/Game/M_Base"));
	UMaterialInstanceConstant* Instance = NewAsset<UMaterialInstanceConstant>(TEXT("/Game/MI_Base"));
	UStaticMesh* Mesh = NewAsset<UStaticMesh>(TEXT("/Game/SM_Box"));
	Instance->SetParentEditorOnly(Base);
	Mesh->SetStaticMaterials({ FStaticMaterial(Instance) });

	EXPECT_TRUE(DependenciesOf(Instance).IsEmpty());
	EXPECT_TRUE(DependenciesOf(Mesh).IsEmpty());

	SaveAndScan({ Base, Instance, Mesh });

	EXPECT_EQ(DependenciesOf(Instance), TArray<FName>({ FName(TEXT("/Game/M_Base")) }));
	EXPECT_EQ(DependenciesOf(Mesh), TArray<FName>({ FName(TEXT("/Game/MI_Base")) }));
}

TEST_F(EngineAssetReferencesTest, ParentThatDerivesFromTheInstanceIsRefusedAndTheParentStays)
{
	UMaterial* Base = NewAsset<UMaterial>(TEXT("/Game/M_Base"));
	UMaterialInstanceConstant* First = NewAsset<UMaterialInstanceConstant>(TEXT("/Game/MI_First"));
	UMaterialInstanceConstant* Second = NewAsset<UMaterialInstanceConstant>(TEXT("/Game/MI_Second"));
	First->SetParentEditorOnly(Base);
	Second->SetParentEditorOnly(First);

	First->SetParentEditorOnly(Second);
	First->SetParentEditorOnly(First);

	EXPECT_EQ(First->Parent.Get(), static_cast<UMaterialInterface*>(Base));
	EXPECT_TRUE(HostTest::HasLogLineContaining(TEXT("derives from it")));
}
