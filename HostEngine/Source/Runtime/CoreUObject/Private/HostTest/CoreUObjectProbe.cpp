#include "HostTest/CoreUObjectProbe.h"

#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "../UObject/HostHeldReferences.h"
#include "../UObject/HostObjectSystem.h"

namespace HostTest
{
	TArray<FCompiledInClassRecord> GetCompiledInClasses(const FString& PackageName)
	{
		TArray<FCompiledInClassRecord> Result;
		for (const FHostObjectSystem::FClassRecord& Record : FHostObjectSystem::Get().ClassRecords)
		{
			if (!PackageName.IsEmpty() && !Record.PackageName.Equals(PackageName, ESearchCase::CaseSensitive))
			{
				continue;
			}
			FCompiledInClassRecord Out;
			Out.PackageName = Record.PackageName;
			Out.Name = Record.Name;
			Out.bClassConstructed = Record.Info->InnerSingleton != nullptr;
			Out.bFullyConstructed = Record.Info->OuterSingleton != nullptr;
			Out.Size = Record.VersionInfo.Size;
			Out.Hash = Record.VersionInfo.Hash;
			Result.Add(Out);
		}
		return Result;
	}

	TArray<FCompiledInPackageRecord> GetCompiledInPackages()
	{
		TArray<FCompiledInPackageRecord> Result;
		for (const FHostObjectSystem::FPackageRecord& Record : FHostObjectSystem::Get().PackageRecords)
		{
			FCompiledInPackageRecord Out;
			Out.PackageName = Record.PackageName;
			Out.bConstructed = Record.Info->OuterSingleton != nullptr;
			Out.BodyHash = Record.VersionInfo.BodyHash;
			Out.DeclarationsHash = Record.VersionInfo.DeclarationsHash;
			Result.Add(Out);
		}
		return Result;
	}

	TArray<TPair<FString, FString>> GetClassMetaData(const UClass* Class)
	{
		TArray<TPair<FString, FString>> Result;
		if (Class != nullptr)
		{
			for (const TPair<FName, FString>& Pair : Class->HostGetMetaDataPairs())
			{
				Result.Add(TPair<FString, FString>(Pair.Key.ToString(), Pair.Value));
			}
		}
		return Result;
	}

	TArray<FPropertyRecord> GetPropertyRecords(const UClass* Class, const UObject* Object)
	{
		TArray<FPropertyRecord> Result;
		TArray<const UStruct*> Chain;
		for (const UStruct* Struct = Class; Struct != nullptr; Struct = Struct->GetSuperStruct())
		{
			Chain.Insert(Struct, 0);
		}
		for (const UStruct* Struct : Chain)
		{
			for (const FProperty* Property : Struct->HostGetOwnProperties())
			{
				FPropertyRecord Out;
				Out.Name = Property->GetFName();
				Out.OwnerClass = Struct->GetFName();
				Out.CppType = Property->GetCPPType();
				Out.Category = Property->GetMetaData(TEXT("Category"));
				Out.Flags = Property->GetPropertyFlags();
				Out.bEditable = Property->HasAnyPropertyFlags(CPF_Edit);
				Out.bReadOnly = Property->HasAnyPropertyFlags(CPF_EditConst);
				Out.bTransient = Property->HasAnyPropertyFlags(CPF_Transient);
				Out.bConfig = Property->HasAnyPropertyFlags(CPF_Config);
				Out.bAdvanced = Property->HasAnyPropertyFlags(CPF_AdvancedDisplay);
				if (Object != nullptr && Object->IsA(Property->GetOwnerClass()))
				{
					Out.DisplayValue = Property->HostGetValueString(Object);
				}
				for (const TPair<FName, FString>& Pair : Property->HostGetMetaDataPairs())
				{
					Out.MetaData.Add(TPair<FString, FString>(Pair.Key.ToString(), Pair.Value));
				}
				Result.Add(Out);
			}
		}
		return Result;
	}

	FString GetPropertyDisplayValue(const UObject* Object, FName PropertyName)
	{
		if (Object == nullptr)
		{
			return FString();
		}
		const FProperty* Property = Object->GetClass()->FindPropertyByName(PropertyName);
		return Property ? Property->HostGetValueString(Object) : FString();
	}

	void DestroyObject(UObject* Object)
	{
		FHostObjectSystem::Get().DestroyObject(Object);
	}

	void ResetObjects()
	{
		FHostObjectSystem& System = FHostObjectSystem::Get();
		UPackage* Transient = GetTransientPackage();
		TArray<UObject*> Doomed;
		for (const FHostObjectSystem::FSlot& Slot : System.Slots)
		{
			UObject* Object = static_cast<UObject*>(Slot.Object);
			if (Object == nullptr || Object->IsA(UClass::StaticClass()) || Object->HasAnyFlags(RF_ClassDefaultObject) || Object == Transient)
			{
				continue;
			}
			const UPackage* Package = Object->GetPackage();
			if (Package != nullptr && Package->HasAnyPackageFlags(PKG_CompiledIn))
			{
				continue;
			}
			Doomed.Add(Object);
		}
		// Newest first; destroying an outer also takes the objects inside it, so check each is still alive.
		TArray<FWeakObjectPtr> Weak;
		for (UObject* Object : Doomed)
		{
			Weak.Add(FWeakObjectPtr(Object));
		}
		for (int32 Index = Doomed.Num() - 1; Index >= 0; --Index)
		{
			if (UObject* Object = Weak[Index].Get(true))
			{
				System.DestroyObject(Object);
			}
		}
	}

	int32 GetLiveObjectCount()
	{
		int32 Count = 0;
		for (const FHostObjectSystem::FSlot& Slot : FHostObjectSystem::Get().Slots)
		{
			Count += Slot.Object != nullptr ? 1 : 0;
		}
		return Count;
	}

	TArray<UObject*> GetObjectsInPackage(const FString& PackageName)
	{
		TArray<UObject*> Result;
		UObject* Package = StaticFindObjectFast(UPackage::StaticClass(), nullptr, FName(*PackageName));
		if (Package == nullptr)
		{
			return Result;
		}
		Result.Add(Package);
		GetObjectsWithOuter(Package, Result, true);
		return Result;
	}

	void SetObjectReferences(UObject* Object, const TArray<UObject*>& HardReferences, const TArray<FSoftObjectPath>& SoftReferences)
	{
		check(Object != nullptr);
		FHostHeldReferences& References = FHostHeldReferences::FindOrAdd(Object);
		References.Hard.Reset();
		for (UObject* Reference : HardReferences)
		{
			References.Hard.Add(Reference);
		}
		References.Soft = SoftReferences;
	}

	TArray<UObject*> GetHardReferences(const UObject* Object)
	{
		TArray<UObject*> Result;
		if (const FHostHeldReferences* References = FHostHeldReferences::Find(Object))
		{
			for (const TWeakObjectPtr<UObject>& Reference : References->Hard)
			{
				Result.Add(Reference.Get());
			}
		}
		return Result;
	}

	TArray<FSoftObjectPath> GetSoftReferences(const UObject* Object)
	{
		const FHostHeldReferences* References = FHostHeldReferences::Find(Object);
		return References != nullptr ? References->Soft : TArray<FSoftObjectPath>();
	}

	void SetContentRoot(const FString& RootPath, const FString& Directory)
	{
		FPackageName::RegisterMountPoint(RootPath, Directory);
	}
}
