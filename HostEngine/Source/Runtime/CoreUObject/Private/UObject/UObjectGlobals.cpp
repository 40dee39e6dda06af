#include "UObject/UObjectGlobals.h"

#include "HostObjectSystem.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectHash.h"
#include "UObject/UnrealType.h"

FStaticConstructObjectParameters::FStaticConstructObjectParameters(const UClass* InClass)
	: Class(InClass)
	, Outer((UObject*)GetTransientPackage())
	, Name(NAME_None)
{
}

// FObjectInitializer

FObjectInitializer::FObjectInitializer()
{
}

FObjectInitializer::FObjectInitializer(UObject* InObj, const FStaticConstructObjectParameters& Params)
	: Obj(InObj)
	, ObjectArchetype(Params.Template)
	, Class(Params.Class)
	, ObjectOuter(Params.Outer)
	, Name(Params.Name)
	, Flags(Params.SetFlags)
	, InternalFlags(Params.InternalSetFlags)
	, bCopyTransientsFromClassDefaults(Params.bCopyTransientsFromClassDefaults)
	, PropertyInitCallback(Params.PropertyInitCallback)
{
	FHostObjectSystem::PushInitializer(*this);
}

FObjectInitializer::~FObjectInitializer()
{
	FHostObjectSystem::PopInitializer(*this);
}

FObjectInitializer& FObjectInitializer::Get()
{
	FObjectInitializer* Top = FHostObjectSystem::TopInitializer();
	checkf(Top != nullptr, TEXT("FObjectInitializer::Get() can only be used inside of UObject-derived class constructor."));
	return *Top;
}

UObject* FObjectInitializer::CreateDefaultSubobject(UObject* InOuter, FName SubobjectFName, const UClass* ReturnType, const UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient) const
{
	checkf(ClassToCreateByDefault->IsChildOf(ReturnType), TEXT("CreateDefaultSubobject: %s is not a %s"), *ClassToCreateByDefault->GetName(), *ReturnType->GetName());
	FStaticConstructObjectParameters Params(ClassToCreateByDefault);
	Params.Outer = InOuter;
	Params.Name = SubobjectFName;
	Params.SetFlags = (Flags & RF_PropagateToSubObjects) | RF_DefaultSubObject | (bIsTransient ? RF_Transient : RF_NoFlags);
	if (Flags & (RF_ClassDefaultObject | RF_ArchetypeObject))
	{
		Params.SetFlags |= RF_ArchetypeObject;
	}
	return StaticConstructObject_Internal(Params);
}

void FObjectInitializer::PostConstructInit()
{
	const bool bIsCDO = (Flags & RF_ClassDefaultObject) != 0;
	if (!bIsCDO && ObjectArchetype != nullptr && ObjectArchetype != Obj)
	{
		// Initial values come from the template after the constructor ran, as in the engine: the
		// template wins over what the constructor set.
		UObject* ClassDefaults = bCopyTransientsFromClassDefaults ? Class->GetDefaultObject() : nullptr;
		const UClass* ArchetypeClass = ObjectArchetype->GetClass();
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			FProperty* Property = *It;
			const bool bTransient = Property->HasAnyPropertyFlags(CPF_Transient);
			if (bTransient && ClassDefaults != nullptr)
			{
				Property->HostCopyValue(Obj, ClassDefaults);
			}
			else if (ArchetypeClass->IsChildOf(Property->GetOwnerStruct()))
			{
				Property->HostCopyValue(Obj, ObjectArchetype);
			}
		}
	}
	if (PropertyInitCallback)
	{
		PropertyInitCallback();
	}
	Obj->PostInitProperties();
}

bool HostClassHasProperties(const UClass* Class)
{
	for (const UStruct* Struct = Class; Struct != nullptr; Struct = Struct->GetSuperStruct())
	{
		if (Struct->HostGetOwnProperties().Num() > 0)
		{
			return true;
		}
	}
	return false;
}

void HostCheckNewObjectClass(const UClass* Class, const UClass* RequestedType)
{
	checkf(Class != nullptr, TEXT("NewObject called with a nullptr class object"));
	checkf(Class->IsChildOf(RequestedType), TEXT("NewObject: %s is not a %s"), *Class->GetName(), *RequestedType->GetName());
}

UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params)
{
	const UClass* InClass = Params.Class;
	checkf(InClass != nullptr, TEXT("StaticConstructObject: no class"));
	const bool bIsCDO = (Params.SetFlags & RF_ClassDefaultObject) != 0;
	checkf(bIsCDO || !InClass->HasAnyClassFlags(CLASS_Abstract), TEXT("Class which was marked abstract was trying to be loaded in Outer %s. It will be nulled out on save. %s %s"),
		Params.Outer ? *Params.Outer->GetPathName() : TEXT("None"), *Params.Name.ToString(), *InClass->GetName());
	checkf(Params.Outer != nullptr || InClass->IsChildOf(UPackage::StaticClass()), TEXT("Object %s of class %s needs an outer; only packages have none"),
		*Params.Name.ToString(), *InClass->GetName());
	checkf(Params.Outer == nullptr || Params.Outer != INVALID_OBJECT, TEXT("Invalid outer"));

	FHostObjectSystem& System = FHostObjectSystem::Get();
	if (!InClass->HasAnyClassFlags(CLASS_Constructed))
	{
		System.EnsureConstructed(InClass);
	}
	FName Name = Params.Name;
	if (Name.IsNone())
	{
		Name = MakeUniqueObjectName(Params.Outer, InClass);
	}
	else if (UObject* Existing = System.FindFast(nullptr, Params.Outer, Name, false))
	{
		if (Params.Outer == nullptr && InClass == UPackage::StaticClass() && Existing->GetClass() == InClass)
		{
			// Building the package class made the very script package being asked for: the classes in
			// it stay where they are.
			return Existing;
		}
		// The engine replaces an object made again under the same name; the host ends the old one.
		checkf(Existing->GetClass() == InClass, TEXT("Cannot replace existing object of a different class: %s with one of class %s"),
			*Existing->GetFullName(), *InClass->GetName());
		checkf(!Existing->HasAnyFlags(RF_ClassDefaultObject) || bIsCDO, TEXT("Cannot replace the class default object %s"), *Existing->GetFullName());
		System.DestroyObject(Existing);
	}

	FStaticConstructObjectParameters Final = Params;
	Final.Name = Name;
	if (!bIsCDO && Final.Template == nullptr && HostClassHasProperties(InClass))
	{
		Final.Template = InClass->GetDefaultObject();
	}

	void* Memory = HostAllocateObjectMemory(InClass->GetPropertiesSize(), InClass->GetMinAlignment());
	UObject* Object = static_cast<UObject*>(Memory);
	{
		FObjectInitializer Initializer(Object, Final);
		if (bIsCDO)
		{
			FHostObjectSystem::SetDefaultObject(const_cast<UClass*>(InClass), Object);
		}
		(*InClass->ClassConstructor)(Initializer);
		Initializer.PostConstructInit();
	}
	return Object;
}

UObject* StaticAllocateObject(const UClass* Class, UObject* InOuter, FName Name, EObjectFlags SetFlags, EInternalObjectFlags InternalSetFlags, bool bCanReuseSubobjects, bool* bOutReusedSubobject, UPackage* ExternalPackage)
{
	HOST_UNIMPLEMENTED();
	return nullptr;
}

FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName)
{
	FHostObjectSystem& System = FHostObjectSystem::Get();
	const FString Base = BaseName.IsNone() ? Class->GetName() : BaseName.GetPlainNameString();
	int32& Counter = System.UniqueNameCounters[Class];
	for (;;)
	{
		const FName Candidate(*FString::Printf(TEXT("%s_%d"), *Base, Counter++));
		if (System.FindFast(nullptr, Outer, Candidate, false) == nullptr)
		{
			return Candidate;
		}
	}
}

