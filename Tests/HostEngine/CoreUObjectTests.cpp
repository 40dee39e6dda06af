// The object system as the editor and the plugin use it: creating objects in packages, their names and
// paths, class registration and reflection, weak and soft references, packages, and undo records.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "Animation/AnimBlueprint.h"
#include "Engine/DataAsset.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "J5Package.h"
#include "Misc/AssetRegistryInterface.h"
#include "Misc/PackageName.h"
#include "AssetRegistry/AssetData.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"
#include "UObject/HostPropertyToString.h"
#include "UObject/HostTransactionBuffer.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/UObjectHash.h"
#include "UObject/UObjectIterator.h"
#include "UObject/UnrealType.h"
#include "HostTest/CoreUObjectProbe.h"

#include <ostream>

TALVYNSDKBASE_API UClass* Z_Construct_UClass_UJ5Package();

static void PrintTo(const FString& Value, std::ostream* Out)
{
	*Out << '"' << TCHAR_TO_UTF8(*Value) << '"';
}

static void PrintTo(const FName& Value, std::ostream* Out)
{
	*Out << TCHAR_TO_UTF8(*Value.ToString());
}

namespace
{
	/** Every case starts from an object world holding only classes, defaults and script packages. */
	class CoreUObjectTest : public ::testing::Test
	{
	protected:
		void TearDown() override
		{
			if (HostTransactions::IsActive())
			{
				HostTransactions::Cancel();
			}
			HostTest::ClearTransactionRecords();
			HostTest::ResetObjects();
		}

		UJ5Package* NewPackageAsset(const TCHAR* PackageName, const TCHAR* AssetName, EObjectFlags Flags = RF_Public | RF_Standalone | RF_Transactional)
		{
			return NewObject<UJ5Package>(CreatePackage(PackageName), FName(AssetName), Flags);
		}
	};

	TArray<FString> RecordNames(const FString& PackageName)
	{
		TArray<FString> Names;
		for (const HostTest::FCompiledInClassRecord& Record : HostTest::GetCompiledInClasses(PackageName))
		{
			Names.Add(Record.Name);
		}
		return Names;
	}
}

// Creating objects

TEST_F(CoreUObjectTest, NewObjectInPackageHasNamePathAndExactFlags)
{
	UPackage* Package = CreatePackage(TEXT("/Game/Packs/P_Rocks"));
	UJ5Package* Asset = NewObject<UJ5Package>(Package, TEXT("P_Rocks"), RF_Public | RF_Transactional);

	EXPECT_EQ(Asset->GetFName(), FName(TEXT("P_Rocks")));
	EXPECT_EQ(Asset->GetOuter(), Package);
	EXPECT_EQ(Asset->GetPackage(), Package);
	EXPECT_EQ(Asset->GetPathName(), FString(TEXT("/Game/Packs/P_Rocks.P_Rocks")));
	EXPECT_EQ(Asset->GetFullName(), FString(TEXT("J5Package /Game/Packs/P_Rocks.P_Rocks")));
	EXPECT_EQ(Asset->GetFlags(), RF_Public | RF_Transactional);
	EXPECT_TRUE(Asset->IsAsset());
	EXPECT_EQ(Package->GetName(), FString(TEXT("/Game/Packs/P_Rocks")));
	EXPECT_EQ(CreatePackage(TEXT("/Game/Packs/P_Rocks")), Package);
}

TEST_F(CoreUObjectTest, NewObjectWithoutNameMakesUniqueNamesInTheTransientPackage)
{
	UStaticMesh* First = NewObject<UStaticMesh>();
	UStaticMesh* Second = NewObject<UStaticMesh>();

	EXPECT_EQ(First->GetOuter(), GetTransientPackage());
	EXPECT_NE(First->GetFName(), Second->GetFName());
	EXPECT_TRUE(First->GetName().StartsWith(TEXT("StaticMesh_")));
	EXPECT_FALSE(First->IsAsset());
	EXPECT_FALSE(First->MarkPackageDirty());
}

TEST_F(CoreUObjectTest, SubobjectPathUsesColonAfterTheAsset)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/P"), TEXT("P"));
	UStaticMesh* Inner = NewObject<UStaticMesh>(Asset, TEXT("Inner"));
	UStaticMesh* Deeper = NewObject<UStaticMesh>(Inner, TEXT("Deeper"));

	EXPECT_EQ(Inner->GetPathName(), FString(TEXT("/Game/P.P:Inner")));
	EXPECT_EQ(Deeper->GetPathName(), FString(TEXT("/Game/P.P:Inner.Deeper")));
	EXPECT_EQ(Deeper->GetPathName(Asset), FString(TEXT("Inner.Deeper")));
	EXPECT_EQ(FindObject<UStaticMesh>(nullptr, TEXT("/Game/P.P:Inner.Deeper")), Deeper);
	EXPECT_EQ(Deeper->GetTypedOuter<UJ5Package>(), Asset);
}

TEST_F(CoreUObjectTest, TemplateGivesInitialPropertyValuesOverTheConstructor)
{
	UJ5Package* Template = NewPackageAsset(TEXT("/Game/Source/P_Template"), TEXT("P_Template"));
	Template->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Source/SM_A.SM_A")));
	Template->MissingDependencies.Add(FName(TEXT("/Game/Elsewhere/SM_B")), 0);

	UJ5Package* Copy = NewObject<UJ5Package>(CreatePackage(TEXT("/Game/Other/P_Copy")), TEXT("P_Copy"), RF_Public, Template);

	ASSERT_EQ(Copy->MainAssets.Num(), 1);
	EXPECT_EQ(Copy->MainAssets[0].ToString(), FString(TEXT("/Game/Source/SM_A.SM_A")));
	EXPECT_EQ(Copy->MissingDependencies.Num(), 1);
	// PostInitProperties ran after the copy, so the directory is the copy's own.
	EXPECT_EQ(Copy->PackageDirectory, FString(TEXT("/Game/Other")));
	EXPECT_FALSE(Copy->OnPackageChanged.IsBound());
}

