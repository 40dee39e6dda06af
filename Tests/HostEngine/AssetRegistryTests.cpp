// The asset registry as the editor and the package asset query it: listing by folder, class and filter,
// package dependencies and referencers, the events, and the data files that describe a project.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Engine/Blueprint.h"
#include "Engine/StaticMesh.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "HostTest/AssetRegistryProbe.h"

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>

// Readable failure messages: gtest finds these next to the engine's types.
static void PrintTo(const FString& Value, std::ostream* Out)
{
	*Out << '"' << TCHAR_TO_UTF8(*Value) << '"';
}

static void PrintTo(const FName& Value, std::ostream* Out)
{
	*Out << TCHAR_TO_UTF8(*Value.ToString());
}

using UE::AssetRegistry::EDependencyCategory;
using UE::AssetRegistry::EDependencyQuery;

namespace
{
	const TCHAR* const StaticMeshClass = TEXT("/Script/Engine.StaticMesh");
	const TCHAR* const TextureClass = TEXT("/Script/Engine.Texture2D");

	TArray<FString> ObjectPaths(const TArray<FAssetData>& Assets)
	{
		TArray<FString> Paths;
		for (const FAssetData& Asset : Assets)
		{
			Paths.Add(Asset.GetObjectPathString());
		}
		return Paths;
	}

	TArray<FString> Names(const TArray<FName>& InNames)
	{
		TArray<FString> Result;
		for (const FName Name : InNames)
		{
			Result.Add(Name.ToString());
		}
		return Result;
	}

	TArray<FString> Strings(std::initializer_list<const TCHAR*> Items)
	{
		TArray<FString> Result;
		for (const TCHAR* Item : Items)
		{
			Result.Add(Item);
		}
		return Result;
	}

	class AssetRegistryTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			Registry = &FAssetRegistryModule::GetRegistry();
			HostTest::ClearAssetRegistry();
		}

		virtual void TearDown() override
		{
			HostTest::ClearAssetRegistry();
		}

		IAssetRegistry* Registry = nullptr;
	};

	/** A package folder beside a sibling whose name starts the same, with nested folders in both. */
	class AssetRegistryFoldersTest : public AssetRegistryTest
	{
	protected:
		virtual void SetUp() override
		{
			AssetRegistryTest::SetUp();
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Pack/SM_Rock"), StaticMeshClass));
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Pack2/SM_Decoy"), StaticMeshClass));
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Pack/Sub/T_Rock"), TextureClass));
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/PackSub/SM_Other"), StaticMeshClass));
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Pack/Sub/Deep/SM_Pebble"), StaticMeshClass));
			ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Pack2/Sub/T_Decoy"), TextureClass));
		}
	};
}

TEST_F(AssetRegistryTest, ModuleStartPublishesTheRegistryAndShutdownWithdrawsIt)
{
	EXPECT_EQ(IAssetRegistry::Get(), Registry);
	EXPECT_EQ(&IAssetRegistry::GetChecked(), Registry);
	ASSERT_NE(IAssetRegistryInterface::GetPtr(), nullptr);

	HostTest::AddAsset(TEXT("/Game/A"), StaticMeshClass);
	HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/B"));
	TArray<FName> Dependencies;
	IAssetRegistryInterface::GetPtr()->GetDependencies(TEXT("/Game/A"), Dependencies);
	EXPECT_EQ(Names(Dependencies), Strings({TEXT("/Game/B")}));

	ASSERT_TRUE(FModuleManager::Get().UnloadModule(AssetRegistryConstants::ModuleName));
	EXPECT_EQ(IAssetRegistry::Get(), nullptr);
	EXPECT_EQ(IAssetRegistryInterface::GetPtr(), nullptr);

	// A new start begins empty.
	Registry = &FAssetRegistryModule::GetRegistry();
	EXPECT_EQ(IAssetRegistry::Get(), Registry);
	TArray<FAssetData> All;
	Registry->GetAllAssets(All);
	EXPECT_EQ(All.Num(), 0);
}

