// What the editor's copy of an asset rests on: object duplication, reference replacement through archives,
// AssetTools' duplication and soft path fix-up, package saving, and the registry's rescan of saved files.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "FileHelpers.h"
#include "IAssetTools.h"
#include "J5Package.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "Serialization/ArchiveReplaceObjectRef.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/UnrealEdProbe.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using UE::AssetRegistry::EDependencyCategory;
using UE::AssetRegistry::EDependencyQuery;

namespace
{
	class AssetDuplicationTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			char Template[] = "/tmp/AssetDuplication-XXXXXX";
			ContentDir = std::filesystem::path(mkdtemp(Template)) / "Cöntent dir";
			HostTest::SetContentRoot(TEXT("/Game/"), FString(UTF8_TO_TCHAR(ContentDir.string().c_str())) + TEXT("/"));
			HostTest::ClearAssetRegistry();
			HostTest::ResetSavedPackages();
			Registry = &FAssetRegistryModule::GetRegistry();
			AssetTools = &FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
		}

		void TearDown() override
		{
			HostTest::ResetSavedPackages();
			HostTest::ClearAssetRegistry();
			HostTest::ResetObjects();
			HostTest::SetContentRoot(TEXT("/Game/"), FString());
			std::error_code Error;
			std::filesystem::remove_all(ContentDir.parent_path(), Error);
		}

		template<class T>
		T* NewAsset(const TCHAR* PackageName)
		{
			return NewObject<T>(CreatePackage(PackageName), FName(*FPackageName::GetShortName(PackageName)), RF_Public | RF_Standalone | RF_Transactional);
		}

		std::filesystem::path ContentDir;
		IAssetRegistry* Registry = nullptr;
		IAssetTools* AssetTools = nullptr;
	};
}

TEST_F(AssetDuplicationTest, DuplicateObjectCopiesPropertiesAndReferencesAndPointsSelfReferencesAtTheCopy)
{
	UJ5Package* Source = NewAsset<UJ5Package>(TEXT("/Game/Pack/PKG_Source"));
	Source->MissingDependencies.Add(FName(TEXT("/Game/Shared/M_Stone")), 2);
	UTexture2D* Texture = NewAsset<UTexture2D>(TEXT("/Game/Shared/T_Stone"));
	HostTest::SetObjectReferences(Source, { Texture, Source }, { FSoftObjectPath(Source), FSoftObjectPath(Texture) });

	UJ5Package* Copy = DuplicateObject(Source, CreatePackage(TEXT("/Game/Other/PKG_Copy")), FName(TEXT("PKG_Copy")));

	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(Copy->GetClass(), Source->GetClass());
	EXPECT_EQ(Copy->MissingDependencies.FindRef(FName(TEXT("/Game/Shared/M_Stone"))), 2);
	// PostDuplicate ran: the directory is the copy's own, not the source's.
	EXPECT_EQ(Copy->PackageDirectory, TEXT("/Game/Other"));
	EXPECT_EQ(HostTest::GetHardReferences(Copy), (TArray<UObject*>{ Texture, Copy }));
	EXPECT_EQ(HostTest::GetSoftReferences(Copy), (TArray<FSoftObjectPath>{ FSoftObjectPath(Copy), FSoftObjectPath(Texture) }));
	EXPECT_EQ(HostTest::GetHardReferences(Source), (TArray<UObject*>{ Texture, Source }));
}

TEST_F(AssetDuplicationTest, ReplaceObjectRefChangesOnlyTheSearchObjectsMappedReferences)
{
	UStaticMesh* Mesh = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"));
	UStaticMesh* Other = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Other"));
	UTexture2D* Old = NewAsset<UTexture2D>(TEXT("/Game/Shared/T_Old"));
	UTexture2D* New = NewAsset<UTexture2D>(TEXT("/Game/Pack/T_New"));
	UTexture2D* Kept = NewAsset<UTexture2D>(TEXT("/Game/Shared/T_Kept"));
	HostTest::SetObjectReferences(Mesh, { Old, Kept, Old }, { FSoftObjectPath(Old) });
	HostTest::SetObjectReferences(Other, { Old }, {});

	TMap<UObject*, UObject*> Replacements;
	Replacements.Add(Old, New);
	FArchiveReplaceObjectRef<UObject> Replace(Mesh, Replacements, EArchiveReplaceObjectFlags::IgnoreOuterRef | EArchiveReplaceObjectFlags::IgnoreArchetypeRef);

	EXPECT_EQ(Replace.GetCount(), 2);
	EXPECT_EQ(HostTest::GetHardReferences(Mesh), (TArray<UObject*>{ New, Kept, New }));
	// Soft paths are not object references; another object's references stay as they were.
	EXPECT_EQ(HostTest::GetSoftReferences(Mesh), TArray<FSoftObjectPath>{ FSoftObjectPath(Old) });
	EXPECT_EQ(HostTest::GetHardReferences(Other), TArray<UObject*>{ Old });
}