TEST_F(CoreUObjectTest, ClassDefaultObjectIsBuiltOnceByTheClassConstructor)
{
	const UJ5Package* Defaults = GetDefault<UJ5Package>();

	EXPECT_EQ(Defaults, UJ5Package::StaticClass()->GetDefaultObject());
	EXPECT_EQ(GetMutableDefault<UJ5Package>(), Defaults);
	EXPECT_TRUE(Defaults->HasAllFlags(RF_ClassDefaultObject | RF_ArchetypeObject | RF_Public));
	EXPECT_EQ(Defaults->GetPathName(), FString(TEXT("/Script/TalvynSDKBase.Default__J5Package")));
	EXPECT_TRUE(Defaults->IsTemplate());
	EXPECT_TRUE(Defaults->PackageDirectory.IsEmpty());
}

TEST_F(CoreUObjectTest, SameNameInSameOuterReplacesTheOldObject)
{
	UPackage* Package = CreatePackage(TEXT("/Game/Replace"));
	UStaticMesh* Old = NewObject<UStaticMesh>(Package, TEXT("Mesh"));
	const TWeakObjectPtr<UStaticMesh> WeakOld = Old;
	UStaticMesh* New = NewObject<UStaticMesh>(Package, TEXT("Mesh"));

	EXPECT_FALSE(WeakOld.IsValid());
	EXPECT_EQ(FindObject<UStaticMesh>(Package, TEXT("Mesh")), New);
}

TEST_F(CoreUObjectTest, NewObjectOfAbstractClassAborts)
{
	EXPECT_DEATH(NewObject<UObject>(GetTransientPackage(), UDataAsset::StaticClass()), "abstract");
}

TEST_F(CoreUObjectTest, ObjectInitializerGetOutsideConstructionAborts)
{
	EXPECT_DEATH(FObjectInitializer::Get(), "constructor");
}

// Renaming and dirtying

TEST_F(CoreUObjectTest, RenameMovesTheObjectAndTellsIt)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/A/P_Move"), TEXT("P_Move"));
	UPackage* Target = CreatePackage(TEXT("/Game/B/P_Moved"));
	EXPECT_EQ(Asset->PackageDirectory, FString(TEXT("/Game/A")));

	ASSERT_TRUE(Asset->Rename(TEXT("P_Moved"), Target));

	EXPECT_EQ(Asset->GetPathName(), FString(TEXT("/Game/B/P_Moved.P_Moved")));
	EXPECT_EQ(FindObject<UJ5Package>(Target, TEXT("P_Moved")), Asset);
	EXPECT_EQ(FindObject<UJ5Package>(nullptr, TEXT("/Game/A/P_Move.P_Move")), nullptr);
	// The package's PostRename derived its directory afresh.
	EXPECT_EQ(Asset->PackageDirectory, FString(TEXT("/Game/B")));
	EXPECT_TRUE(Target->IsDirty());
}

TEST_F(CoreUObjectTest, RenameOntoATakenNameFailsAndTestOnlyChangesNothing)
{
	UPackage* Package = CreatePackage(TEXT("/Game/Names"));
	UStaticMesh* First = NewObject<UStaticMesh>(Package, TEXT("First"));
	NewObject<UStaticMesh>(Package, TEXT("Second"));

	EXPECT_FALSE(First->Rename(TEXT("Second")));
	EXPECT_TRUE(First->Rename(TEXT("Third"), nullptr, REN_Test));
	EXPECT_EQ(First->GetName(), FString(TEXT("First")));
}

TEST_F(CoreUObjectTest, MarkPackageDirtySetsTheFlagAndBroadcastsOnce)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Dirty"), TEXT("Dirty"));
	UPackage* Package = Asset->GetPackage();
	int32 Changes = 0;
	const FDelegateHandle Handle = UPackage::PackageDirtyStateChangedEvent.AddLambda([&Changes](UPackage*) { ++Changes; });

	EXPECT_TRUE(Asset->MarkPackageDirty());
	EXPECT_TRUE(Asset->MarkPackageDirty());
	EXPECT_TRUE(Package->IsDirty());
	EXPECT_EQ(Changes, 1);

	Package->SetDirtyFlag(false);
	EXPECT_FALSE(Package->IsDirty());
	EXPECT_EQ(Changes, 2);
	UPackage::PackageDirtyStateChangedEvent.Remove(Handle);
}

// Undo records

TEST_F(CoreUObjectTest, ModifyRecordsTransactionalObjectsOnceInTheOpenTransaction)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Undo"), TEXT("Undo"));
	UJ5Package* NotTransactional = NewPackageAsset(TEXT("/Game/Undo2"), TEXT("Undo2"), RF_Public);

	EXPECT_FALSE(Asset->Modify());
	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Change")));
	EXPECT_TRUE(Asset->Modify());
	EXPECT_TRUE(Asset->Modify());
	EXPECT_FALSE(NotTransactional->Modify());
	EXPECT_EQ(HostTransactions::End(), 0);

	const TArray<HostTest::FTransactionRecord> Records = HostTest::GetTransactionRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_TRUE(Records[0].bCommitted);
	EXPECT_EQ(Records[0].Description, FString(TEXT("Change")));
	ASSERT_EQ(Records[0].Objects.Num(), 1);
	EXPECT_EQ(Records[0].Objects[0].Get(), Asset);
	// Modify marks dirty whether or not it recorded.
	EXPECT_TRUE(NotTransactional->GetPackage()->IsDirty());
}

