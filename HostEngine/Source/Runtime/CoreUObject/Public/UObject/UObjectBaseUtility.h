#pragma once

#include "CoreMinimal.h"
#include "UObject/UObjectBase.h"

class UPackage;

enum class EObjectFullNameFlags
{
	None = 0,
	/** Write the class as a full path name rather than its short name. */
	IncludeClassPackage = 1,
};
ENUM_CLASS_FLAGS(EObjectFullNameFlags);

/** Name, flag and outer-chain helpers every object has. */
class COREUOBJECT_API UObjectBaseUtility : public UObjectBase
{
public:
	UObjectBaseUtility() = default;
	explicit UObjectBaseUtility(EObjectFlags InFlags)
		: UObjectBase(InFlags)
	{
	}

	FORCEINLINE void SetFlags(EObjectFlags NewFlags)
	{
		SetFlagsTo(GetFlags() | NewFlags);
	}

	FORCEINLINE void ClearFlags(EObjectFlags FlagsToClear)
	{
		SetFlagsTo(GetFlags() & ~FlagsToClear);
	}

	FORCEINLINE bool HasAnyFlags(EObjectFlags FlagsToCheck) const
	{
		return (GetFlags() & FlagsToCheck) != 0;
	}

	FORCEINLINE bool HasAllFlags(EObjectFlags FlagsToCheck) const
	{
		return (GetFlags() & FlagsToCheck) == FlagsToCheck;
	}

	FORCEINLINE EObjectFlags GetMaskedFlags(EObjectFlags Mask = RF_AllFlags) const
	{
		return GetFlags() & Mask;
	}

	/** A class default object or an archetype: an object others are made from. */
	bool IsTemplate(EObjectFlags TemplateTypes = RF_ArchetypeObject | RF_ClassDefaultObject) const;

	bool HasAnyInternalFlags(EInternalObjectFlags FlagsToCheck) const;

	/** Marks the object as garbage: IsValid is false for it from now on, weak pointers read null. */
	void MarkAsGarbage();
	void ClearGarbage();
	bool IsGarbage() const;

	void AddToRoot();
	void RemoveFromRoot();
	bool IsRooted() const;

	/** The object's name as a string. */
	FString GetName() const;
	void GetName(FString& ResultString) const;
	void AppendName(FString& ResultString) const;

	/** "Outermost.[Outer:]Name", up to but not including StopOuter. */
	FString GetPathName(const UObject* StopOuter = nullptr) const;
	void GetPathName(const UObject* StopOuter, FString& ResultString) const;
	void GetPathName(const UObject* StopOuter, FStringBuilderBase& ResultString) const;

	/** "ClassName Outermost.[Outer:]Name". */
	FString GetFullName(const UObject* StopOuter = nullptr, EObjectFullNameFlags Flags = EObjectFullNameFlags::None) const;

	/** The package the object is in (its outermost object). */
	UPackage* GetPackage() const;
	UPackage* GetOutermost() const;
	UObject* GetOutermostObject() const;

	/** Sets the dirty flag of the object's package; false where that package cannot be dirtied (the transient one). */
	bool MarkPackageDirty() const;

	bool IsIn(const UObject* SomeOuter) const;
	bool IsInOuter(const UObject* SomeOuter) const;
	bool IsInPackage(const UPackage* SomePackage) const;

	/** The nearest outer of the class. */
	UObject* GetTypedOuter(UClass* Target) const;
	template<typename T>
	T* GetTypedOuter() const
	{
		return (T*)GetTypedOuter(T::StaticClass());
	}

	bool IsA(const UClass* SomeBase) const;

	template<typename OtherClassType>
	FORCEINLINE bool IsA(OtherClassType SomeBase) const
	{
		const UClass* SomeBaseClass = SomeBase;
		return IsA(SomeBaseClass);
	}

	template<class T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}
};