TEST_F(AssetDuplicationTest, DuplicateAssetMakesARegisteredDirtyCopyAndRefusesATakenName)
{
	UTexture2D* Texture = NewAsset<UTexture2D>(TEXT("/Game/Shared/T_Stone"));

	UObject* Copy = AssetTools->DuplicateAsset(TEXT("T_Stone"), TEXT("/Game/Pack/Dependencies/Game/Shared"), Texture);

	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(Copy->GetPathName(), TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone.T_Stone"));
	EXPECT_TRUE(Copy->GetPackage()->IsDirty());
	TArray<FAssetData> Registered;
	Registry->GetAssetsByPackageName(FName(TEXT("/Game/Pack/Dependencies/Game/Shared/T_Stone")), Registered);
	EXPECT_EQ(Registered.Num(), 1);

	EXPECT_EQ(AssetTools->DuplicateAsset(TEXT("T_Stone"), TEXT("/Game/Pack/Dependencies/Game/Shared"), Texture), nullptr);
	EXPECT_EQ(AssetTools->DuplicateAsset(TEXT("Bad Name"), TEXT("/Game/Pack"), Texture), nullptr);
}

TEST_F(AssetDuplicationTest, SoftPathFixupTouchesOnlyTheGivenPackagesAndDirtiesThoseThatChanged)
{
	UStaticMesh* Mesh = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"));
	UStaticMesh* Outside = NewAsset<UStaticMesh>(TEXT("/Game/Shared/SM_Outside"));
	UStaticMesh* Unrelated = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Unrelated"));
	const FSoftObjectPath Old(TEXT("/Game/Shared/T_Old.T_Old"));
	const FSoftObjectPath New(TEXT("/Game/Pack/T_New.T_New"));
	HostTest::SetObjectReferences(Mesh, {}, { Old });
	HostTest::SetObjectReferences(Outside, {}, { Old });
	for (UObject* Object : { (UObject*)Mesh, (UObject*)Outside, (UObject*)Unrelated })
	{
		Object->GetPackage()->SetDirtyFlag(false);
	}
	TMap<FSoftObjectPath, FSoftObjectPath> Redirects;
	Redirects.Add(Old, New);

	AssetTools->RenameReferencingSoftObjectPaths({ Mesh->GetPackage(), Unrelated->GetPackage() }, Redirects);

	EXPECT_EQ(HostTest::GetSoftReferences(Mesh), TArray<FSoftObjectPath>{ New });
	EXPECT_EQ(HostTest::GetSoftReferences(Outside), TArray<FSoftObjectPath>{ Old });
	EXPECT_TRUE(Mesh->GetPackage()->IsDirty());
	EXPECT_FALSE(Unrelated->GetPackage()->IsDirty());
}

TEST_F(AssetDuplicationTest, SavedPackagesAreWrittenAndTheRescanRecordsWhatTheyReferToNow)
{
	ASSERT_TRUE(HostTest::AddAsset(FName(TEXT("/Game/Pack/SM_Rock")), FTopLevelAssetPath(TEXT("/Script/Engine"), TEXT("StaticMesh"))));
	ASSERT_TRUE(HostTest::AddDependency(FName(TEXT("/Game/Pack/SM_Rock")), FName(TEXT("/Game/Shared/T_Old"))));
	UStaticMesh* Mesh = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"));
	UTexture2D* New = NewAsset<UTexture2D>(TEXT("/Game/Pack/T_New"));
	HostTest::SetObjectReferences(Mesh, { New }, { FSoftObjectPath(TEXT("/Game/Shared/T_Soft.T_Soft")) });

	ASSERT_TRUE(UEditorLoadingAndSavingUtils::SavePackages({ Mesh->GetPackage(), New->GetPackage() }, /*bOnlyDirty=*/false));
	const FString MeshFile = FPackageName::LongPackageNameToFilename(TEXT("/Game/Pack/SM_Rock"), FPackageName::GetAssetPackageExtension());
	const FString NewFile = FPackageName::LongPackageNameToFilename(TEXT("/Game/Pack/T_New"), FPackageName::GetAssetPackageExtension());
	EXPECT_TRUE(std::filesystem::exists(ContentDir / "Pack" / "SM_Rock.uasset"));
	EXPECT_FALSE(Mesh->GetPackage()->IsDirty());
	EXPECT_EQ(HostTest::GetSavedPackages(), (TArray<FName>{ FName(TEXT("/Game/Pack/SM_Rock")), FName(TEXT("/Game/Pack/T_New")) }));

	Registry->ScanFilesSynchronous({ MeshFile, NewFile, MeshFile + TEXT(".missing") }, /*bForceRescan=*/true);

	TArray<FName> Hard;
	TArray<FName> Soft;
	Registry->GetDependencies(FName(TEXT("/Game/Pack/SM_Rock")), Hard, EDependencyCategory::Package, EDependencyQuery::Hard);
	Registry->GetDependencies(FName(TEXT("/Game/Pack/SM_Rock")), Soft, EDependencyCategory::Package, EDependencyQuery::Soft);
	EXPECT_EQ(Hard, TArray<FName>{ FName(TEXT("/Game/Pack/T_New")) });
	EXPECT_EQ(Soft, TArray<FName>{ FName(TEXT("/Game/Shared/T_Soft")) });
	TArray<FAssetData> NewAssets;
	Registry->GetAssetsByPackageName(FName(TEXT("/Game/Pack/T_New")), NewAssets);
	EXPECT_EQ(NewAssets.Num(), 1) << "a saved package's assets are registered by the scan";

	HostTest::FailSavingPackage(FName(TEXT("/Game/Pack/T_New")));
	New->MarkPackageDirty();
	EXPECT_FALSE(UEditorLoadingAndSavingUtils::SavePackages({ New->GetPackage() }, /*bOnlyDirty=*/true));
	EXPECT_TRUE(New->GetPackage()->IsDirty());
}
