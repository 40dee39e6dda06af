#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/UObjectBase.h"
#include <unordered_map>
#include <vector>

class UPackage;

/**
 * The object system's state: every object in creation order (slots are never reused, so the order
 * of the array is the order of creation), a lookup by outer and name, and the compiled-in
 * registration records. Used from the main thread only, as the editor's object system is.
 */
struct FHostObjectSystem
{
	struct FSlot
	{
		UObjectBase* Object = nullptr;
		int32 SerialNumber = 0;
		EInternalObjectFlags InternalFlags = EInternalObjectFlags::None;
	};

	struct FClassRecord
	{
		UClass* (*OuterRegister)() = nullptr;
		UClass* (*InnerRegister)() = nullptr;
		FString PackageName;
		FString Name;
		FClassRegistrationInfo* Info = nullptr;
		FClassReloadVersionInfo VersionInfo;
	};

	struct FPackageRecord
	{
		UPackage* (*OuterRegister)() = nullptr;
		FString PackageName;
		FPackageRegistrationInfo* Info = nullptr;
		FPackageReloadVersionInfo VersionInfo;
	};

	std::vector<FSlot> Slots;
	int32 NextSerialNumber = 1;
	std::unordered_map<uint64, std::vector<UObjectBase*>> NameHash;
	std::vector<UClass*> Classes;
	std::unordered_map<const UClass*, int32> UniqueNameCounters;

	std::vector<FClassRecord> ClassRecords;
	std::vector<FPackageRecord> PackageRecords;
	/** Records not yet asked for: built when something needs to know every class. */
	bool bHasPendingClassRecords = false;

	static FHostObjectSystem& Get();

	static uint64 HashKey(const UObjectBase* Outer, FName Name);

	void AddObject(UObjectBase* Object);
	void RemoveObject(UObjectBase* Object);
	void HashObject(UObjectBase* Object);
	void UnhashObject(UObjectBase* Object);

	UObject* FindFast(const UClass* Class, const UObject* Outer, FName Name, bool bExactClass) const;

	FSlot* FindSlot(const UObjectBase* Object);

	/** Fully builds the class and its super classes where they are compiled-in classes not built yet. */
	void EnsureConstructed(const UClass* Class);

	/** Builds every registered class not built yet, so that class queries see them all. */
	void ConstructPendingClasses();

	/** Whether the code of the class is still in the process (its library may have been unloaded). */
	static bool IsClassCodeLoaded(const UClass* Class);

	/** Destroys the object and everything inside it: weak pointers read null, memory is freed. */
	void DestroyObject(UObject* Object);

	static void SetObjectName(UObjectBase* Object, FName Name, UObject* Outer);
	static void SetObjectClass(UObjectBase* Object, UClass* Class);
	static void SetDefaultObject(UClass* Class, UObject* Object)
	{
		Class->ClassDefaultObject = Object;
	}

	/** The initializer of the object under construction on this thread. */
	static FObjectInitializer*& TopInitializer();
	static void PushInitializer(FObjectInitializer& Initializer);
	static void PopInitializer(FObjectInitializer& Initializer);
	static const UClass* InitializerClass(const FObjectInitializer& Initializer)
	{
		return Initializer.Class;
	}
	static UObject* InitializerOuter(const FObjectInitializer& Initializer)
	{
		return Initializer.ObjectOuter;
	}
	static FName InitializerName(const FObjectInitializer& Initializer)
	{
		return Initializer.Name;
	}
	static EObjectFlags InitializerFlags(const FObjectInitializer& Initializer)
	{
		return Initializer.Flags;
	}
	static EInternalObjectFlags InitializerInternalFlags(const FObjectInitializer& Initializer)
	{
		return Initializer.InternalFlags;
	}
};

/** Allocates zeroed memory for an object of the class. */
void* HostAllocateObjectMemory(SIZE_T Size, SIZE_T Alignment);

/** Whether the class or a super class has reflected properties. */
bool HostClassHasProperties(const UClass* Class);
