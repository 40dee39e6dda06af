#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/TopLevelAssetPath.h"
#include "UObject/ReflectedTypeAccessors.h"

class FProperty;
class UFunction;

/** Base of the reflection objects: carries the metadata pairs of the type. */
class COREUOBJECT_API UField : public UObject
{
	DECLARE_CLASS(UField, UObject, CLASS_Abstract, CASTCLASS_UField, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DECLARE_SERIALIZER(UField)

	static void StaticRegisterNativesUField()
	{
	}
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UField)
	DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER_DUMMY()

	UField(const FObjectInitializer& ObjectInitializer);
	UField(EStaticConstructor, EObjectFlags InFlags);
	UField(FVTableHelper& Helper);

	/** The class this field is, or is in. */
	UClass* GetOwnerClass() const;

#if WITH_METADATA
	bool HasMetaData(const TCHAR* Key) const;
	bool HasMetaData(const FName& Key) const;
	/** The value for the key; an empty string when there is none. */
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	void SetMetaData(const TCHAR* Key, const TCHAR* InValue);
	void SetMetaData(const FName& Key, const TCHAR* InValue);
	void RemoveMetaData(const TCHAR* Key);

	/** Every pair, in the order they were set (the host's view for tests). */
	const TArray<TPair<FName, FString>>& HostGetMetaDataPairs() const;
#endif

protected:
	/** A compiled-in class gets its metadata and properties when it is fully built; this builds it. */
	void HostEnsureConstructed() const;

private:
#if WITH_METADATA
	TArray<TPair<FName, FString>> MetaDataPairs;
#endif
};

/** A reflected type with a super type and properties. */
class COREUOBJECT_API UStruct : public UField
{
	DECLARE_CLASS(UStruct, UField, CLASS_MatchedSerializers | CLASS_Intrinsic, CASTCLASS_UStruct, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DECLARE_SERIALIZER(UStruct)

	static void StaticRegisterNativesUStruct()
	{
	}
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UStruct)
	DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER_DUMMY()

	UStruct(const FObjectInitializer& ObjectInitializer);
	UStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags);
	UStruct(FVTableHelper& Helper);
	virtual ~UStruct();

	FORCEINLINE UStruct* GetSuperStruct() const
	{
		return SuperStruct;
	}

	virtual void SetSuperStruct(UStruct* NewSuperStruct);

	/** Whether this is SomeBase or derives from it. */
	bool IsChildOf(const UStruct* SomeBase) const;

	template<class T>
	bool IsChildOf() const
	{
		return IsChildOf(T::StaticClass());
	}

	/** "/Script/Module.Name" for native types. */
	FTopLevelAssetPath GetStructPathName() const;

	FORCEINLINE int32 GetPropertiesSize() const
	{
		return PropertiesSize;
	}

	FORCEINLINE int32 GetMinAlignment() const
	{
		return MinAlignment;
	}

	/** Properties declared by this type itself, in declaration order (the host's reflection records). */
	const TArray<FProperty*>& HostGetOwnProperties() const;

	/** Takes ownership of a property record. */
	void HostAddProperty(FProperty* Property);

	/** Finds a property of this type or of a super type by name. */
	FProperty* FindPropertyByName(FName InName) const;

protected:
	UStruct* SuperStruct = nullptr;
	int32 PropertiesSize = 0;
	int32 MinAlignment = 1;
	TArray<FProperty*> OwnProperties;
};

/** Static type information generated for every class. */
struct FCppClassTypeInfoStatic
{
	bool bIsAbstract;
};

template<typename T>
struct TCppClassTypeTraits
{
	enum
	{
		IsAbstract = std::is_abstract_v<T>
	};
};

struct FClassFunctionLinkInfo
{
	UFunction* (*CreateFuncPtr)();
	const char* FuncNameUTF8;
};

/** An object class: how to construct its instances and its default object. */
class COREUOBJECT_API UClass : public UStruct
{
	friend struct FHostObjectSystem;

	DECLARE_CLASS(UClass, UStruct, 0, CASTCLASS_UClass, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DECLARE_SERIALIZER(UClass)

	typedef void (*ClassConstructorType)(const FObjectInitializer&);
	typedef UObject* (*ClassVTableHelperCtorCallerType)(FVTableHelper& Helper);
	typedef UClass* (*StaticClassFunctionType)();

	static void StaticRegisterNativesUClass()
	{
	}
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UClass)
	DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER_DUMMY()