TEST_F(CoreUObjectTest, NestedTransactionsJoinTheOutermostAndCancelDropsIt)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Nested"), TEXT("Nested"));
	EXPECT_EQ(HostTransactions::Begin(TEXT("Outer"), FText::FromString(TEXT("Outer"))), 0);
	EXPECT_EQ(HostTransactions::Begin(TEXT("Inner"), FText::FromString(TEXT("Inner"))), 1);
	Asset->Modify();
	EXPECT_EQ(HostTransactions::End(), 1);
	EXPECT_TRUE(HostTransactions::IsActive());
	HostTransactions::Cancel();

	EXPECT_FALSE(HostTransactions::IsActive());
	const TArray<HostTest::FTransactionRecord> Records = HostTest::GetTransactionRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_FALSE(Records[0].bCommitted);
	EXPECT_EQ(Records[0].Description, FString(TEXT("Outer")));
}

// Undo and redo

namespace
{
	/** The package's collections in their order, for comparing whole states. */
	FString DescribeCollections(const UJ5Package* Asset)
	{
		FString Text = TEXT("Main:");
		for (const FSoftObjectPath& Path : Asset->MainAssets)
		{
			Text += TEXT(" ") + Path.ToString();
		}
		Text += TEXT(" | Dependencies:");
		for (const FName& Dependency : Asset->Dependencies)
		{
			Text += TEXT(" ") + Dependency.ToString();
		}
		Text += TEXT(" | Missing:");
		for (const TPair<FName, int32>& Entry : Asset->MissingDependencies)
		{
			Text += FString::Printf(TEXT(" %s=%d"), *Entry.Key.ToString(), Entry.Value);
		}
		return Text;
	}

	void FillCollections(UJ5Package* Asset, const TCHAR* Suffix)
	{
		Asset->MainAssets.Add(FSoftObjectPath(FString::Printf(TEXT("/Game/Undo/SM_%s.SM_%s"), Suffix, Suffix)));
		Asset->Dependencies.Add(FName(*FString::Printf(TEXT("/Game/Undo/T_%s"), Suffix)));
		Asset->MissingDependencies.Add(FName(*FString::Printf(TEXT("/Game/Shared/M_%s"), Suffix)), 1);
	}

	void Change(UObject* Object, TFunctionRef<void()> Edit, const TCHAR* Description = TEXT("Change"))
	{
		HostTransactions::Begin(TEXT("Test"), FText::FromString(Description));
		Object->Modify();
		Edit();
		HostTransactions::End();
	}
}

TEST_F(CoreUObjectTest, UndoRestoresTheReflectedStateOfTheFirstModifyAndRedoTheLatest)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Undo/PKG"), TEXT("PKG"));
	FillCollections(Asset, TEXT("A"));
	Asset->MissingDependencies.Add(FName(TEXT("/Game/Shared/M_B")), 0);
	const FString Before = DescribeCollections(Asset);
	int32 Notified = 0;
	Asset->OnPackageChanged.AddLambda([&Notified]() { ++Notified; });

	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Edit")));
	Asset->Modify();
	Asset->MainAssets.Empty();
	Asset->MissingDependencies.Remove(FName(TEXT("/Game/Shared/M_A")));
	// A second Modify in the same transaction keeps the state of the first.
	Asset->Modify();
	FillCollections(Asset, TEXT("C"));
	HostTransactions::End();
	const FString After = DescribeCollections(Asset);
	ASSERT_NE(After, Before);
	Asset->GetPackage()->SetDirtyFlag(false);

	ASSERT_TRUE(HostTest::UndoTransaction());
	// Map order included: the panel lists the entries in it.
	EXPECT_EQ(DescribeCollections(Asset), Before);
	// The object's own undo notification (the package tells its listeners), and a dirty package, as an edit leaves it.
	EXPECT_EQ(Notified, 1);
	EXPECT_TRUE(Asset->GetPackage()->IsDirty());
	EXPECT_EQ(HostTest::GetUndoHistory().NumUndone, 1);

	ASSERT_TRUE(HostTest::RedoTransaction());
	EXPECT_EQ(DescribeCollections(Asset), After);
	EXPECT_EQ(Notified, 2);

	// Back and forth again: each record keeps flipping between the two states.
	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_EQ(DescribeCollections(Asset), Before);
	ASSERT_TRUE(HostTest::RedoTransaction());
	EXPECT_EQ(DescribeCollections(Asset), After);
	EXPECT_FALSE(HostTest::RedoTransaction());
}

TEST_F(CoreUObjectTest, UndoStepsBackOneTransactionAtATimeOverEveryObjectItRecorded)
{
	UJ5Package* First = NewPackageAsset(TEXT("/Game/Undo/First"), TEXT("First"));
	UJ5Package* Second = NewPackageAsset(TEXT("/Game/Undo/Second"), TEXT("Second"));
	const FString FirstEmpty = DescribeCollections(First);
	const FString SecondEmpty = DescribeCollections(Second);

	Change(First, [First]() { FillCollections(First, TEXT("A")); }, TEXT("One"));
	const FString FirstAfterOne = DescribeCollections(First);
	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Two")));
	First->Modify();
	Second->Modify();
	FillCollections(First, TEXT("B"));
	FillCollections(Second, TEXT("B"));
	HostTransactions::End();

	const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
	ASSERT_EQ(History.Transactions.Num(), 2);
	EXPECT_EQ(History.Transactions[0].Description, FString(TEXT("One")));
	EXPECT_EQ(History.Transactions[1].Description, FString(TEXT("Two")));
	EXPECT_EQ(History.Transactions[1].Objects.Num(), 2);

	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_EQ(DescribeCollections(First), FirstAfterOne);
	EXPECT_EQ(DescribeCollections(Second), SecondEmpty);
	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_EQ(DescribeCollections(First), FirstEmpty);
	EXPECT_FALSE(HostTest::UndoTransaction());
	EXPECT_EQ(HostTest::GetUndoHistory().NumUndone, 2);
}