TEST_F(AssetRegistryFoldersTest, EveryQueryAppendsToWhatTheArrayHeld)
{
	HostTest::AddDependency(TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Pack/Sub/T_Rock"));
	const FAssetData Sentinel(TEXT("/Game/Kept/Kept"), TEXT("/Game/Kept"), TEXT("Kept"), FTopLevelAssetPath(StaticMeshClass));

	auto CheckAppends = [&Sentinel](const char* Query, auto&& Run)
	{
		TArray<FAssetData> Out;
		Out.Add(Sentinel);
		Run(Out);
		ASSERT_GE(Out.Num(), 2) << Query;
		EXPECT_EQ(Out[0], Sentinel) << Query;
	};
	CheckAppends("GetAssetsByPath", [this](TArray<FAssetData>& Out) { Registry->GetAssetsByPath(TEXT("/Game/Pack"), Out, true); });
	CheckAppends("GetAssetsByPaths", [this](TArray<FAssetData>& Out) { Registry->GetAssetsByPaths({FName(TEXT("/Game/Pack"))}, Out); });
	CheckAppends("GetAssetsByPackageName", [this](TArray<FAssetData>& Out) { Registry->GetAssetsByPackageName(TEXT("/Game/Pack/SM_Rock"), Out); });
	CheckAppends("GetAssetsByClass", [this](TArray<FAssetData>& Out) { Registry->GetAssetsByClass(FTopLevelAssetPath(TextureClass), Out); });
	CheckAppends("GetAllAssets", [this](TArray<FAssetData>& Out) { Registry->GetAllAssets(Out); });
	CheckAppends("GetAssets", [this](TArray<FAssetData>& Out)
	{
		FARFilter Filter;
		Filter.ClassPaths.Add(FTopLevelAssetPath(StaticMeshClass));
		Registry->GetAssets(Filter, Out);
	});

	TArray<FName> Packages;
	Packages.Add(TEXT("/Game/Kept"));
	Registry->GetDependencies(TEXT("/Game/Pack/SM_Rock"), Packages);
	Registry->GetReferencers(TEXT("/Game/Pack/Sub/T_Rock"), Packages);
	EXPECT_EQ(Names(Packages), Strings({TEXT("/Game/Kept"), TEXT("/Game/Pack/Sub/T_Rock"), TEXT("/Game/Pack/SM_Rock")}));
}

TEST_F(AssetRegistryFoldersTest, RecursivePathsFollowFolderBoundariesNotPrefixes)
{
	TArray<FAssetData> Found;
	Registry->GetAssetsByPath(TEXT("/Game/Pack"), Found, true);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("/Game/Pack/Sub/T_Rock.T_Rock"), TEXT("/Game/Pack/Sub/Deep/SM_Pebble.SM_Pebble")}));

	Found.Reset();
	Registry->GetAssetsByPath(TEXT("/Game/Pack"), Found, false);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/SM_Rock.SM_Rock")}));

	// Folder names compare as names do, without regard to case; a trailing slash names the same folder.
	Found.Reset();
	Registry->GetAssetsByPath(TEXT("/game/PACK/"), Found, true);
	EXPECT_EQ(Found.Num(), 3);

	Found.Reset();
	Registry->GetAssetsByPath(TEXT("/Game/Pack/Sub"), Found, true);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/Sub/T_Rock.T_Rock"), TEXT("/Game/Pack/Sub/Deep/SM_Pebble.SM_Pebble")}));

	Found.Reset();
	Registry->GetAssetsByPath(TEXT("/Game/Pa"), Found, true);
	EXPECT_EQ(Found.Num(), 0);

	EXPECT_TRUE(Registry->HasAssets(TEXT("/Game/Pack2"), true));
	EXPECT_FALSE(Registry->HasAssets(TEXT("/Game"), false));
	EXPECT_TRUE(Registry->HasAssets(TEXT("/Game"), true));
}

TEST_F(AssetRegistryFoldersTest, OverlappingPathsListEachAssetOnceInRegistrationOrder)
{
	TArray<FAssetData> Found;
	Registry->GetAssetsByPaths({FName(TEXT("/Game/Pack/Sub")), FName(TEXT("/Game/Pack2")), FName(TEXT("/Game/Pack"))}, Found, true);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("/Game/Pack2/SM_Decoy.SM_Decoy"), TEXT("/Game/Pack/Sub/T_Rock.T_Rock"), TEXT("/Game/Pack/Sub/Deep/SM_Pebble.SM_Pebble"), TEXT("/Game/Pack2/Sub/T_Decoy.T_Decoy")}));
}