	UClass(const FObjectInitializer& ObjectInitializer);
	UClass(FVTableHelper& Helper);
	UClass(EStaticConstructor, FName InName, uint32 InSize, uint32 InAlignment, EClassFlags InClassFlags, EClassCastFlags InClassCastFlags, const TCHAR* InClassConfigName, EObjectFlags InFlags, ClassConstructorType InClassConstructor, ClassVTableHelperCtorCallerType InClassVTableHelperCtorCaller, FUObjectCppClassStaticFunctions&& InCppClassStaticFunctions);

	ClassConstructorType ClassConstructor = nullptr;
	ClassVTableHelperCtorCallerType ClassVTableHelperCtorCaller = nullptr;

	/** Class flags; inherited ones come from the super class when the class is linked. */
	EClassFlags ClassFlags = CLASS_None;
	EClassCastFlags ClassCastFlags = CASTCLASS_None;

	/** The class objects of this class must be within. */
	UClass* ClassWithin = nullptr;

	/** Which config file the class's config properties go to; NAME_None inherits the super class's. */
	FName ClassConfigName;

	FORCEINLINE UClass* GetSuperClass() const
	{
		return (UClass*)GetSuperStruct();
	}

	FORCEINLINE EClassFlags GetClassFlags() const
	{
		return ClassFlags;
	}

	FORCEINLINE bool HasAnyClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) != 0;
	}

	FORCEINLINE bool HasAllClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) == FlagsToCheck;
	}

	FORCEINLINE bool HasAnyCastFlag(EClassCastFlags FlagToCheck) const
	{
		return (ClassCastFlags & FlagToCheck) != 0;
	}

	/** The config name in force: the class's own or, when it has none, the nearest super class's. */
	FName GetConfigName() const;

	FTopLevelAssetPath GetClassPathName() const
	{
		return GetStructPathName();
	}

	/** The class default object, built by the class constructor on first request. */
	UObject* GetDefaultObject(bool bCreateIfNeeded = true) const
	{
		if (ClassDefaultObject == nullptr && bCreateIfNeeded)
		{
			const_cast<UClass*>(this)->CreateDefaultObject();
		}
		return ClassDefaultObject;
	}

	template<class T>
	T* GetDefaultObject() const
	{
		UObject* Ret = GetDefaultObject();
		check(Ret->IsA(T::StaticClass()));
		return (T*)Ret;
	}

	FName GetDefaultObjectName() const;

	UClass* GetAuthoritativeClass()
	{
		return this;
	}

	bool IsNative() const
	{
		return HasAnyClassFlags(CLASS_Native);
	}

	/** The host forgets a class default object it destroyed. */
	void HostForgetDefaultObject()
	{
		ClassDefaultObject = nullptr;
	}

protected:
	UObject* CreateDefaultObject();

	UObject* ClassDefaultObject = nullptr;
};

template<class T>
void InternalConstructor(const FObjectInitializer& X)
{
	T::__DefaultConstructor(X);
}

template<class T>
UObject* InternalVTableHelperCtorCaller(FVTableHelper& Helper)
{
	return T::__VTableCtorCaller(Helper);
}

/** Builds the class object of a compiled-in class (its intrinsic part; ConstructUClass adds the rest). */
COREUOBJECT_API void GetPrivateStaticClassBody(
	const TCHAR* PackageName,
	const TCHAR* Name,
	UClass*& ReturnClass,
	void (*RegisterNativeFunc)(),
	uint32 InSize,
	uint32 InAlignment,
	EClassFlags InClassFlags,
	EClassCastFlags InClassCastFlags,
	const TCHAR* InConfigName,
	UClass::ClassConstructorType InClassConstructor,
	UClass::ClassVTableHelperCtorCallerType InClassVTableHelperCtorCaller,
	FUObjectCppClassStaticFunctions&& InCppClassStaticFunctions,
	UClass::StaticClassFunctionType InSuperClassFn,
	UClass::StaticClassFunctionType InWithinClassFn);

template<class T>
T* GetMutableDefault(UClass* Class)
{
	check(Class->GetDefaultObject()->IsA(T::StaticClass()));
	return (T*)Class->GetDefaultObject();
}

template<class T>
const T* GetDefault(UClass* Class)
{
	check(Class->GetDefaultObject()->IsA(T::StaticClass()));
	return (const T*)Class->GetDefaultObject();
}