UPackage* GetTransientPackage()
{
	static UPackage* TransientPackage = nullptr;
	static bool bCreating = false;
	if (TransientPackage == nullptr)
	{
		if (bCreating)
		{
			// Asked for as the default outer while the package itself is being made.
			return nullptr;
		}
		bCreating = true;
		TransientPackage = NewObject<UPackage>(nullptr, FName(TEXT("/Engine/Transient")), RF_Transient | RF_Public);
		TransientPackage->AddToRoot();
		bCreating = false;
	}
	return TransientPackage;
}

UPackage* CreatePackage(const TCHAR* PackageName)
{
	FString Name = PackageName ? FString(PackageName) : FString();
	if (Name.IsEmpty())
	{
		static int32 UntitledCounter = 0;
		do
		{
			Name = FString::Printf(TEXT("/Temp/Untitled_%d"), UntitledCounter++);
		} while (FHostObjectSystem::Get().FindFast(nullptr, nullptr, FName(*Name), false) != nullptr);
	}
	const FName PackageFName(*Name);
	if (UObject* Existing = FHostObjectSystem::Get().FindFast(UPackage::StaticClass(), nullptr, PackageFName, false))
	{
		return static_cast<UPackage*>(Existing);
	}
	UPackage* Package = NewObject<UPackage>(nullptr, PackageFName, RF_Public);
	if (!Name.StartsWith(TEXT("/Script/")))
	{
		Package->SetPackageFlags(PKG_NewlyCreated);
	}
	return Package;
}

namespace
{
	/** Splits "Package.Object:Sub.Deeper" into its names. */
	TArray<FName> SplitObjectPath(const FString& Path)
	{
		TArray<FName> Names;
		FString Current;
		for (int32 Index = 0; Index < Path.Len(); ++Index)
		{
			const TCHAR Char = Path[Index];
			if (Char == TEXT('.') || Char == TEXT(':'))
			{
				Names.Add(FName(*Current));
				Current.Reset();
			}
			else
			{
				Current.AppendChar(Char);
			}
		}
		Names.Add(FName(*Current));
		return Names;
	}

	/** The path inside Class'Path' export text. */
	FString StripExportText(const FString& Path)
	{
		const int32 Quote = Path.Find(TEXT("'"));
		if (Quote != INDEX_NONE && Path.Len() >= Quote + 2 && Path[Path.Len() - 1] == TEXT('\''))
		{
			return Path.Mid(Quote + 1, Path.Len() - Quote - 2);
		}
		return Path;
	}
}

UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool ExactClass, EObjectFlags ExclusiveFlags, EInternalObjectFlags ExclusiveInternalFlags)
{
	UObject* Found = FHostObjectSystem::Get().FindFast(Class, InOuter, InName, ExactClass);
	if (Found && (Found->HasAnyFlags(ExclusiveFlags) || Found->HasAnyInternalFlags(ExclusiveInternalFlags)))
	{
		return nullptr;
	}
	return Found;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool ExactClass)
{
	if (Name == nullptr || *Name == 0)
	{
		return nullptr;
	}
	const FString Path = StripExportText(FString(Name));
	if (Path.StartsWith(TEXT("/Script/")))
	{
		FHostObjectSystem::Get().ConstructPendingClasses();
	}
	const TArray<FName> Names = SplitObjectPath(Path);
	UObject* Outer = InOuter;
	for (int32 Index = 0; Index < Names.Num() - 1; ++Index)
	{
		Outer = FHostObjectSystem::Get().FindFast(nullptr, Outer, Names[Index], false);
		if (Outer == nullptr)
		{
			return nullptr;
		}
	}
	UObject* Found = FHostObjectSystem::Get().FindFast(Class, Outer, Names.Last(), ExactClass);
	// A plain name with no outer may name a package or any top-level object of that name.
	return Found;
}

UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, void* Sandbox, bool bAllowObjectReconciliation, const FLinkerLoad* InstancingContext)
{
	// Nothing is on disk for the host: loading finds what is in memory.
	return StaticFindObject(Class, InOuter, Name, false);
}

UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, void* Sandbox)
{
	UClass* Class = (UClass*)StaticFindObject(UClass::StaticClass(), InOuter, Name, false);
	return (Class && Class->IsChildOf(BaseClass)) ? Class : nullptr;
}