TEST_F(AssetRegistryFoldersTest, FilterEntriesAreOredWithinAnArrayAndAndedAcross)
{
	FARFilter Filter;
	Filter.PackagePaths.Add(TEXT("/Game/Pack"));
	Filter.PackagePaths.Add(TEXT("/Game/Pack2"));
	Filter.bRecursivePaths = true;
	Filter.ClassPaths.Add(FTopLevelAssetPath(TextureClass));
	TArray<FAssetData> Found;
	EXPECT_TRUE(Registry->GetAssets(Filter, Found));
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/Sub/T_Rock.T_Rock"), TEXT("/Game/Pack2/Sub/T_Decoy.T_Decoy")}));

	Filter.PackageNames.Add(TEXT("/Game/Pack2/Sub/T_Decoy"));
	Found.Reset();
	Registry->GetAssets(Filter, Found);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack2/Sub/T_Decoy.T_Decoy")}));

	FARFilter ByObject;
	ByObject.SoftObjectPaths.Add(FSoftObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock")));
	ByObject.SoftObjectPaths.Add(FSoftObjectPath(TEXT("/Game/Nowhere/X.X")));
	Found.Reset();
	Registry->GetAssets(ByObject, Found);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/SM_Rock.SM_Rock")}));

	// No asset carries tags here, so asking for one rules everything out.
	FARFilter ByTag;
	ByTag.PackagePaths.Add(TEXT("/Game/Pack"));
	ByTag.TagsAndValues.Add(TEXT("Triangles"), TOptional<FString>());
	Found.Reset();
	Registry->GetAssets(ByTag, Found);
	EXPECT_EQ(Found.Num(), 0);
}

TEST_F(AssetRegistryFoldersTest, AnEmptyFilterListsNothingAndSaysSo)
{
	TArray<FAssetData> Found;
	EXPECT_FALSE(Registry->GetAssets(FARFilter(), Found));
	EXPECT_EQ(Found.Num(), 0);

	int32 Calls = 0;
	EXPECT_FALSE(Registry->EnumerateAssets(FARFilter(), [&Calls](const FAssetData&) { ++Calls; return true; }));
	EXPECT_EQ(Calls, 0);
}

TEST_F(AssetRegistryFoldersTest, EnumerationStopsWhenTheCallbackSaysSo)
{
	FARFilter Filter;
	Filter.PackagePaths.Add(TEXT("/Game"));
	Filter.bRecursivePaths = true;
	TArray<FString> Seen;
	Registry->EnumerateAssets(Filter, [&Seen](const FAssetData& Asset)
	{
		Seen.Add(Asset.GetObjectPathString());
		return Seen.Num() < 2;
	});
	EXPECT_EQ(Seen, Strings({TEXT("/Game/Pack/SM_Rock.SM_Rock"), TEXT("/Game/Pack2/SM_Decoy.SM_Decoy")}));

	int32 Total = 0;
	Registry->EnumerateAllAssets([&Total](const FAssetData&) { ++Total; return true; });
	EXPECT_EQ(Total, 6);
}

TEST_F(AssetRegistryFoldersTest, ChangingTheRegistryFromAnEnumerationCallbackFailsLoudly)
{
	EXPECT_DEATH(Registry->EnumerateAllAssets([](const FAssetData&)
	{
		HostTest::AddAsset(TEXT("/Game/Late/SM_Late"), StaticMeshClass);
		return true;
	}), "cannot change while it enumerates");
}

TEST_F(AssetRegistryFoldersTest, ObjectPathLookupFindsTopLevelAssetsOnly)
{
	const FAssetData Found = Registry->GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/Sub/T_Rock.T_Rock")));
	ASSERT_TRUE(Found.IsValid());
	EXPECT_EQ(Found.PackageName, FName(TEXT("/Game/Pack/Sub/T_Rock")));
	EXPECT_EQ(Found.PackagePath, FName(TEXT("/Game/Pack/Sub")));
	EXPECT_EQ(Found.AssetClassPath, FTopLevelAssetPath(TextureClass));

	EXPECT_FALSE(Registry->GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/Sub/T_Rock.Other"))).IsValid());
	EXPECT_FALSE(Registry->GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/Sub/T_Rock.T_Rock:Inner"))).IsValid());
	FAssetData Out;
	EXPECT_EQ(Registry->TryGetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock")), Out), UE::AssetRegistry::EExists::Exists);
	EXPECT_EQ(Out.AssetName, FName(TEXT("SM_Rock")));
}

TEST_F(AssetRegistryTest, SubclassSearchUsesTheLoadedClassHierarchy)
{
	const UClass* AnimBlueprint = UAnimBlueprint::StaticClass();
	const UClass* Blueprint = UBlueprint::StaticClass();
	HostTest::AddAsset(TEXT("/Game/BP_Door"), Blueprint->GetClassPathName());
	HostTest::AddAsset(TEXT("/Game/ABP_Hero"), AnimBlueprint->GetClassPathName());
	HostTest::AddAsset(TEXT("/Game/SM_Rock"), UStaticMesh::StaticClass()->GetClassPathName());

	TArray<FAssetData> Found;
	Registry->GetAssetsByClass(Blueprint->GetClassPathName(), Found, false);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/BP_Door.BP_Door")}));

	Found.Reset();
	Registry->GetAssetsByClass(Blueprint->GetClassPathName(), Found, true);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/BP_Door.BP_Door"), TEXT("/Game/ABP_Hero.ABP_Hero")}));

	FARFilter Filter;
	Filter.ClassPaths.Add(Blueprint->GetClassPathName());
	Filter.bRecursiveClasses = true;
	Filter.RecursiveClassPathsExclusionSet.Add(AnimBlueprint->GetClassPathName());
	Found.Reset();
	Registry->GetAssets(Filter, Found);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/BP_Door.BP_Door")}));

	TArray<FTopLevelAssetPath> Ancestors;
	ASSERT_TRUE(Registry->GetAncestorClassNames(AnimBlueprint->GetClassPathName(), Ancestors));
	ASSERT_GE(Ancestors.Num(), 2);
	EXPECT_EQ(Ancestors[0], Blueprint->GetClassPathName());
	EXPECT_EQ(Ancestors.Last(), FTopLevelAssetPath(TEXT("/Script/CoreUObject.Object")));
	EXPECT_FALSE(Registry->GetAncestorClassNames(FTopLevelAssetPath(TEXT("/Script/Nowhere.Nothing")), Ancestors));
}

TEST_F(AssetRegistryTest, AssetsMadeInTheEditorAreRecordedAndForgotten)
{
	UPackage* Package = CreatePackage(TEXT("/Game/Made/SM_Made"));
	UStaticMesh* Mesh = NewObject<UStaticMesh>(Package, TEXT("SM_Made"), RF_Public | RF_Standalone);
	UStaticMesh* Transient = NewObject<UStaticMesh>();

	FAssetRegistryModule::AssetCreated(Mesh);
	FAssetRegistryModule::AssetCreated(Transient);
	TArray<FAssetData> All;
	Registry->GetAllAssets(All);
	ASSERT_EQ(ObjectPaths(All), Strings({TEXT("/Game/Made/SM_Made.SM_Made")}));
	EXPECT_EQ(All[0].AssetClassPath, UStaticMesh::StaticClass()->GetClassPathName());
	EXPECT_EQ(All[0].PackagePath, FName(TEXT("/Game/Made")));

	FAssetRegistryModule::AssetDeleted(Mesh);
	EXPECT_EQ(HostTest::GetNumRegisteredAssets(), 0);
}

namespace
{
	/** Hard, soft and editor-only references out of one package, and one package referred to by two. */
	class AssetRegistryDependenciesTest : public AssetRegistryTest
	{
	protected:
		virtual void SetUp() override
		{
			AssetRegistryTest::SetUp();
			HostTest::AddAsset(TEXT("/Game/A"), StaticMeshClass);
			HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/HardGame"), true);
			HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/SoftGame"), false);
			HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/HardEditor"), true, true);
			HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Script/Engine"), true);
			HostTest::AddDependency(TEXT("/Game/B"), TEXT("/Game/HardGame"), false);
		}

		TArray<FString> DependenciesOf(const TCHAR* Package, const UE::AssetRegistry::FDependencyQuery& Query, EDependencyCategory Category = EDependencyCategory::Package)
		{
			TArray<FName> Out;
			Registry->GetDependencies(FName(Package), Out, Category, Query);
			return Names(Out);
		}
	};
}

TEST_F(AssetRegistryDependenciesTest, QueriesSelectByHardnessAndUse)
{
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::NoRequirements), Strings({TEXT("/Game/HardGame"), TEXT("/Game/SoftGame"), TEXT("/Game/HardEditor"), TEXT("/Script/Engine")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::Hard), Strings({TEXT("/Game/HardGame"), TEXT("/Game/HardEditor"), TEXT("/Script/Engine")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::Soft), Strings({TEXT("/Game/SoftGame")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::EditorOnly), Strings({TEXT("/Game/HardEditor")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::Hard | EDependencyQuery::Game), Strings({TEXT("/Game/HardGame"), TEXT("/Script/Engine")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::Hard | EDependencyQuery::Soft).Num(), 0);
}

TEST_F(AssetRegistryDependenciesTest, OnlyPackageDependenciesAreRecorded)
{
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::NoRequirements, EDependencyCategory::Manage).Num(), 0);
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::NoRequirements, EDependencyCategory::All).Num(), 4);

	TArray<FName> Out;
	EXPECT_TRUE(Registry->GetDependencies(TEXT("/Game/HardGame"), Out));
	EXPECT_FALSE(Registry->GetDependencies(TEXT("/Game/Unknown"), Out));
	EXPECT_EQ(Out.Num(), 0);

	TArray<FAssetIdentifier> Identifiers;
	EXPECT_TRUE(Registry->GetDependencies(FAssetIdentifier(TEXT("/Game/A")), Identifiers, EDependencyCategory::Package, EDependencyQuery::Soft));
	ASSERT_EQ(Identifiers.Num(), 1);
	EXPECT_EQ(Identifiers[0], FAssetIdentifier(TEXT("/Game/SoftGame")));
}

TEST_F(AssetRegistryDependenciesTest, AppendingPackageAfterPackageToOneArrayGrowsItGeometrically)
{
	// A walk appends each package's dependencies to one buffer: growing it to the exact new size on every call
	// would move the whole buffer each time and make the walk quadratic.
	TArray<FName> Pending;
	int32 Reallocations = 0;
	SIZE_T Capacity = Pending.GetAllocatedSize();
	for (int32 Index = 0; Index < 10000; ++Index)
	{
		Registry->GetDependencies(TEXT("/Game/B"), Pending);
		if (Pending.GetAllocatedSize() != Capacity)
		{
			++Reallocations;
			Capacity = Pending.GetAllocatedSize();
		}
	}
	ASSERT_EQ(Pending.Num(), 10000);
	EXPECT_EQ(Pending[9999], FName(TEXT("/Game/HardGame")));
	EXPECT_LT(Reallocations, 40);
}

TEST_F(AssetRegistryDependenciesTest, ReferencersMirrorDependencies)
{
	TArray<FName> Out;
	Registry->GetReferencers(TEXT("/Game/HardGame"), Out);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/A"), TEXT("/Game/B")}));

	Out.Reset();
	Registry->GetReferencers(TEXT("/Game/HardGame"), Out, EDependencyCategory::Package, EDependencyQuery::Hard);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/A")}));
}

TEST_F(AssetRegistryDependenciesTest, RecordingAPairAgainKeepsOneDependencyWithTheStrongerProperties)
{
	HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/SoftGame"), true);
	HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/HardGame"), false);
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::NoRequirements).Num(), 4);
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::Soft).Num(), 0);

	TArray<FName> Out;
	Registry->GetReferencers(TEXT("/Game/SoftGame"), Out, EDependencyCategory::Package, EDependencyQuery::Hard);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/A")}));
}