TEST_F(CoreUObjectTest, OnlyCommittedTransactionsThatRecordedSomethingBecomeSteps)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Undo/PKG"), TEXT("PKG"));
	UJ5Package* NotTransactional = NewPackageAsset(TEXT("/Game/Undo/Plain"), TEXT("Plain"), RF_Public);

	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Empty")));
	HostTransactions::End();
	Change(NotTransactional, [NotTransactional]() { FillCollections(NotTransactional, TEXT("A")); });
	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Cancelled")));
	Asset->Modify();
	FillCollections(Asset, TEXT("A"));
	HostTransactions::Cancel();

	EXPECT_EQ(HostTest::GetTransactionRecords().Num(), 3);
	EXPECT_TRUE(HostTest::GetUndoHistory().Transactions.IsEmpty());
	EXPECT_FALSE(HostTest::UndoTransaction());
	// A cancelled transaction takes back nothing by itself: its changes stay.
	EXPECT_EQ(Asset->MainAssets.Num(), 1);
}

TEST_F(CoreUObjectTest, ANewTransactionEndsRedoAndNoUndoRunsWhileOneIsOpen)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Undo/PKG"), TEXT("PKG"));
	Change(Asset, [Asset]() { FillCollections(Asset, TEXT("A")); }, TEXT("One"));
	Change(Asset, [Asset]() { FillCollections(Asset, TEXT("B")); }, TEXT("Two"));
	ASSERT_TRUE(HostTest::UndoTransaction());

	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Three")));
	EXPECT_FALSE(HostTest::UndoTransaction());
	EXPECT_FALSE(HostTest::RedoTransaction());
	Asset->Modify();
	Asset->MainAssets.Empty();
	HostTransactions::End();

	const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
	ASSERT_EQ(History.Transactions.Num(), 2);
	EXPECT_EQ(History.Transactions[1].Description, FString(TEXT("Three")));
	EXPECT_EQ(History.NumUndone, 0);
	EXPECT_FALSE(HostTest::RedoTransaction());
	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_EQ(Asset->MainAssets.Num(), 1);
}

TEST_F(CoreUObjectTest, WhatAnObjectDoesWhileUndoIsAppliedRecordsNothingAndKeepsRedo)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Undo/PKG"), TEXT("PKG"));
	Change(Asset, [Asset]() { FillCollections(Asset, TEXT("A")); });
	int32 OpenedDuringUndo = 0;
	Asset->OnPackageChanged.AddLambda([Asset, &OpenedDuringUndo]()
	{
		OpenedDuringUndo = HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Reentrant")));
		EXPECT_FALSE(Asset->Modify());
	});

	ASSERT_TRUE(HostTest::UndoTransaction());

	EXPECT_EQ(OpenedDuringUndo, -1);
	EXPECT_FALSE(HostTransactions::IsActive());
	EXPECT_EQ(HostTest::GetUndoHistory().NumUndone, 1);
	EXPECT_TRUE(HostTest::RedoTransaction());
	EXPECT_EQ(Asset->MainAssets.Num(), 1);
}

TEST_F(CoreUObjectTest, UndoRestoresHeldReferencesAndSkipsObjectsDestroyedSince)
{
	UStaticMesh* Mesh = NewObject<UStaticMesh>(CreatePackage(TEXT("/Game/Undo/SM_Mesh")), TEXT("SM_Mesh"), RF_Public | RF_Standalone | RF_Transactional);
	UStaticMesh* Old = NewObject<UStaticMesh>(CreatePackage(TEXT("/Game/Undo/SM_Old")), TEXT("SM_Old"), RF_Public | RF_Standalone);
	UStaticMesh* New = NewObject<UStaticMesh>(CreatePackage(TEXT("/Game/Undo/SM_New")), TEXT("SM_New"), RF_Public | RF_Standalone);
	UJ5Package* Gone = NewPackageAsset(TEXT("/Game/Undo/Gone"), TEXT("Gone"));
	HostTest::SetObjectReferences(Mesh, { Old }, { FSoftObjectPath(Old) });

	HostTransactions::Begin(TEXT("Test"), FText::FromString(TEXT("Repoint")));
	Mesh->Modify();
	Gone->Modify();
	HostTest::SetObjectReferences(Mesh, { New }, { FSoftObjectPath(New) });
	FillCollections(Gone, TEXT("A"));
	HostTransactions::End();
	HostTest::DestroyObject(Gone->GetPackage());

	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_EQ(HostTest::GetHardReferences(Mesh), TArray<UObject*>{ Old });
	EXPECT_EQ(HostTest::GetSoftReferences(Mesh), TArray<FSoftObjectPath>{ FSoftObjectPath(Old) });
	ASSERT_TRUE(HostTest::RedoTransaction());
	EXPECT_EQ(HostTest::GetHardReferences(Mesh), TArray<UObject*>{ New });
}

// Destroying and weak references

TEST_F(CoreUObjectTest, DestroyingAPackageTakesItsAssetsAndNullsWeakPointers)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Gone"), TEXT("Gone"));
	UStaticMesh* Inner = NewObject<UStaticMesh>(Asset, TEXT("Inner"));
	const TWeakObjectPtr<UJ5Package> WeakAsset = Asset;
	const TWeakObjectPtr<UStaticMesh> WeakInner = Inner;
	const TWeakObjectPtr<UObject> WeakPackage = Asset->GetPackage();
	const int32 Before = HostTest::GetLiveObjectCount();

	HostTest::DestroyObject(Asset->GetPackage());

	EXPECT_EQ(WeakAsset.Get(), nullptr);
	EXPECT_EQ(WeakInner.Get(), nullptr);
	EXPECT_EQ(WeakPackage.Get(), nullptr);
	EXPECT_TRUE(WeakAsset.IsStale());
	EXPECT_EQ(HostTest::GetLiveObjectCount(), Before - 3);
	EXPECT_EQ(FindObject<UJ5Package>(nullptr, TEXT("/Game/Gone.Gone")), nullptr);
	// A new object in the same place is not the old one to the weak pointer.
	UJ5Package* Again = NewPackageAsset(TEXT("/Game/Gone"), TEXT("Gone"));
	EXPECT_EQ(WeakAsset.Get(), nullptr);
	EXPECT_EQ(TWeakObjectPtr<UJ5Package>(Again).Get(), Again);
}

