#include "UObject/Object.h"

#include "HostHeldReferences.h"
#include "HostObjectSystem.h"
#include "UObject/Class.h"
#include "UObject/HostTransactionBuffer.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "Templates/Casts.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Serialization/Archive.h"

// UObject

void UObject::__DefaultConstructor(const FObjectInitializer& X)
{
	new ((EInternal*)X.GetObj()) UObject(X);
}

UObject::UObject()
{
}

UObject::UObject(const FObjectInitializer& ObjectInitializer)
{
}

UObject::UObject(FVTableHelper& Helper)
	: UObjectBaseUtility(RF_NoFlags)
{
}

UObject::UObject(EStaticConstructor, EObjectFlags InFlags)
	: UObjectBaseUtility(InFlags)
{
}

UObject::~UObject()
{
}

void UObject::PostInitProperties()
{
}

void UObject::PostLoad()
{
}

void UObject::PostDuplicate(bool bDuplicateForPIE)
{
}

void UObject::PostRename(UObject* OldOuter, const FName OldName)
{
}

void UObject::BeginDestroy()
{
}

bool UObject::IsReadyForFinishDestroy()
{
	return true;
}

void UObject::FinishDestroy()
{
}

void UObject::Serialize(FArchive& Ar)
{
	FHostHeldReferences* References = FHostHeldReferences::Find(this);
	if (References == nullptr)
	{
		return;
	}
	for (TWeakObjectPtr<UObject>& Reference : References->Hard)
	{
		UObject* Object = Reference.Get();
		Ar << Object;
		Reference = Object;
	}
	for (FSoftObjectPath& Reference : References->Soft)
	{
		Ar << Reference;
	}
}

bool UObject::IsAsset() const
{
	if (HasAnyFlags(RF_ClassDefaultObject | RF_ArchetypeObject | RF_Transient))
	{
		return false;
	}
	const UObject* Outer = GetOuter();
	return Outer != nullptr && Outer->IsA(UPackage::StaticClass()) && Outer != GetTransientPackage() && !Outer->HasAnyFlags(RF_Transient);
}

bool UObject::IsEditorOnly() const
{
	return false;
}

UWorld* UObject::GetWorld() const
{
	return nullptr;
}

FString UObject::GetDesc()
{
	return FString();
}

bool UObject::Rename(const TCHAR* InName, UObject* NewOuter, ERenameFlags Flags)
{
	const FName OldName = GetFName();
	UObject* OldOuter = GetOuter();
	UObject* TargetOuter = NewOuter ? NewOuter : OldOuter;
	FName TargetName = InName ? FName(InName) : OldName;
	if (TargetName.IsNone())
	{
		TargetName = MakeUniqueObjectName(TargetOuter, GetClass());
	}

	UObject* Existing = StaticFindObjectFast(nullptr, TargetOuter, TargetName);
	if (Existing != nullptr && Existing != this)
	{
		if (InName != nullptr)
		{
			// The name is taken where the object would go.
			return false;
		}
		TargetName = MakeUniqueObjectName(TargetOuter, GetClass(), OldName);
	}
	if (Flags & REN_Test)
	{
		return true;
	}
	if (!(Flags & REN_NonTransactional))
	{
		Modify(!(Flags & REN_DoNotDirty));
	}
	LowLevelRename(TargetName, TargetOuter);
	if (!(Flags & REN_DoNotDirty))
	{
		MarkPackageDirty();
	}
	PostRename(OldOuter, OldName);
	return true;
}

bool UObject::CanModify() const
{
	return !HasAnyFlags(RF_NeedInitialization | RF_BeginDestroyed) && !IsGarbage();
}

bool UObject::Modify(bool bAlwaysMarkDirty)
{
	bool bRecorded = false;
	if (CanModify())
	{
		if (HasAnyFlags(RF_Transactional) && HostTransactions::IsActive())
		{
			bRecorded = HostTransactions::RecordObject(this);
		}
		if (bAlwaysMarkDirty)
		{
			MarkPackageDirty();
		}
	}
	return bRecorded;
}