TEST_F(AssetRegistryDependenciesTest, APackageMayReferToItself)
{
	EXPECT_TRUE(HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/A")));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/A"), EDependencyQuery::NoRequirements).Last(), FString(TEXT("/Game/A")));
	TArray<FName> Out;
	Registry->GetReferencers(TEXT("/Game/A"), Out);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/A")}));
}

TEST_F(AssetRegistryDependenciesTest, RemovingAPackagesLastAssetDropsWhatItReferredTo)
{
	ASSERT_TRUE(HostTest::RemoveAsset(TEXT("/Game/A"), TEXT("A")));
	TArray<FName> Out;
	EXPECT_FALSE(Registry->GetDependencies(TEXT("/Game/A"), Out));
	Registry->GetReferencers(TEXT("/Game/HardGame"), Out);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/B")}));
	EXPECT_EQ(HostTest::GetNumRegisteredDependencies(), 1);
}

TEST_F(AssetRegistryDependenciesTest, MovingAWholePackageTakesItsReferencesAlong)
{
	HostTest::AddDependency(TEXT("/Game/B"), TEXT("/Game/A"));
	HostTest::AddDependency(TEXT("/Game/A"), TEXT("/Game/A"));
	ASSERT_TRUE(HostTest::RenameAsset(TEXT("/Game/A"), TEXT("A"), TEXT("/Game/Moved/A"), TEXT("A")));

	TArray<FName> Out;
	EXPECT_FALSE(Registry->GetDependencies(TEXT("/Game/A"), Out));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/Moved/A"), EDependencyQuery::NoRequirements), Strings({TEXT("/Game/HardGame"), TEXT("/Game/SoftGame"), TEXT("/Game/HardEditor"), TEXT("/Script/Engine"), TEXT("/Game/Moved/A")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/B"), EDependencyQuery::NoRequirements), Strings({TEXT("/Game/HardGame"), TEXT("/Game/Moved/A")}));
	EXPECT_EQ(DependenciesOf(TEXT("/Game/Moved/A"), EDependencyQuery::Soft), Strings({TEXT("/Game/SoftGame")}));
}

