#include "UObject/UObjectBase.h"

#include "HostObjectSystem.h"
#include "HostHeldReferences.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectBaseUtility.h"
#include "UObject/WeakObjectPtr.h"
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

FHostObjectSystem& FHostObjectSystem::Get()
{
	// Never destroyed: objects stay reachable until the process ends, as in the engine, and
	// nothing runs against a destroyed table from static destructors of other libraries.
	static FHostObjectSystem* System = new FHostObjectSystem();
	return *System;
}

uint64 FHostObjectSystem::HashKey(const UObjectBase* Outer, FName Name)
{
	return (uint64(reinterpret_cast<uintptr_t>(Outer)) * 0x9E3779B97F4A7C15ull) ^ uint64(GetTypeHash(Name));
}

void FHostObjectSystem::AddObject(UObjectBase* Object)
{
	FSlot Slot;
	Slot.Object = Object;
	Slot.SerialNumber = NextSerialNumber++;
	Object->InternalIndex = (int32)Slots.size();
	Slots.push_back(Slot);
	HashObject(Object);
}

void FHostObjectSystem::RemoveObject(UObjectBase* Object)
{
	if (FSlot* Slot = FindSlot(Object))
	{
		UnhashObject(Object);
		Slot->Object = nullptr;
		Slot->SerialNumber = 0;
		Slot->InternalFlags = EInternalObjectFlags::None;
	}
	FHostHeldReferences::Remove(Object);
	Object->InternalIndex = -1;
}

FHostObjectSystem::FSlot* FHostObjectSystem::FindSlot(const UObjectBase* Object)
{
	const int32 Index = Object->InternalIndex;
	if (Index < 0 || Index >= (int32)Slots.size() || Slots[Index].Object != Object)
	{
		return nullptr;
	}
	return &Slots[Index];
}

void FHostObjectSystem::HashObject(UObjectBase* Object)
{
	if (Object->NamePrivate.IsNone())
	{
		return;
	}
	NameHash[HashKey(Object->OuterPrivate, Object->NamePrivate)].push_back(Object);
}

void FHostObjectSystem::UnhashObject(UObjectBase* Object)
{
	auto Found = NameHash.find(HashKey(Object->OuterPrivate, Object->NamePrivate));
	if (Found == NameHash.end())
	{
		return;
	}
	std::vector<UObjectBase*>& Bucket = Found->second;
	for (auto It = Bucket.begin(); It != Bucket.end(); ++It)
	{
		if (*It == Object)
		{
			Bucket.erase(It);
			break;
		}
	}
	if (Bucket.empty())
	{
		NameHash.erase(Found);
	}
}

UObject* FHostObjectSystem::FindFast(const UClass* Class, const UObject* Outer, FName Name, bool bExactClass) const
{
	auto Found = NameHash.find(HashKey(Outer, Name));
	if (Found == NameHash.end())
	{
		return nullptr;
	}
	for (UObjectBase* Candidate : Found->second)
	{
		if (Candidate->OuterPrivate != Outer || Candidate->NamePrivate != Name)
		{
			continue;
		}
		UObject* Object = static_cast<UObject*>(Candidate);
		if (Class == nullptr || (bExactClass ? Object->GetClass() == Class : Object->IsA(Class)))
		{
			return Object;
		}
	}
	return nullptr;
}

void FHostObjectSystem::SetObjectName(UObjectBase* Object, FName Name, UObject* Outer)
{
	FHostObjectSystem& System = Get();
	const bool bRegistered = System.FindSlot(Object) != nullptr;
	if (bRegistered)
	{
		System.UnhashObject(Object);
	}
	Object->NamePrivate = Name;
	Object->OuterPrivate = Outer;
	if (bRegistered)
	{
		System.HashObject(Object);
	}
}

void FHostObjectSystem::SetObjectClass(UObjectBase* Object, UClass* Class)
{
	Object->ClassPrivate = Class;
}

FObjectInitializer*& FHostObjectSystem::TopInitializer()
{
	static thread_local FObjectInitializer* Top = nullptr;
	return Top;
}

void FHostObjectSystem::PushInitializer(FObjectInitializer& Initializer)
{
	Initializer.Previous = TopInitializer();
	Initializer.bOnStack = true;
	TopInitializer() = &Initializer;
}