#if WITH_EDITOR
void UObject::PreEditChange(FProperty* PropertyAboutToChange)
{
	Modify();
}

void UObject::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
}

void UObject::PreEditUndo()
{
	PreEditChange(nullptr);
}

void UObject::PostEditUndo()
{
}
#endif

UObject* UObject::GetArchetype() const
{
	if (HasAnyFlags(RF_ClassDefaultObject))
	{
		UClass* Super = GetClass()->GetSuperClass();
		return Super ? Super->GetDefaultObject() : nullptr;
	}
	return GetClass()->GetDefaultObject();
}

bool UObject::ConditionalBeginDestroy()
{
	if (HasAnyFlags(RF_BeginDestroyed))
	{
		return false;
	}
	SetFlags(RF_BeginDestroyed);
	BeginDestroy();
	return true;
}

bool UObject::ConditionalFinishDestroy()
{
	if (HasAnyFlags(RF_FinishDestroyed))
	{
		return false;
	}
	SetFlags(RF_FinishDestroyed);
	FinishDestroy();
	return true;
}

void UObject::ConditionalPostLoad()
{
	if (HasAnyFlags(RF_NeedPostLoad))
	{
		ClearFlags(RF_NeedPostLoad);
		PostLoad();
	}
}

bool UObject::HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const
{
	return false;
}

bool UObject::TryUpdateDefaultConfigFile(const FString& SpecificFileLocation, bool bWarnIfFail)
{
	FString SectionName;
	TArray<FString> NewLines;
	if (!HostExportDefaultConfig(SectionName, NewLines))
	{
		HOST_UNIMPLEMENTED();
		return false;
	}
	const FString Filename = SpecificFileLocation.IsEmpty() ? GetDefaultConfigFilename() : SpecificFileLocation;

	// The keys this class writes are replaced; every other line of the file stays as it was.
	auto KeyOf = [](const FString& Line)
	{
		FString Key;
		FString Value;
		if (!Line.Split(TEXT("="), &Key, &Value))
		{
			return FString();
		}
		Key.TrimStartAndEndInline();
		while (!Key.IsEmpty() && (Key[0] == TEXT('+') || Key[0] == TEXT('-') || Key[0] == TEXT('.') || Key[0] == TEXT('!')))
		{
			Key.RightChopInline(1);
		}
		return Key;
	};
	TSet<FString> WrittenKeys;
	for (const FString& Line : NewLines)
	{
		WrittenKeys.Add(KeyOf(Line));
	}

	TArray<FString> OldLines;
	FFileHelper::LoadFileToStringArray(OldLines, *Filename);
	TArray<FString> Result;
	const FString Header = FString::Printf(TEXT("[%s]"), *SectionName);
	bool bInSection = false;
	bool bWroteSection = false;
	for (const FString& Line : OldLines)
	{
		const FString Trimmed = Line.TrimStartAndEnd();
		if (Trimmed.StartsWith(TEXT("[")))
		{
			if (bInSection && !bWroteSection)
			{
				Result.Append(NewLines);
				bWroteSection = true;
			}
			bInSection = Trimmed.Equals(Header, ESearchCase::IgnoreCase);
			if (bInSection && bWroteSection)
			{
				// A repeated header: its keys were merged into the first one.
				continue;
			}
			Result.Add(Line);
			continue;
		}
		if (bInSection && WrittenKeys.Contains(KeyOf(Trimmed)))
		{
			continue;
		}
		Result.Add(Line);
	}
	if (bInSection && !bWroteSection)
	{
		Result.Append(NewLines);
		bWroteSection = true;
	}
	if (!bWroteSection)
	{
		if (Result.Num() > 0 && !Result.Last().TrimStartAndEnd().IsEmpty())
		{
			Result.Add(FString());
		}
		Result.Add(Header);
		Result.Append(NewLines);
	}
	// Drop blank lines from the end so rewriting does not grow the file.
	while (Result.Num() > 0 && Result.Last().TrimStartAndEnd().IsEmpty())
	{
		Result.Pop();
	}
	const bool bSaved = FFileHelper::SaveStringArrayToFile(Result, *Filename, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM);
	if (!bSaved && bWarnIfFail)
	{
		UE_LOG(LogTemp, Warning, TEXT("Failed to update the config file %s"), *Filename);
	}
	return bSaved;
}