TEST_F(CoreUObjectTest, GarbageObjectsAreInvalidButReachableWhenAskedFor)
{
	UStaticMesh* Mesh = NewObject<UStaticMesh>(CreatePackage(TEXT("/Game/Garbage")), TEXT("Mesh"));
	const TWeakObjectPtr<UStaticMesh> Weak = Mesh;
	Mesh->MarkAsGarbage();

	EXPECT_FALSE(IsValid(Mesh));
	EXPECT_EQ(Weak.Get(), nullptr);
	EXPECT_EQ(Weak.Get(true), Mesh);
	EXPECT_FALSE(IsValid(nullptr));
}

TEST_F(CoreUObjectTest, WeakPointersCompareAndConvert)
{
	UStaticMesh* Mesh = NewObject<UStaticMesh>();
	const TWeakObjectPtr<UStaticMesh> Weak(Mesh);
	const TWeakObjectPtr<UObject> AsObject = Weak;
	const TWeakObjectPtr<UStaticMesh> Empty;

	EXPECT_TRUE(AsObject == Weak);
	EXPECT_TRUE(Weak == Mesh);
	EXPECT_TRUE(Empty == nullptr);
	EXPECT_TRUE(Empty.IsExplicitlyNull());
	EXPECT_FALSE(Empty.IsStale());
	EXPECT_EQ(GetTypeHash(Weak), GetTypeHash(TWeakObjectPtr<UStaticMesh>(Mesh)));
}

TEST_F(CoreUObjectTest, ObjectIteratorSkipsObjectsDestroyedDuringTheWalk)
{
	UPackage* Package = CreatePackage(TEXT("/Game/Iterate"));
	NewObject<UStaticMesh>(Package, TEXT("A"));
	UStaticMesh* B = NewObject<UStaticMesh>(Package, TEXT("B"));
	NewObject<UStaticMesh>(Package, TEXT("C"));

	TArray<FString> Seen;
	for (TObjectIterator<UStaticMesh> It; It; ++It)
	{
		if (It->GetPackage() != Package)
		{
			continue;
		}
		Seen.Add(It->GetName());
		if (It->GetName() == TEXT("A"))
		{
			HostTest::DestroyObject(B);
		}
	}
	EXPECT_EQ(Seen, (TArray<FString>{ TEXT("A"), TEXT("C") }));
}

// Casts

TEST_F(CoreUObjectTest, CastsFollowTheClassHierarchy)
{
	UStaticMesh* Mesh = NewObject<UStaticMesh>();
	UObject* AsObject = Mesh;
	const UObject* AsConst = Mesh;

	EXPECT_EQ(Cast<UStaticMesh>(AsObject), Mesh);
	EXPECT_EQ(Cast<UStreamableRenderAsset>(AsObject), Mesh);
	EXPECT_EQ(Cast<UWorld>(AsObject), nullptr);
	EXPECT_EQ(Cast<UStaticMesh>(static_cast<UObject*>(nullptr)), nullptr);
	EXPECT_EQ(Cast<UStaticMesh>(AsConst), Mesh);
	EXPECT_EQ(ExactCast<UStreamableRenderAsset>(AsObject), nullptr);
	EXPECT_EQ(ExactCast<UStaticMesh>(AsObject), Mesh);
	EXPECT_EQ(Cast<UStaticMesh>(TWeakObjectPtr<UObject>(Mesh)), Mesh);
	EXPECT_EQ(Cast<UStaticMesh>(TObjectPtr<UObject>(Mesh)), Mesh);
	EXPECT_EQ(CastChecked<UStaticMesh>(AsObject), Mesh);
	EXPECT_EQ(CastChecked<UStaticMesh>(static_cast<UObject*>(nullptr), ECastCheckedType::NullAllowed), nullptr);
	EXPECT_DEATH(CastChecked<UWorld>(AsObject), "Cast of");
}

TEST_F(CoreUObjectTest, SubclassOfHoldsOnlyMatchingClasses)
{
	TSubclassOf<UStreamableRenderAsset> Class = UStaticMesh::StaticClass();
	EXPECT_EQ(Class.Get(), UStaticMesh::StaticClass());
	Class = UWorld::StaticClass();
	EXPECT_EQ(Class.Get(), nullptr);
	TSubclassOf<UObject> Wider = TSubclassOf<UStaticMesh>(UStaticMesh::StaticClass());
	EXPECT_EQ(*Wider, UStaticMesh::StaticClass());
	EXPECT_EQ(Wider.GetDefaultObject(), GetDefault<UStaticMesh>());
}

// Classes and their registration

TEST_F(CoreUObjectTest, EngineClassesAreRegisteredInDeclarationOrderOfTheirHeaders)
{
	const TArray<FString> Names = RecordNames(TEXT("/Script/Engine"));
	EXPECT_TRUE(Names.Contains(TEXT("UStaticMesh")));
	EXPECT_TRUE(Names.Contains(TEXT("UWorld")));
	EXPECT_TRUE(Names.Contains(TEXT("UAnimBlueprint")));
	const int32 DataAsset = Names.IndexOfByKey(FString(TEXT("UDataAsset")));
	const int32 PrimaryDataAsset = Names.IndexOfByKey(FString(TEXT("UPrimaryDataAsset")));
	ASSERT_NE(DataAsset, INDEX_NONE);
	EXPECT_EQ(PrimaryDataAsset, DataAsset + 1);

	bool bPackageRegistered = false;
	for (const HostTest::FCompiledInPackageRecord& Record : HostTest::GetCompiledInPackages())
	{
		bPackageRegistered |= Record.PackageName == TEXT("/Script/Engine");
	}
	EXPECT_TRUE(bPackageRegistered);
}

