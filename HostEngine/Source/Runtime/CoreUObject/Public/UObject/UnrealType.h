#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include <memory>
#include <type_traits>

/** Base of the reflection records that are not objects. */
class COREUOBJECT_API FField
{
public:
	FField(UStruct* InOwner, FName InName)
		: Owner(InOwner)
		, NamePrivate(InName)
	{
	}
	virtual ~FField() = default;

	FField(const FField&) = delete;
	FField& operator=(const FField&) = delete;

	FName GetFName() const
	{
		return NamePrivate;
	}

	FString GetName() const
	{
		return NamePrivate.ToString();
	}

	/** The class the field is declared in. */
	UClass* GetOwnerClass() const;

	UStruct* GetOwnerStruct() const
	{
		return Owner;
	}

#if WITH_METADATA
	bool HasMetaData(const TCHAR* Key) const;
	bool HasMetaData(const FName& Key) const;
	/** The value for the key; an empty string when there is none. */
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	void SetMetaData(const TCHAR* Key, FString&& InValue);
	void SetMetaData(const FName& Key, FString&& InValue);

	const TArray<TPair<FName, FString>>& HostGetMetaDataPairs() const
	{
		return MetaDataPairs;
	}
#endif

private:
	UStruct* Owner = nullptr;
	FName NamePrivate;
#if WITH_METADATA
	TArray<TPair<FName, FString>> MetaDataPairs;
#endif
};

/** A property's value kept apart from any object, as the undo buffer keeps an object's state. */
using FHostSavedPropertyValue = std::shared_ptr<const void>;

/**
 * A reflected member of a class. The host keeps no offsets or type objects: the header tool writes,
 * per property, a function that copies the value between two objects, one that writes it as text, and
 * two that save it apart from the object and load it back.
 */
class COREUOBJECT_API FProperty : public FField
{
public:
	using FHostCopyValueFunc = void (*)(UObject* Dest, const UObject* Source);
	using FHostValueToStringFunc = FString (*)(const UObject* Object);
	using FHostValueFromStringFunc = bool (*)(UObject* Object, const FString& Text);
	using FHostSaveValueFunc = FHostSavedPropertyValue (*)(const UObject* Object);
	using FHostLoadValueFunc = void (*)(UObject* Object, const FHostSavedPropertyValue& Saved);

	FProperty(UStruct* InOwner, FName InName, EPropertyFlags InFlags, FHostCopyValueFunc InCopy, FHostValueToStringFunc InToString, FHostSaveValueFunc InSave, FHostLoadValueFunc InLoad, const TCHAR* InCppType, FHostValueFromStringFunc InFromString = nullptr)
		: FField(InOwner, InName)
		, PropertyFlags(InFlags)
		, CopyValue(InCopy)
		, ValueToString(InToString)
		, SaveValue(InSave)
		, LoadValue(InLoad)
		, ValueFromString(InFromString)
		, CppType(InCppType)
	{
	}

	EPropertyFlags PropertyFlags = CPF_None;

	FORCEINLINE EPropertyFlags GetPropertyFlags() const
	{
		return PropertyFlags;
	}

	FORCEINLINE bool HasAnyPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) != 0;
	}

	FORCEINLINE bool HasAllPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) == FlagsToCheck;
	}

	/** The property's C++ type as declared ("TArray<FSoftObjectPath>"). */
	const FString& GetCPPType() const
	{
		return CppType;
	}

	/** Copies this property's value from Source into Dest (both objects of the owner class or below). */
	void HostCopyValue(UObject* Dest, const UObject* Source) const
	{
		CopyValue(Dest, Source);
	}

	/** The value as the details panel shows it. */
	FString HostGetValueString(const UObject* Object) const
	{
		return ValueToString(Object);
	}

	/**
	 * Sets the value from its text form, as the config system and the settings editor do; false (value
	 * unchanged) for text the type does not accept, or a type the host cannot read from text.
	 */
	bool HostSetValueFromString(UObject* Object, const FString& Text) const
	{
		return ValueFromString != nullptr && ValueFromString(Object, Text);
	}

	/** A copy of the object's value that outlives later changes of the object. */
	FHostSavedPropertyValue HostSaveValue(const UObject* Object) const
	{
		return SaveValue(Object);
	}

	/** Sets the object's value to one that HostSaveValue of this property gave. */
	void HostLoadValue(UObject* Object, const FHostSavedPropertyValue& Saved) const
	{
		LoadValue(Object, Saved);
	}