void UObject::UpdateDefaultConfigFile(const FString& SpecificFileLocation)
{
	TryUpdateDefaultConfigFile(SpecificFileLocation, true);
}

FString UObject::GetDefaultConfigFilename() const
{
	return FPaths::ProjectConfigDir() + TEXT("Default") + GetClass()->GetConfigName().ToString() + TEXT(".ini");
}

UObject* UObject::HostCreateDefaultSubobject(UClass* ReturnType, FName SubobjectName, bool bTransient)
{
	FObjectInitializer* Initializer = FHostObjectSystem::TopInitializer();
	checkf(Initializer != nullptr && Initializer->GetObj() == this, TEXT("CreateDefaultSubobject can only be called inside the object's constructor"));
	return Initializer->CreateDefaultSubobject(this, SubobjectName, ReturnType, ReturnType, true, bTransient);
}

// UField

UField::UField(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

UField::UField(EStaticConstructor, EObjectFlags InFlags)
	: UObject(EC_StaticConstructor, InFlags)
{
}

UField::UField(FVTableHelper& Helper)
	: UObject(Helper)
{
}

UClass* UField::GetOwnerClass() const
{
	for (const UObject* Object = this; Object != nullptr; Object = Object->GetOuter())
	{
		if (Object->IsA(UClass::StaticClass()))
		{
			return const_cast<UClass*>(static_cast<const UClass*>(Object));
		}
	}
	return nullptr;
}

void UField::HostEnsureConstructed() const
{
	if (const UClass* Class = Cast<UClass>(this))
	{
		if (!Class->HasAnyClassFlags(CLASS_Constructed))
		{
			FHostObjectSystem::Get().EnsureConstructed(Class);
		}
	}
}

#if WITH_METADATA
const TArray<TPair<FName, FString>>& UField::HostGetMetaDataPairs() const
{
	HostEnsureConstructed();
	return MetaDataPairs;
}

namespace
{
	const FString& EmptyMetaDataValue()
	{
		static const FString* Empty = new FString();
		return *Empty;
	}

	template<typename PairArray>
	const FString* FindMetaData(const PairArray& Pairs, const FName& Key)
	{
		for (const auto& Pair : Pairs)
		{
			if (Pair.Key == Key)
			{
				return &Pair.Value;
			}
		}
		return nullptr;
	}
}

bool UField::HasMetaData(const TCHAR* Key) const
{
	return HasMetaData(FName(Key));
}

bool UField::HasMetaData(const FName& Key) const
{
	HostEnsureConstructed();
	return FindMetaData(MetaDataPairs, Key) != nullptr;
}

const FString& UField::GetMetaData(const TCHAR* Key) const
{
	return GetMetaData(FName(Key));
}

const FString& UField::GetMetaData(const FName& Key) const
{
	HostEnsureConstructed();
	const FString* Found = FindMetaData(MetaDataPairs, Key);
	return Found ? *Found : EmptyMetaDataValue();
}

void UField::SetMetaData(const TCHAR* Key, const TCHAR* InValue)
{
	SetMetaData(FName(Key), InValue);
}

void UField::SetMetaData(const FName& Key, const TCHAR* InValue)
{
	for (TPair<FName, FString>& Pair : MetaDataPairs)
	{
		if (Pair.Key == Key)
		{
			Pair.Value = InValue;
			return;
		}
	}
	MetaDataPairs.Add(TPair<FName, FString>(Key, FString(InValue)));
}

void UField::RemoveMetaData(const TCHAR* Key)
{
	const FName KeyName(Key);
	for (int32 Index = 0; Index < MetaDataPairs.Num(); ++Index)
	{
		if (MetaDataPairs[Index].Key == KeyName)
		{
			MetaDataPairs.RemoveAt(Index);
			return;
		}
	}
}

// FField

bool FField::HasMetaData(const TCHAR* Key) const
{
	return HasMetaData(FName(Key));
}

bool FField::HasMetaData(const FName& Key) const
{
	return FindMetaData(MetaDataPairs, Key) != nullptr;
}

const FString& FField::GetMetaData(const TCHAR* Key) const
{
	return GetMetaData(FName(Key));
}

const FString& FField::GetMetaData(const FName& Key) const
{
	const FString* Found = FindMetaData(MetaDataPairs, Key);
	return Found ? *Found : EmptyMetaDataValue();
}

void FField::SetMetaData(const TCHAR* Key, FString&& InValue)
{
	SetMetaData(FName(Key), MoveTemp(InValue));
}

void FField::SetMetaData(const FName& Key, FString&& InValue)
{
	for (TPair<FName, FString>& Pair : MetaDataPairs)
	{
		if (Pair.Key == Key)
		{
			Pair.Value = MoveTemp(InValue);
			return;
		}
	}
	MetaDataPairs.Add(TPair<FName, FString>(Key, MoveTemp(InValue)));
}
#endif

UClass* FField::GetOwnerClass() const
{
	return Owner ? Owner->GetOwnerClass() : nullptr;
}

// UStruct

UStruct::UStruct(const FObjectInitializer& ObjectInitializer)
	: UField(ObjectInitializer)
{
}

UStruct::UStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags)
	: UField(EC_StaticConstructor, InFlags)
	, PropertiesSize(InSize)
	, MinAlignment(InAlignment)
{
}