void FHostObjectSystem::PopInitializer(FObjectInitializer& Initializer)
{
	if (!Initializer.bOnStack)
	{
		return;
	}
	checkf(TopInitializer() == &Initializer, TEXT("Object initializers must end in the reverse order of their start"));
	TopInitializer() = Initializer.Previous;
	Initializer.bOnStack = false;
}

bool FHostObjectSystem::IsClassCodeLoaded(const UClass* Class)
{
	if (Class->ClassConstructor == nullptr)
	{
		return true;
	}
	Dl_info Info;
	return dladdr(reinterpret_cast<void*>(Class->ClassConstructor), &Info) != 0;
}

void FHostObjectSystem::DestroyObject(UObject* Object)
{
	checkf(Object != nullptr, TEXT("DestroyObject: null object"));
	checkf(!Object->IsA(UClass::StaticClass()), TEXT("DestroyObject: class %s cannot be destroyed"), *Object->GetName());
	if (FindSlot(Object) == nullptr)
	{
		return;
	}

	// Inner objects go first, as a package takes its assets with it.
	TArray<UObject*> Inner;
	for (const FSlot& Slot : Slots)
	{
		if (Slot.Object != nullptr && Slot.Object->OuterPrivate == Object)
		{
			Inner.Add(static_cast<UObject*>(Slot.Object));
		}
	}
	for (int32 Index = Inner.Num() - 1; Index >= 0; --Index)
	{
		if (!Inner[Index]->IsA(UClass::StaticClass()))
		{
			DestroyObject(Inner[Index]);
		}
	}

	Object->ConditionalBeginDestroy();
	Object->ConditionalFinishDestroy();
	if (Object->HasAnyFlags(RF_ClassDefaultObject) && Object->GetClass()->GetDefaultObject(false) == Object)
	{
		Object->GetClass()->HostForgetDefaultObject();
	}
	RemoveObject(Object);
	delete Object;
}

void* HostAllocateObjectMemory(SIZE_T Size, SIZE_T Alignment)
{
	Alignment = Alignment < alignof(std::max_align_t) ? alignof(std::max_align_t) : Alignment;
	const SIZE_T Rounded = (Size + Alignment - 1) / Alignment * Alignment;
	void* Memory = FMemory::Malloc(Rounded == 0 ? Alignment : Rounded, static_cast<uint32>(Alignment));
	checkf(Memory != nullptr, TEXT("Out of memory allocating an object of %d bytes"), (int32)Size);
	std::memset(Memory, 0, Rounded);
	return Memory;
}

void HostFreeObjectMemory(void* Memory)
{
	FMemory::Free(Memory);
}

void HostForbiddenDefaultConstructor(const TCHAR* ClassName)
{
	checkf(false, TEXT("%s has no default constructor the object system can call"), ClassName);
	std::abort();
}

bool UObjectInitialized()
{
	return true;
}

// UObjectBase

UObjectBase::UObjectBase()
{
	FObjectInitializer* Initializer = FHostObjectSystem::TopInitializer();
	checkf(Initializer != nullptr && (void*)Initializer->GetObj() == (void*)this,
		TEXT("Objects can only be created through NewObject (or the object system's other constructors)"));
	ObjectFlags = FHostObjectSystem::InitializerFlags(*Initializer);
	ClassPrivate = const_cast<UClass*>(FHostObjectSystem::InitializerClass(*Initializer));
	NamePrivate = FHostObjectSystem::InitializerName(*Initializer);
	OuterPrivate = FHostObjectSystem::InitializerOuter(*Initializer);
	FHostObjectSystem::Get().AddObject(this);
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags = FHostObjectSystem::InitializerInternalFlags(*Initializer);
	}
}

UObjectBase::UObjectBase(EObjectFlags InFlags)
	: ObjectFlags(InFlags)
{
	// Linked in by the class construction once its class and package exist.
	FHostObjectSystem::Get().AddObject(this);
}

UObjectBase::UObjectBase(UClass* InClass, EObjectFlags InFlags, EInternalObjectFlags InInternalFlags, UObject* InOuter, FName InName)
	: ObjectFlags(InFlags)
	, ClassPrivate(InClass)
	, NamePrivate(InName)
	, OuterPrivate(InOuter)
{
	FHostObjectSystem::Get().AddObject(this);
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags = InInternalFlags;
	}
}