TEST_F(AssetRegistryTest, EventsCarryTheAssetAndSurviveHandlersThatChangeTheRegistry)
{
	TArray<FString> Added;
	TArray<FString> Removed;
	TArray<FString> Renamed;
	const FDelegateHandle AddedHandle = Registry->OnAssetAdded().AddLambda([&Added](const FAssetData& Asset)
	{
		Added.Add(Asset.GetObjectPathString());
		// Growing the registry from the handler moves its records; the asset handed in must stay readable.
		if (Added.Num() == 1)
		{
			for (int32 Index = 0; Index < 64; ++Index)
			{
				HostTest::AddAsset(FName(*FString::Printf(TEXT("/Game/Burst/SM_%d"), Index)), StaticMeshClass);
			}
		}
		Added.Add(Asset.PackagePath.ToString());
	});
	const FDelegateHandle RemovedHandle = Registry->OnAssetRemoved().AddLambda([&Removed](const FAssetData& Asset) { Removed.Add(Asset.GetObjectPathString()); });
	const FDelegateHandle RenamedHandle = Registry->OnAssetRenamed().AddLambda([&Renamed](const FAssetData& Asset, const FString& OldPath) { Renamed.Add(OldPath + TEXT(" -> ") + Asset.GetObjectPathString()); });

	ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/First/SM_First"), StaticMeshClass));
	EXPECT_EQ(Added[0], FString(TEXT("/Game/First/SM_First.SM_First")));
	EXPECT_EQ(Added.Last(), FString(TEXT("/Game/First")));
	EXPECT_EQ(HostTest::GetNumRegisteredAssets(), 65);

	EXPECT_TRUE(HostTest::RenameAsset(TEXT("/Game/First/SM_First"), TEXT("SM_First"), TEXT("/Game/Second/SM_Second"), TEXT("SM_Second")));
	EXPECT_EQ(Renamed, Strings({TEXT("/Game/First/SM_First.SM_First -> /Game/Second/SM_Second.SM_Second")}));
	EXPECT_TRUE(HostTest::RemoveAsset(TEXT("/Game/Second/SM_Second"), TEXT("SM_Second")));
	EXPECT_FALSE(HostTest::RemoveAsset(TEXT("/Game/Second/SM_Second"), TEXT("SM_Second")));
	EXPECT_EQ(Removed, Strings({TEXT("/Game/Second/SM_Second.SM_Second")}));

	// Refused changes broadcast nothing.
	const int32 AddedBefore = Added.Num();
	EXPECT_FALSE(HostTest::AddAsset(TEXT("/Game/Burst/SM_1"), StaticMeshClass));
	EXPECT_FALSE(HostTest::AddAsset(TEXT("Game/NoRoot"), StaticMeshClass));
	EXPECT_FALSE(HostTest::AddAsset(TEXT("/Game/Bad Name"), StaticMeshClass));
	EXPECT_FALSE(HostTest::AddAsset(TEXT("/Game"), StaticMeshClass));
	EXPECT_FALSE(HostTest::AddAsset(TEXT("/Game/NoClass"), FTopLevelAssetPath()));
	EXPECT_EQ(Added.Num(), AddedBefore);

	Registry->OnAssetAdded().Remove(AddedHandle);
	Registry->OnAssetRemoved().Remove(RemovedHandle);
	Registry->OnAssetRenamed().Remove(RenamedHandle);
}