UStruct::UStruct(FVTableHelper& Helper)
	: UField(Helper)
{
}

UStruct::~UStruct()
{
	for (FProperty* Property : OwnProperties)
	{
		delete Property;
	}
}

void UStruct::SetSuperStruct(UStruct* NewSuperStruct)
{
	SuperStruct = NewSuperStruct;
}

bool UStruct::IsChildOf(const UStruct* SomeBase) const
{
	if (SomeBase == nullptr)
	{
		return false;
	}
	for (const UStruct* Struct = this; Struct != nullptr; Struct = Struct->GetSuperStruct())
	{
		if (Struct == SomeBase)
		{
			return true;
		}
	}
	return false;
}

FTopLevelAssetPath UStruct::GetStructPathName() const
{
	const UObject* Outer = GetOuter();
	return Outer ? FTopLevelAssetPath(Outer->GetFName(), GetFName()) : FTopLevelAssetPath();
}

const TArray<FProperty*>& UStruct::HostGetOwnProperties() const
{
	HostEnsureConstructed();
	return OwnProperties;
}

void UStruct::HostAddProperty(FProperty* Property)
{
	OwnProperties.Add(Property);
}

FProperty* UStruct::FindPropertyByName(FName InName) const
{
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (It->GetFName() == InName)
		{
			return *It;
		}
	}
	return nullptr;
}

// UClass