TEST_F(CoreUObjectTest, ClassPathsFollowTheScriptPackageAndName)
{
	EXPECT_EQ(UStaticMesh::StaticClass()->GetClassPathName().ToString(), FString(TEXT("/Script/Engine.StaticMesh")));
	EXPECT_EQ(UAnimBlueprint::StaticClass()->GetClassPathName(), FTopLevelAssetPath(TEXT("/Script/Engine"), TEXT("AnimBlueprint")));
	EXPECT_EQ(UObject::StaticClass()->GetClassPathName().ToString(), FString(TEXT("/Script/CoreUObject.Object")));
	EXPECT_EQ(UAnimBlueprint::StaticClass()->GetSuperClass(), UBlueprint::StaticClass());
	EXPECT_EQ(UBlueprint::StaticClass()->GetSuperClass()->GetSuperClass(), UObject::StaticClass());
	EXPECT_EQ(UObject::StaticClass()->GetSuperClass(), nullptr);
	EXPECT_EQ(UStaticMesh::StaticClass()->GetClass(), UClass::StaticClass());
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/Engine.SkeletalMesh")), USkeletalMesh::StaticClass());
	EXPECT_EQ(StaticClass<UStaticMesh>(), UStaticMesh::StaticClass());
}

TEST_F(CoreUObjectTest, ConstructFunctionBuildsTheClassOnceWithFlagsAndMetadata)
{
	UClass* Class = Z_Construct_UClass_UJ5Package();
	EXPECT_EQ(Z_Construct_UClass_UJ5Package(), Class);
	EXPECT_EQ(Class, UJ5Package::StaticClass());

	EXPECT_TRUE(Class->HasAllClassFlags(CLASS_Native | CLASS_MatchedSerializers | CLASS_RequiredAPI | CLASS_Constructed));
	EXPECT_FALSE(Class->HasAnyClassFlags(CLASS_Abstract | CLASS_Config | CLASS_MinimalAPI));
	// Declared flags arrive with the full build of the class, which a metadata lookup asks for.
	HostTest::GetClassMetaData(UDataAsset::StaticClass());
	EXPECT_TRUE(UDataAsset::StaticClass()->HasAllClassFlags(CLASS_Abstract | CLASS_MinimalAPI));
	EXPECT_FALSE(UDataAsset::StaticClass()->HasAnyClassFlags(CLASS_RequiredAPI));
	EXPECT_EQ(Class->GetConfigName(), FName(TEXT("Engine")));
	EXPECT_EQ(Class->GetMetaData(TEXT("IncludePath")), FString(TEXT("J5Package.h")));
	EXPECT_EQ(Class->GetMetaData(TEXT("ModuleRelativePath")), FString(TEXT("Public/J5Package.h")));
	EXPECT_FALSE(Class->HasMetaData(TEXT("NoSuchKey")));
	EXPECT_TRUE(Class->GetMetaData(TEXT("NoSuchKey")).IsEmpty());
	EXPECT_EQ(UDataAsset::StaticClass()->GetMetaData(TEXT("LoadBehavior")), FString(TEXT("LazyOnDemand")));
}

TEST_F(CoreUObjectTest, DerivedClassesIncludeEveryRegisteredSubclass)
{
	TArray<UClass*> Recursive;
	GetDerivedClasses(UStreamableRenderAsset::StaticClass(), Recursive);
	EXPECT_TRUE(Recursive.Contains(UStaticMesh::StaticClass()));
	EXPECT_TRUE(Recursive.Contains(USkeletalMesh::StaticClass()));
	EXPECT_FALSE(Recursive.Contains(UStreamableRenderAsset::StaticClass()));

	TArray<UClass*> Direct;
	GetDerivedClasses(UStreamableRenderAsset::StaticClass(), Direct, false);
	EXPECT_TRUE(Direct.Contains(USkinnedAsset::StaticClass()));
	EXPECT_FALSE(Direct.Contains(USkeletalMesh::StaticClass()));

	for (const HostTest::FCompiledInClassRecord& Record : HostTest::GetCompiledInClasses(TEXT("/Script/Engine")))
	{
		EXPECT_TRUE(Record.bFullyConstructed) << TCHAR_TO_UTF8(*Record.Name);
	}
}

// Reflected properties

TEST_F(CoreUObjectTest, PropertyRecordsCarryCategoryFlagsAndDisplayValues)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Props/P_Props"), TEXT("P_Props"));
	Asset->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Props/SM_A.SM_A")));
	Asset->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Props/SM_B.SM_B")));

	const TArray<HostTest::FPropertyRecord> Records = HostTest::GetPropertyRecords(UJ5Package::StaticClass(), Asset);
	TArray<FName> Names;
	for (const HostTest::FPropertyRecord& Record : Records)
	{
		Names.Add(Record.Name);
	}
	ASSERT_EQ(Names, (TArray<FName>{ TEXT("MainAssets"), TEXT("Dependencies"), TEXT("PackageDirectory"), TEXT("MissingDependencies") }));
	EXPECT_EQ(Records[0].Category, FString(TEXT("Package")));
	EXPECT_TRUE(Records[0].bEditable);
	EXPECT_TRUE(Records[0].bReadOnly);
	EXPECT_EQ(Records[0].CppType, FString(TEXT("TArray<FSoftObjectPath>")));
	EXPECT_EQ(Records[0].DisplayValue, FString(TEXT("2 Array elements")));
	EXPECT_EQ(Records[1].DisplayValue, FString(TEXT("0 Set elements")));
	EXPECT_EQ(Records[2].DisplayValue, FString(TEXT("/Game/Props")));
	EXPECT_EQ(Records[3].DisplayValue, FString(TEXT("0 Map elements")));
	EXPECT_EQ(HostTest::GetPropertyDisplayValue(Asset, TEXT("PackageDirectory")), FString(TEXT("/Game/Props")));
	EXPECT_TRUE(HostTest::GetPropertyDisplayValue(Asset, TEXT("OnPackageChanged")).IsEmpty());
	EXPECT_NE(UJ5Package::StaticClass()->FindPropertyByName(TEXT("MissingDependencies")), nullptr);
}