TEST_F(AssetRegistryTest, ARenamedAssetKeepsItsPlaceAndLeavesItsOldFolder)
{
	HostTest::AddAsset(TEXT("/Game/Pack/SM_1"), StaticMeshClass);
	HostTest::AddAsset(TEXT("/Game/Pack/SM_2"), StaticMeshClass);
	HostTest::AddAsset(TEXT("/Game/Pack/SM_3"), StaticMeshClass);
	ASSERT_TRUE(HostTest::RenameAsset(TEXT("/Game/Pack/SM_1"), TEXT("SM_1"), TEXT("/Game/Pack/Sub/SM_1"), TEXT("SM_1")));
	EXPECT_FALSE(HostTest::RenameAsset(TEXT("/Game/Pack/SM_2"), TEXT("SM_2"), TEXT("/Game/Pack/SM_3"), TEXT("SM_3")));

	TArray<FAssetData> Found;
	Registry->GetAssetsByPath(TEXT("/Game/Pack"), Found, true);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/Sub/SM_1.SM_1"), TEXT("/Game/Pack/SM_2.SM_2"), TEXT("/Game/Pack/SM_3.SM_3")}));
	Found.Reset();
	Registry->GetAssetsByPath(TEXT("/Game/Pack"), Found, false);
	EXPECT_EQ(ObjectPaths(Found), Strings({TEXT("/Game/Pack/SM_2.SM_2"), TEXT("/Game/Pack/SM_3.SM_3")}));
}