UObjectBase::~UObjectBase()
{
	if (InternalIndex >= 0)
	{
		FHostObjectSystem::Get().RemoveObject(this);
	}
}

bool UObjectBase::IsValidLowLevel() const
{
	return ClassPrivate != nullptr && FHostObjectSystem::Get().FindSlot(this) != nullptr;
}

bool UObjectBase::IsValidLowLevelFast(bool bRecursive) const
{
	return IsValidLowLevel();
}

UPackage* UObjectBase::GetExternalPackage() const
{
	return nullptr;
}

EInternalObjectFlags UObjectBase::GetInternalFlags() const
{
	const FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this);
	return Slot ? Slot->InternalFlags : EInternalObjectFlags::None;
}

void UObjectBase::LowLevelRename(FName NewName, UObject* NewOuter)
{
	FHostObjectSystem::SetObjectName(this, NewName, NewOuter ? NewOuter : OuterPrivate);
}

// UObjectBaseUtility

bool UObjectBaseUtility::IsTemplate(EObjectFlags TemplateTypes) const
{
	for (const UObject* Object = static_cast<const UObject*>(this); Object != nullptr; Object = Object->GetOuter())
	{
		if (Object->HasAnyFlags(TemplateTypes))
		{
			return true;
		}
	}
	return false;
}

bool UObjectBaseUtility::HasAnyInternalFlags(EInternalObjectFlags FlagsToCheck) const
{
	return EnumHasAnyFlags(GetInternalFlags(), FlagsToCheck);
}

void UObjectBaseUtility::MarkAsGarbage()
{
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags |= EInternalObjectFlags::Garbage;
		SetFlags(RF_MirroredGarbage);
	}
}

void UObjectBaseUtility::ClearGarbage()
{
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags &= ~EInternalObjectFlags::Garbage;
		ClearFlags(RF_MirroredGarbage);
	}
}

bool UObjectBaseUtility::IsGarbage() const
{
	return HasAnyInternalFlags(EInternalObjectFlags::Garbage);
}

void UObjectBaseUtility::AddToRoot()
{
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags |= EInternalObjectFlags::RootSet;
	}
}

void UObjectBaseUtility::RemoveFromRoot()
{
	if (FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(this))
	{
		Slot->InternalFlags &= ~EInternalObjectFlags::RootSet;
	}
}

bool UObjectBaseUtility::IsRooted() const
{
	return HasAnyInternalFlags(EInternalObjectFlags::RootSet);
}

FString UObjectBaseUtility::GetName() const
{
	return GetFName().ToString();
}

void UObjectBaseUtility::GetName(FString& ResultString) const
{
	ResultString = GetFName().ToString();
}

void UObjectBaseUtility::AppendName(FString& ResultString) const
{
	GetFName().AppendString(ResultString);
}

FString UObjectBaseUtility::GetPathName(const UObject* StopOuter) const
{
	FString Result;
	GetPathName(StopOuter, Result);
	return Result;
}

void UObjectBaseUtility::GetPathName(const UObject* StopOuter, FString& ResultString) const
{
	if (static_cast<const UObject*>(this) == StopOuter)
	{
		ResultString += TEXT("None");
		return;
	}
	const UObject* Outer = GetOuter();
	if (Outer != nullptr && Outer != StopOuter)
	{
		Outer->GetPathName(StopOuter, ResultString);
		// A subobject of an asset is written "Package.Asset:Sub"; deeper ones use '.' again.
		const UObject* OuterOuter = Outer->GetOuter();
		if (Outer->GetClass() != UPackage::StaticClass() && OuterOuter != nullptr && OuterOuter->GetClass() == UPackage::StaticClass())
		{
			ResultString += TEXT(":");
		}
		else
		{
			ResultString += TEXT(".");
		}
	}
	AppendName(ResultString);
}

void UObjectBaseUtility::GetPathName(const UObject* StopOuter, FStringBuilderBase& ResultString) const
{
	ResultString << *GetPathName(StopOuter);
}

FString UObjectBaseUtility::GetFullName(const UObject* StopOuter, EObjectFullNameFlags Flags) const
{
	FString Result;
	if (EnumHasAnyFlags(Flags, EObjectFullNameFlags::IncludeClassPackage))
	{
		Result = GetClass()->GetPathName();
	}
	else
	{
		Result = GetClass()->GetName();
	}
	Result += TEXT(" ");
	GetPathName(StopOuter, Result);
	return Result;
}

