#include "UObject/UObjectGlobals.h"

#include "HostHeldReferences.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	if (PackageName == nullptr || *PackageName == 0)
	{
		return nullptr;
	}
	return static_cast<UPackage*>(StaticFindObjectFast(UPackage::StaticClass(), InOuter, FName(PackageName)));
}

UObject* StaticDuplicateObject(UObject const* SourceObject, UObject* DestOuter, const FName DestName, EObjectFlags FlagMask, UClass* DestClass, EDuplicateMode::Type DuplicateMode, EInternalObjectFlags InternalFlagsMask)
{
	checkf(SourceObject != nullptr, TEXT("StaticDuplicateObject: null source object"));
	UClass* const Class = DestClass != nullptr ? DestClass : SourceObject->GetClass();
	const FName Name = DestName.IsNone() ? MakeUniqueObjectName(DestOuter, Class, SourceObject->GetFName()) : DestName;
	checkf(StaticFindObjectFast(nullptr, DestOuter, Name) == nullptr, TEXT("StaticDuplicateObject: %s already exists in %s"), *Name.ToString(), DestOuter != nullptr ? *DestOuter->GetPathName() : TEXT("(none)"));

	const EObjectFlags Flags = SourceObject->GetMaskedFlags(FlagMask) & (RF_Public | RF_Standalone | RF_Transactional);
	UObject* const Duplicate = NewObject<UObject>(DestOuter, Class, Name, Flags);

	for (TFieldIterator<FProperty> It(Class); It; ++It)
	{
		if (SourceObject->GetClass()->IsChildOf(It->GetOwnerStruct()))
		{
			It->HostCopyValue(Duplicate, SourceObject);
		}
	}

	if (const FHostHeldReferences* Source = FHostHeldReferences::Find(SourceObject))
	{
		FHostHeldReferences Copy = *Source;
		const FSoftObjectPath SourcePath(SourceObject);
		const FSoftObjectPath DuplicatePath(Duplicate);
		for (TWeakObjectPtr<UObject>& Reference : Copy.Hard)
		{
			if (Reference.Get() == SourceObject)
			{
				Reference = Duplicate;
			}
		}
		for (FSoftObjectPath& Reference : Copy.Soft)
		{
			if (Reference == SourcePath)
			{
				Reference = DuplicatePath;
			}
		}
		FHostHeldReferences::FindOrAdd(Duplicate) = MoveTemp(Copy);
	}

	Duplicate->PostDuplicate(DuplicateMode == EDuplicateMode::PIE);
	return Duplicate;
}