TEST_F(AssetRegistryTest, ManyRemovalsKeepTheRemainingOrderAndIndices)
{
	constexpr int32 Count = 5000;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		const TCHAR* Folder = Index % 2 == 0 ? TEXT("Even") : TEXT("Odd");
		ASSERT_TRUE(HostTest::AddAsset(FName(*FString::Printf(TEXT("/Game/%s/SM_%d"), Folder, Index)), StaticMeshClass));
	}
	// Removing most of them makes the registry compact its storage.
	for (int32 Index = 0; Index < Count; ++Index)
	{
		if (Index % 5 != 0)
		{
			const TCHAR* Folder = Index % 2 == 0 ? TEXT("Even") : TEXT("Odd");
			const FString Name = FString::Printf(TEXT("SM_%d"), Index);
			ASSERT_TRUE(HostTest::RemoveAsset(FName(*FString::Printf(TEXT("/Game/%s/%s"), Folder, *Name)), FName(*Name)));
		}
	}
	EXPECT_EQ(HostTest::GetNumRegisteredAssets(), Count / 5);

	TArray<FAssetData> Even;
	Registry->GetAssetsByPath(TEXT("/Game/Even"), Even);
	ASSERT_EQ(Even.Num(), Count / 10);
	for (int32 Index = 0; Index < Even.Num(); ++Index)
	{
		ASSERT_EQ(Even[Index].AssetName, FName(*FString::Printf(TEXT("SM_%d"), Index * 10)));
	}
	const FAssetData Last = Registry->GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Odd/SM_4995.SM_4995")));
	EXPECT_EQ(Last.PackagePath, FName(TEXT("/Game/Odd")));
	EXPECT_FALSE(Registry->GetAssetByObjectPath(FSoftObjectPath(TEXT("/Game/Odd/SM_4997.SM_4997"))).IsValid());
}

namespace
{
	class AssetRegistryDataFileTest : public AssetRegistryTest
	{
	protected:
		virtual void TearDown() override
		{
			if (!TempFile.empty())
			{
				std::remove(TempFile.c_str());
			}
			AssetRegistryTest::TearDown();
		}

		FString WriteFile(const std::string& Contents)
		{
			TempFile = ::testing::TempDir() + "AssetRegistryTest.assets";
			std::ofstream(TempFile, std::ios::binary) << Contents;
			return FString(UTF8_TO_TCHAR(TempFile.c_str()));
		}

		/** Loads Text and expects it refused with exactly this message, the registry left as it was. */
		void ExpectRefused(const TCHAR* Text, const TCHAR* ExpectedMessage)
		{
			FString Error;
			EXPECT_FALSE(HostTest::LoadAssetRegistryFromString(Text, TEXT("Demo.assets"), Error)) << TCHAR_TO_UTF8(Text);
			EXPECT_EQ(Error, FString(ExpectedMessage)) << TCHAR_TO_UTF8(Text);
			EXPECT_EQ(HostTest::GetNumRegisteredAssets(), 0) << TCHAR_TO_UTF8(Text);
			EXPECT_EQ(HostTest::GetNumRegisteredDependencies(), 0) << TCHAR_TO_UTF8(Text);
		}

		std::string TempFile;
	};
}

TEST_F(AssetRegistryDataFileTest, AFileDescribesAssetsAndTheirDependencies)
{
	const FString Path = WriteFile(
		"\xEF\xBB\xBF# Demo project\r\n"
		"asset /Game/Pack/Meshes/SM_Rock /Script/Engine.StaticMesh\r\n"
		"\n"
		"asset /Game/Maps/Level.PersistentLevel   /Script/Engine.World  # the level\n"
		"\tdep /Game/Pack/Meshes/SM_Rock /Game/Shared/M_Stone\n"
		"dep /Game/Maps/Level /Game/Pack/Meshes/SM_Rock soft editoronly\n"
		"DEP /Game/Maps/Level /Script/Engine build hard game");
	FString Error;
	ASSERT_TRUE(HostTest::LoadAssetRegistryFromFile(Path, Error)) << TCHAR_TO_UTF8(*Error);
	EXPECT_TRUE(Error.IsEmpty());

	TArray<FAssetData> All;
	Registry->GetAllAssets(All);
	EXPECT_EQ(ObjectPaths(All), Strings({TEXT("/Game/Pack/Meshes/SM_Rock.SM_Rock"), TEXT("/Game/Maps/Level.PersistentLevel")}));
	EXPECT_EQ(All[1].AssetClassPath, FTopLevelAssetPath(TEXT("/Script/Engine.World")));

	TArray<FName> Out;
	Registry->GetDependencies(TEXT("/Game/Maps/Level"), Out, EDependencyCategory::Package, EDependencyQuery::Soft | EDependencyQuery::EditorOnly);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Game/Pack/Meshes/SM_Rock")}));
	Out.Reset();
	Registry->GetDependencies(TEXT("/Game/Maps/Level"), Out, EDependencyCategory::Package, EDependencyQuery::Build);
	EXPECT_EQ(Names(Out), Strings({TEXT("/Script/Engine")}));
}