private:
	FHostCopyValueFunc CopyValue = nullptr;
	FHostValueToStringFunc ValueToString = nullptr;
	FHostSaveValueFunc SaveValue = nullptr;
	FHostLoadValueFunc LoadValue = nullptr;
	FHostValueFromStringFunc ValueFromString = nullptr;
	FString CppType;
};

namespace EFieldIteratorFlags
{
	enum SuperClassFlags
	{
		ExcludeSuper = 0,
		IncludeSuper
	};
}

/** Walks the properties of a struct: its own first, then (by default) those of each super type. */
template<class T>
class TFieldIterator
{
public:
	explicit TFieldIterator(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper)
		: Struct(InStruct)
		, bIncludeSuper(InSuperClassFlags == EFieldIteratorFlags::IncludeSuper)
	{
		SkipEmpty();
	}

	explicit operator bool() const
	{
		return Struct != nullptr;
	}

	bool operator!() const
	{
		return Struct == nullptr;
	}

	void operator++()
	{
		++Index;
		SkipEmpty();
	}

	T* operator*() const
	{
		return Struct->HostGetOwnProperties()[Index];
	}

	T* operator->() const
	{
		return **this;
	}

private:
	void SkipEmpty()
	{
		while (Struct && Index >= Struct->HostGetOwnProperties().Num())
		{
			Struct = bIncludeSuper ? Struct->GetSuperStruct() : nullptr;
			Index = 0;
		}
	}

	const UStruct* Struct;
	int32 Index = 0;
	bool bIncludeSuper;
};

namespace EPropertyChangeType
{
	typedef uint32 Type;

	const Type Unspecified = 1 << 0;
	const Type ArrayAdd = 1 << 1;
	const Type ArrayRemove = 1 << 2;
	const Type ArrayClear = 1 << 3;
	const Type ValueSet = 1 << 4;
	const Type Duplicate = 1 << 5;
	const Type Interactive = 1 << 6;
	const Type Redirected = 1 << 7;
	const Type ArrayMove = 1 << 8;
	const Type ToggleEditable = 1 << 9;
}

/** Describes a change made to a property through the editor. */
struct FPropertyChangedEvent
{
	FPropertyChangedEvent(FProperty* InProperty, EPropertyChangeType::Type InChangeType = EPropertyChangeType::Unspecified)
		: Property(InProperty)
		, MemberProperty(InProperty)
		, ChangeType(InChangeType)
	{
	}

	FName GetPropertyName() const
	{
		return Property ? Property->GetFName() : NAME_None;
	}

	FName GetMemberPropertyName() const
	{
		return MemberProperty ? MemberProperty->GetFName() : NAME_None;
	}

	/** The property that changed (null when the whole object did). */
	FProperty* Property;
	/** The member of the object whose value changed. */
	FProperty* MemberProperty;
	EPropertyChangeType::Type ChangeType;
	int32 ObjectIteratorIndex = 0;
};

namespace UECodeGen_Private
{
	/**
	 * The host's property record as the header tool writes it: name, flags, metadata, and the
	 * functions that copy, show, save and load the value.
	 */
	struct FPropertyParamsBase
	{
		const char* NameUTF8;
		const char* CppTypeUTF8;
		EPropertyFlags PropertyFlags;
		FProperty::FHostCopyValueFunc CopyValue;
		FProperty::FHostValueToStringFunc ValueToString;
		FProperty::FHostSaveValueFunc SaveValue;
		FProperty::FHostLoadValueFunc LoadValue;
		FProperty::FHostValueFromStringFunc ValueFromString;
#if WITH_METADATA
		uint16 NumMetaData;
		const FMetaDataPairParam* MetaDataArray;
#endif
	};
}