UObject* UObjectBaseUtility::GetOutermostObject() const
{
	UObject* Top = const_cast<UObject*>(static_cast<const UObject*>(this));
	while (Top->GetOuter() != nullptr)
	{
		Top = Top->GetOuter();
	}
	return Top;
}

UPackage* UObjectBaseUtility::GetOutermost() const
{
	UObject* Top = GetOutermostObject();
	return Top->IsA(UPackage::StaticClass()) ? static_cast<UPackage*>(Top) : nullptr;
}

UPackage* UObjectBaseUtility::GetPackage() const
{
	return GetOutermost();
}

bool UObjectBaseUtility::MarkPackageDirty() const
{
	UPackage* Package = GetPackage();
	if (Package == nullptr || Package == GetTransientPackage() || Package->HasAnyPackageFlags(PKG_CompiledIn))
	{
		return false;
	}
	const bool bWasDirty = Package->IsDirty();
	Package->SetDirtyFlag(true);
	UPackage::PackageMarkedDirtyEvent.Broadcast(Package, bWasDirty);
	return true;
}

bool UObjectBaseUtility::IsIn(const UObject* SomeOuter) const
{
	for (const UObject* Outer = GetOuter(); Outer != nullptr; Outer = Outer->GetOuter())
	{
		if (Outer == SomeOuter)
		{
			return true;
		}
	}
	return SomeOuter == nullptr;
}

bool UObjectBaseUtility::IsInOuter(const UObject* SomeOuter) const
{
	return IsIn(SomeOuter);
}

bool UObjectBaseUtility::IsInPackage(const UPackage* SomePackage) const
{
	return SomePackage != static_cast<const UObject*>(this) && GetPackage() == SomePackage;
}

UObject* UObjectBaseUtility::GetTypedOuter(UClass* Target) const
{
	for (UObject* Outer = GetOuter(); Outer != nullptr; Outer = Outer->GetOuter())
	{
		if (Outer->IsA(Target))
		{
			return Outer;
		}
	}
	return nullptr;
}

bool UObjectBaseUtility::IsA(const UClass* SomeBase) const
{
	const UClass* ThisClass = GetClass();
	return SomeBase != nullptr && ThisClass != nullptr && ThisClass->IsChildOf(SomeBase);
}

// FWeakObjectPtr

void FWeakObjectPtr::operator=(const UObject* Object)
{
	if (Object == nullptr)
	{
		Reset();
		return;
	}
	FHostObjectSystem::FSlot* Slot = FHostObjectSystem::Get().FindSlot(Object);
	if (Slot == nullptr)
	{
		Reset();
		return;
	}
	ObjectIndex = (int32)Object->GetUniqueID();
	ObjectSerialNumber = Slot->SerialNumber;
}

UObject* FWeakObjectPtr::Get(bool bEvenIfGarbage) const
{
	FHostObjectSystem& System = FHostObjectSystem::Get();
	if (ObjectIndex < 0 || ObjectIndex >= (int32)System.Slots.size())
	{
		return nullptr;
	}
	const FHostObjectSystem::FSlot& Slot = System.Slots[ObjectIndex];
	if (Slot.Object == nullptr || Slot.SerialNumber != ObjectSerialNumber)
	{
		return nullptr;
	}
	if (!bEvenIfGarbage && EnumHasAnyFlags(Slot.InternalFlags, EInternalObjectFlags::Garbage))
	{
		return nullptr;
	}
	return static_cast<UObject*>(Slot.Object);
}

UObject* FWeakObjectPtr::Get() const
{
	return Get(false);
}

UObject* FWeakObjectPtr::GetEvenIfUnreachable() const
{
	return Get(true);
}

bool FWeakObjectPtr::IsValid(bool bEvenIfGarbage, bool bThreadsafeTest) const
{
	return Get(bEvenIfGarbage) != nullptr;
}

bool FWeakObjectPtr::IsValid() const
{
	return Get(false) != nullptr;
}

bool FWeakObjectPtr::IsStale(bool bIncludingGarbage, bool bThreadsafeTest) const
{
	return ObjectIndex != -1 && Get(!bIncludingGarbage) == nullptr;
}