TEST_F(AssetRegistryDataFileTest, MistakesAreReportedByLineAndNothingIsLoaded)
{
	ExpectRefused(TEXT("asset /Game/A /Script/Engine.StaticMesh\nassets /Game/B /Script/Engine.StaticMesh"),
		TEXT("Demo.assets:2: unknown record 'assets': a line is 'asset ...', 'dep ...', blank or a # comment"));
	ExpectRefused(TEXT("asset /Game/A"),
		TEXT("Demo.assets:1: 'asset' takes a package (or Package.Asset) and a class path, as in: asset /Game/Meshes/SM_Rock /Script/Engine.StaticMesh"));
	ExpectRefused(TEXT("asset Game/A /Script/Engine.StaticMesh"),
		TEXT("Demo.assets:1: invalid package name 'Game/A': a package name starts with '/' and its root, as in /Game/Folder/Name"));
	ExpectRefused(TEXT("asset /Game//A /Script/Engine.StaticMesh"),
		TEXT("Demo.assets:1: invalid package name '/Game//A': a package name has no empty folder names ('//')"));
	ExpectRefused(TEXT("asset /Game/A StaticMesh"),
		TEXT("Demo.assets:1: invalid class path 'StaticMesh': it is /Script/Module.Class, as in /Script/Engine.StaticMesh"));
	ExpectRefused(TEXT("asset /Game/A.B.C /Script/Engine.StaticMesh"),
		TEXT("Demo.assets:1: invalid object path '/Game/A.B.C': it is /Path/Package.AssetName"));
	ExpectRefused(TEXT("# twice\nasset /Game/A /Script/Engine.StaticMesh\nasset /Game/A.A /Script/Engine.Texture2D"),
		TEXT("Demo.assets:3: the asset /Game/A.A is declared twice (first at line 2)"));
	ExpectRefused(TEXT("dep /Game/A"),
		TEXT("Demo.assets:1: 'dep' takes a referencing package and the package it refers to, as in: dep /Game/A /Game/B soft"));
	ExpectRefused(TEXT("dep /Game/A /Game/B weak"),
		TEXT("Demo.assets:1: unknown dependency property 'weak': use hard or soft, game or editoronly, and build"));
	ExpectRefused(TEXT("dep /Game/A /Game/B hard soft"),
		TEXT("Demo.assets:1: 'soft' after 'hard': a dependency is hard or soft, game or editoronly, once"));
	ExpectRefused(TEXT("dep /Game/A /Game"),
		TEXT("Demo.assets:1: invalid dependency '/Game': a package name needs a root and a name, as in /Game/Name"));
}

TEST_F(AssetRegistryDataFileTest, EveryMistakeIsListedAndAssetsAlreadyKnownAreRefused)
{
	ASSERT_TRUE(HostTest::AddAsset(TEXT("/Game/Known"), StaticMeshClass));
	FString Error;
	EXPECT_FALSE(HostTest::LoadAssetRegistryFromString(TEXT("asset /Game/Known /Script/Engine.StaticMesh\nasset /Game/New /Script/Engine.StaticMesh\nbogus\ndep /Game/New /Game/Known"), TEXT("Demo.assets"), Error));
	EXPECT_EQ(Error, FString(TEXT("Demo.assets:1: the asset /Game/Known.Known is already registered\nDemo.assets:3: unknown record 'bogus': a line is 'asset ...', 'dep ...', blank or a # comment")));
	EXPECT_EQ(HostTest::GetNumRegisteredAssets(), 1);
	EXPECT_EQ(HostTest::GetNumRegisteredDependencies(), 0);
}

TEST_F(AssetRegistryDataFileTest, MissingOrUnreadableFilesAreReportedNotFatal)
{
	FString Error;
	EXPECT_FALSE(HostTest::LoadAssetRegistryFromFile(TEXT("/nonexistent/Demo.assets"), Error));
	EXPECT_EQ(Error, FString(TEXT("/nonexistent/Demo.assets: no such file")));

	const FString Folder(UTF8_TO_TCHAR(::testing::TempDir().c_str()));
	EXPECT_FALSE(HostTest::LoadAssetRegistryFromFile(Folder, Error));
	EXPECT_TRUE(Error.EndsWith(TEXT("is a folder, not an asset registry data file"))) << TCHAR_TO_UTF8(*Error);

	const FString Binary = WriteFile(std::string("asset\0/Game/A", 13));
	EXPECT_FALSE(HostTest::LoadAssetRegistryFromFile(Binary, Error));
	EXPECT_EQ(Error, Binary + TEXT(": holds binary data, not text"));

	const FString Path = WriteFile("asset /Game/A /Script/Engine.StaticMesh\nasset /Game/B\n");
	EXPECT_FALSE(HostTest::LoadAssetRegistryFromFile(Path, Error));
	EXPECT_TRUE(Error.StartsWith(Path + TEXT(":2: 'asset' takes"))) << TCHAR_TO_UTF8(*Error);
}