UClass::UClass(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

UClass::UClass(FVTableHelper& Helper)
	: UStruct(Helper)
{
}

UClass::UClass(EStaticConstructor, FName InName, uint32 InSize, uint32 InAlignment, EClassFlags InClassFlags, EClassCastFlags InClassCastFlags, const TCHAR* InClassConfigName, EObjectFlags InFlags, ClassConstructorType InClassConstructor, ClassVTableHelperCtorCallerType InClassVTableHelperCtorCaller, FUObjectCppClassStaticFunctions&& InCppClassStaticFunctions)
	: UStruct(EC_StaticConstructor, (int32)InSize, (int32)InAlignment, InFlags)
	, ClassConstructor(InClassConstructor)
	, ClassVTableHelperCtorCaller(InClassVTableHelperCtorCaller)
	, ClassFlags(InClassFlags | CLASS_Native)
	, ClassCastFlags(InClassCastFlags)
	, ClassConfigName(InClassConfigName && *InClassConfigName ? FName(InClassConfigName) : FName())
{
}

FName UClass::GetConfigName() const
{
	for (const UClass* Class = this; Class != nullptr; Class = Class->GetSuperClass())
	{
		if (!Class->ClassConfigName.IsNone())
		{
			return Class->ClassConfigName;
		}
	}
	return FName();
}

FName UClass::GetDefaultObjectName() const
{
	return FName(*(FString(TEXT("Default__")) + GetName()));
}

UObject* UClass::CreateDefaultObject()
{
	if (ClassDefaultObject != nullptr)
	{
		return ClassDefaultObject;
	}
	// The super class's default object exists before this one, as in the engine.
	if (UClass* Super = GetSuperClass())
	{
		Super->GetDefaultObject();
	}
	if (ClassDefaultObject == nullptr)
	{
		checkf(ClassConstructor != nullptr, TEXT("Class %s has no constructor"), *GetName());
		FStaticConstructObjectParameters Params(this);
		Params.Outer = GetOuter();
		Params.Name = GetDefaultObjectName();
		Params.SetFlags = RF_Public | RF_ClassDefaultObject | RF_ArchetypeObject;
		StaticConstructObject_Internal(Params);
	}
	return ClassDefaultObject;
}

// UPackage

UPackage::FOnPackageDirtyStateChanged UPackage::PackageDirtyStateChangedEvent;
UPackage::FOnPackageMarkedDirty UPackage::PackageMarkedDirtyEvent;

UPackage::UPackage(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

UPackage::UPackage(FVTableHelper& Helper)
	: UObject(Helper)
{
}

void UPackage::SetDirtyFlag(bool bIsDirty)
{
	if (bDirty == bIsDirty)
	{
		return;
	}
	bDirty = bIsDirty;
	PackageDirtyStateChangedEvent.Broadcast(this);
}

// The classes of the object system itself, built without generated code.

IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UObject)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UField)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UStruct)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UClass)
IMPLEMENT_CLASS_NO_AUTO_REGISTRATION(UPackage)

namespace
{
	UClass* ConstructIntrinsicClass(FClassRegistrationInfo& Info, UClass* (*StaticClassFunc)())
	{
		if (!Info.OuterSingleton)
		{
			UClass* Class = StaticClassFunc();
			Class->ClassFlags |= CLASS_Constructed | CLASS_Native | CLASS_RequiredAPI;
			if (UClass* Super = Class->GetSuperClass())
			{
				Class->ClassFlags |= Super->ClassFlags & CLASS_Inherit;
				Class->ClassCastFlags |= Super->ClassCastFlags;
			}
#if WITH_METADATA
			Class->SetMetaData(TEXT("IncludePath"), TEXT("UObject/Object.h"));
#endif
			Info.OuterSingleton = Class;
		}
		return Info.OuterSingleton;
	}
}

UClass* Z_Construct_UClass_UObject()
{
	return ConstructIntrinsicClass(Z_Registration_Info_UClass_UObject, &UObject::StaticClass);
}

UClass* Z_Construct_UClass_UObject_NoRegister()
{
	return UObject::StaticClass();
}

COREUOBJECT_API UClass* Z_Construct_UClass_UField();
UClass* Z_Construct_UClass_UField()
{
	return ConstructIntrinsicClass(Z_Registration_Info_UClass_UField, &UField::StaticClass);
}

COREUOBJECT_API UClass* Z_Construct_UClass_UStruct();
UClass* Z_Construct_UClass_UStruct()
{
	return ConstructIntrinsicClass(Z_Registration_Info_UClass_UStruct, &UStruct::StaticClass);
}

COREUOBJECT_API UClass* Z_Construct_UClass_UClass();
UClass* Z_Construct_UClass_UClass()
{
	return ConstructIntrinsicClass(Z_Registration_Info_UClass_UClass, &UClass::StaticClass);
}

COREUOBJECT_API UClass* Z_Construct_UClass_UPackage();
UClass* Z_Construct_UClass_UPackage()
{
	return ConstructIntrinsicClass(Z_Registration_Info_UClass_UPackage, &UPackage::StaticClass);
}

template<> COREUOBJECT_API UClass* StaticClass<UObject>()
{
	return UObject::StaticClass();
}

template<> COREUOBJECT_API UClass* StaticClass<UClass>()
{
	return UClass::StaticClass();
}

template<> COREUOBJECT_API UClass* StaticClass<UPackage>()
{
	return UPackage::StaticClass();
}