void GetObjectsWithOuter(const UObjectBase* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectWithOuter(Outer, [&Results](UObject* Object) { Results.Add(Object); }, bIncludeNestedObjects, ExclusionFlags, ExclusionInternalFlags);
}

void ForEachObjectWithOuter(const UObjectBase* Outer, TFunctionRef<void(UObject*)> Operation, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	TArray<UObject*> Matches;
	for (const FHostObjectSystem::FSlot& Slot : FHostObjectSystem::Get().Slots)
	{
		if (Slot.Object == nullptr || EnumHasAnyFlags(Slot.InternalFlags, ExclusionInternalFlags))
		{
			continue;
		}
		UObject* Object = static_cast<UObject*>(Slot.Object);
		if (Object->HasAnyFlags(ExclusionFlags))
		{
			continue;
		}
		const bool bMatches = bIncludeNestedObjects ? (Object != Outer && Object->IsIn(static_cast<const UObject*>(Outer))) : Object->GetOuter() == Outer;
		if (bMatches)
		{
			Matches.Add(Object);
		}
	}
	for (UObject* Object : Matches)
	{
		Operation(Object);
	}
}

UObject* FindObjectWithOuter(const UObjectBase* Outer, const UClass* ClassToLookFor, FName NameToLookFor)
{
	if (!NameToLookFor.IsNone())
	{
		return FHostObjectSystem::Get().FindFast(ClassToLookFor, static_cast<const UObject*>(Outer), NameToLookFor, false);
	}
	for (const FHostObjectSystem::FSlot& Slot : FHostObjectSystem::Get().Slots)
	{
		UObject* Object = static_cast<UObject*>(Slot.Object);
		if (Object && Object->GetOuter() == Outer && (ClassToLookFor == nullptr || Object->IsA(ClassToLookFor)))
		{
			return Object;
		}
	}
	return nullptr;
}

void GetDerivedClasses(const UClass* ClassToLookFor, TArray<UClass*>& Results, bool bRecursive)
{
	FHostObjectSystem& System = FHostObjectSystem::Get();
	System.ConstructPendingClasses();
	for (UClass* Class : System.Classes)
	{
		if (Class == ClassToLookFor || Class->HasAnyClassFlags(CLASS_NewerVersionExists) || !FHostObjectSystem::IsClassCodeLoaded(Class))
		{
			continue;
		}
		const bool bMatches = bRecursive ? Class->IsChildOf(ClassToLookFor) : Class->GetSuperClass() == ClassToLookFor;
		if (bMatches)
		{
			Results.Add(Class);
		}
	}
}

void GetObjectsOfClass(const UClass* ClassToLookFor, TArray<UObject*>& Results, bool bIncludeDerivedClasses, EObjectFlags ExcludeFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectOfClass(ClassToLookFor, [&Results](UObject* Object) { Results.Add(Object); }, bIncludeDerivedClasses, ExcludeFlags, ExclusionInternalFlags);
}

void ForEachObjectOfClass(const UClass* ClassToLookFor, TFunctionRef<void(UObject*)> Operation, bool bIncludeDerivedClasses, EObjectFlags ExcludeFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	FHostObjectSystem& System = FHostObjectSystem::Get();
	if (ClassToLookFor->IsChildOf(UClass::StaticClass()))
	{
		System.ConstructPendingClasses();
	}
	// Collected first, so the operation may create or destroy objects.
	TArray<UObject*> Matches;
	for (const FHostObjectSystem::FSlot& Slot : System.Slots)
	{
		if (Slot.Object == nullptr || EnumHasAnyFlags(Slot.InternalFlags, ExclusionInternalFlags))
		{
			continue;
		}
		UObject* Object = static_cast<UObject*>(Slot.Object);
		if (Object->GetClass() == nullptr || Object->HasAnyFlags(ExcludeFlags))
		{
			continue;
		}
		if (bIncludeDerivedClasses ? Object->IsA(ClassToLookFor) : Object->GetClass() == ClassToLookFor)
		{
			Matches.Add(Object);
		}
	}
	for (UObject* Object : Matches)
	{
		Operation(Object);
	}
}