TEST_F(CoreUObjectTest, DisplayStringsOfValueTypes)
{
	EXPECT_EQ(HostPropertyToString(true), FString(TEXT("true")));
	EXPECT_EQ(HostPropertyToString(int32(-7)), FString(TEXT("-7")));
	EXPECT_EQ(HostPropertyToString(2.0f), FString(TEXT("2.0")));
	EXPECT_EQ(HostPropertyToString(0.25), FString(TEXT("0.25")));
	EXPECT_EQ(HostPropertyToString(FName(TEXT("Rock"))), FString(TEXT("Rock")));
	EXPECT_EQ(HostPropertyToString(FSoftObjectPath()), FString(TEXT("None")));
	EXPECT_EQ(HostPropertyToString(FDirectoryPath{ TEXT("/Game/X") }), FString(TEXT("/Game/X")));
	EXPECT_EQ(HostPropertyToString(static_cast<const UObject*>(nullptr)), FString(TEXT("None")));
	EXPECT_EQ(HostPropertyToString(TObjectPtr<UObject>(GetTransientPackage())), FString(TEXT("/Engine/Transient")));
}

// Paths

TEST(SoftObjectPathTest, ParsesAssetAndSubobjectPaths)
{
	const FSoftObjectPath Asset(TEXT("/Game/Dir/SM_Rock.SM_Rock"));
	EXPECT_TRUE(Asset.IsValid());
	EXPECT_EQ(Asset.GetLongPackageName(), FString(TEXT("/Game/Dir/SM_Rock")));
	EXPECT_EQ(Asset.GetAssetName(), FString(TEXT("SM_Rock")));
	EXPECT_EQ(Asset.GetAssetPathString(), FString(TEXT("/Game/Dir/SM_Rock.SM_Rock")));
	EXPECT_TRUE(Asset.IsAsset());

	const FSoftObjectPath Sub(TEXT("/Game/Dir/P.P:Inner.Deeper"));
	EXPECT_EQ(Sub.GetSubPathString(), FString(TEXT("Inner.Deeper")));
	EXPECT_EQ(Sub.ToString(), FString(TEXT("/Game/Dir/P.P:Inner.Deeper")));
	EXPECT_EQ(Sub.GetAssetPathString(), FString(TEXT("/Game/Dir/P.P")));

	const FSoftObjectPath Quoted(TEXT("StaticMesh'/Game/Dir/SM_Rock.SM_Rock'"));
	EXPECT_EQ(Quoted, Asset);

	EXPECT_TRUE(FSoftObjectPath().IsNull());
	EXPECT_TRUE(FSoftObjectPath(TEXT("NotAPath")).IsNull());
	EXPECT_EQ(FSoftObjectPath().ToString(), FString());
	EXPECT_EQ(FSoftObjectPath::ConstructFromAssetPath(FTopLevelAssetPath(TEXT("/Game/Dir/SM_Rock.SM_Rock"))), Asset);
	EXPECT_EQ(LexToString(Asset), Asset.ToString());
}

TEST(SoftObjectPathTest, ComparesAndHashesIgnoringCase)
{
	const FSoftObjectPath Lower(TEXT("/game/dir/sm_rock.sm_rock"));
	const FSoftObjectPath Upper(TEXT("/Game/Dir/SM_Rock.SM_Rock"));
	EXPECT_EQ(Lower, Upper);
	EXPECT_EQ(GetTypeHash(Lower), GetTypeHash(Upper));
	TSet<FSoftObjectPath> Set;
	Set.Add(Lower);
	Set.Add(Upper);
	EXPECT_EQ(Set.Num(), 1);
}

TEST(TopLevelAssetPathTest, AcceptsOnlyTopLevelPaths)
{
	FTopLevelAssetPath Path;
	EXPECT_TRUE(Path.TrySetPath(TEXT("/Script/Engine.StaticMesh")));
	EXPECT_EQ(Path.GetPackageName(), FName(TEXT("/Script/Engine")));
	EXPECT_EQ(Path.GetAssetName(), FName(TEXT("StaticMesh")));
	EXPECT_FALSE(Path.TrySetPath(TEXT("/Game/P.P:Sub")));
	EXPECT_TRUE(Path.IsNull());
	EXPECT_FALSE(Path.TrySetPath(TEXT("/Game/A.B.C")));
	EXPECT_FALSE(Path.TrySetPath(TEXT("NoSlash.Asset")));
	EXPECT_TRUE(Path.TrySetPath(TEXT("/Game/OnlyPackage")));
	EXPECT_EQ(Path.ToString(), FString(TEXT("/Game/OnlyPackage")));
	EXPECT_EQ(FTopLevelAssetPath().ToString(), FString());
}

TEST_F(CoreUObjectTest, SoftReferencesResolveObjectsInMemory)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Soft/P_Soft"), TEXT("P_Soft"));
	const FSoftObjectPath Path(Asset);
	EXPECT_EQ(Path.ToString(), FString(TEXT("/Game/Soft/P_Soft.P_Soft")));
	EXPECT_EQ(Path.ResolveObject(), Asset);
	EXPECT_EQ(Path.TryLoad(), Asset);
	EXPECT_EQ(LoadObject<UJ5Package>(nullptr, TEXT("/Game/Soft/P_Soft.P_Soft")), Asset);
	EXPECT_EQ(LoadObject<UStaticMesh>(nullptr, TEXT("/Game/Soft/P_Soft.P_Soft")), nullptr);

	TSoftObjectPtr<UJ5Package> Soft(Asset);
	EXPECT_EQ(Soft.Get(), Asset);
	EXPECT_TRUE(Soft.IsValid());
	HostTest::DestroyObject(Asset);
	EXPECT_EQ(Soft.Get(), nullptr);
	EXPECT_TRUE(Soft.IsPending());
	EXPECT_EQ(TSoftObjectPtr<UStaticMesh>(Path).Get(), nullptr);
}

TEST_F(CoreUObjectTest, AssetDataOfAnObjectNamesItsPackageAndClass)
{
	UJ5Package* Asset = NewPackageAsset(TEXT("/Game/Data/P_Data"), TEXT("P_Data"));
	const FAssetData Data(Asset);

	EXPECT_TRUE(Data.IsValid());
	EXPECT_EQ(Data.PackageName, FName(TEXT("/Game/Data/P_Data")));
	EXPECT_EQ(Data.PackagePath, FName(TEXT("/Game/Data")));
	EXPECT_EQ(Data.AssetName, FName(TEXT("P_Data")));
	EXPECT_EQ(Data.AssetClassPath.ToString(), FString(TEXT("/Script/TalvynSDKBase.J5Package")));
	EXPECT_EQ(Data.GetObjectPathString(), FString(TEXT("/Game/Data/P_Data.P_Data")));
	EXPECT_EQ(Data.GetSoftObjectPath(), FSoftObjectPath(Asset));
	EXPECT_EQ(Data.GetAsset(), Asset);
	EXPECT_EQ(Data.GetClass(), UJ5Package::StaticClass());
	EXPECT_TRUE(Data.IsInstanceOf(UObject::StaticClass()));
	EXPECT_TRUE(Data.IsUAsset());
	EXPECT_FALSE(FAssetData().IsValid());
	EXPECT_EQ(FAssetData().GetAsset(), nullptr);
}

TEST(PackageNameTest, SplitsLongNamesAndObjectPaths)
{
	EXPECT_TRUE(FPackageName::IsScriptPackage(TEXT("/Script/Engine")));
	EXPECT_FALSE(FPackageName::IsScriptPackage(TEXT("/Game/Script/Engine")));
	EXPECT_EQ(FPackageName::GetLongPackagePath(TEXT("/Game/A/B")), FString(TEXT("/Game/A")));
	EXPECT_EQ(FPackageName::GetLongPackagePath(TEXT("NoSlash")), FString());
	EXPECT_EQ(FPackageName::GetShortName(TEXT("/Game/A/B")), FString(TEXT("B")));
	EXPECT_EQ(FPackageName::ObjectPathToPackageName(TEXT("/Game/A/B.B:Sub")), FString(TEXT("/Game/A/B")));
	EXPECT_EQ(FPackageName::ObjectPathToObjectName(TEXT("/Game/A/B.B:Sub")), FString(TEXT("Sub")));
	EXPECT_EQ(FPackageName::ObjectPathToPackageName(TEXT("/Game/A/B")), FString(TEXT("/Game/A/B")));
	EXPECT_EQ(FPackageName::GetAssetPackageExtension(), FString(TEXT(".uasset")));
	EXPECT_EQ(FPackageName::GetMapPackageExtension(), FString(TEXT(".umap")));
}

TEST(PackageNameTest, ValidatesLongPackageNames)
{
	EXPECT_TRUE(FPackageName::IsValidLongPackageName(TEXT("/Game/Dir/Name")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("Game/Dir/Name")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("/Game/Dir/")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("/Game//Name")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("/Game/Dir/Na.me")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("/Unknown/Name")));
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT("/Script/Engine")));
	EXPECT_TRUE(FPackageName::IsValidLongPackageName(TEXT("/Script/Engine"), true));
	FText Reason;
	EXPECT_FALSE(FPackageName::IsValidLongPackageName(TEXT(""), false, &Reason));
	EXPECT_FALSE(Reason.IsEmpty());
}

TEST(PackageNameTest, MapsPackagesToFilesThroughContentRoots)
{
	HostTest::SetContentRoot(TEXT("/Game/"), TEXT("/tmp/Project/Content"));
	EXPECT_EQ(FPackageName::LongPackageNameToFilename(TEXT("/Game/Maps/Level"), FPackageName::GetMapPackageExtension()), FString(TEXT("/tmp/Project/Content/Maps/Level.umap")));
	FString Filename;
	EXPECT_FALSE(FPackageName::TryConvertLongPackageNameToFilename(TEXT("/Nowhere/Asset"), Filename));
	FString PackageName;
	EXPECT_TRUE(FPackageName::TryConvertFilenameToLongPackageName(TEXT("/tmp/Project/Content/Maps/Level.umap"), PackageName));
	EXPECT_EQ(PackageName, FString(TEXT("/Game/Maps/Level")));
	EXPECT_DEATH(FPackageName::LongPackageNameToFilename(TEXT("/Nowhere/Asset")), "does not map");
	HostTest::SetContentRoot(TEXT("/Game/"), FString());
}

// Dependency queries

TEST(DependencyQueryTest, FlagsBecomeRequiredAndExcludedProperties)
{
	using namespace UE::AssetRegistry;
	const FDependencyQuery Hard(EDependencyQuery::Hard);
	EXPECT_TRUE(Hard.Matches(EDependencyProperty::Hard | EDependencyProperty::Game));
	EXPECT_FALSE(Hard.Matches(EDependencyProperty::Game));

	const FDependencyQuery Soft(EDependencyQuery::Soft);
	EXPECT_TRUE(Soft.Matches(EDependencyProperty::Game));
	EXPECT_FALSE(Soft.Matches(EDependencyProperty::Hard));

	const FDependencyQuery Everything(EDependencyQuery::NoRequirements);
	EXPECT_TRUE(Everything.Matches(EDependencyProperty::None));
	EXPECT_TRUE(Everything.Matches(EDependencyProperty::Hard | EDependencyProperty::Build));

	const FDependencyQuery Propagation(EDependencyQuery::Propagation);
	EXPECT_FALSE(Propagation.Matches(EDependencyProperty::Hard));
	EXPECT_TRUE(Propagation.Matches(EDependencyProperty::Build));
}
