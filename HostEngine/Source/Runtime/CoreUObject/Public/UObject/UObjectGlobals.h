#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"
#include "UObject/ObjectMacros.h"

class UClass;
class UObject;
class UPackage;
struct FObjectInstancingGraph;
struct FUObjectSerializeContext;
class FLinkerLoad;

#define INVALID_OBJECT (UObject*)-1

/** Parameters of one object construction. */
struct FStaticConstructObjectParameters
{
	/** The class of the object to create. */
	const UClass* Class;

	/** The object to create this object within (the Outer property for the new object will be set to the value specified here). */
	UObject* Outer;

	/** The name to give the new object; NAME_None makes a unique one. */
	FName Name;

	/** The object flags, set exactly as given. */
	EObjectFlags SetFlags = RF_NoFlags;

	EInternalObjectFlags InternalSetFlags = EInternalObjectFlags::None;

	/** Copy transient properties from the class default object as well. */
	bool bCopyTransientsFromClassDefaults = false;

	bool bAssumeTemplateIsArchetype = false;

	/** The object whose property values the new one starts from; the class default object when null. */
	UObject* Template = nullptr;

	FObjectInstancingGraph* InstanceGraph = nullptr;

	UPackage* ExternalPackage = nullptr;

	/** Called after the constructor, before the properties are initialised. */
	TFunction<void()> PropertyInitCallback;

	int32 SerialNumber = 0;

	COREUOBJECT_API explicit FStaticConstructObjectParameters(const UClass* InClass);
};

/**
 * Carries the construction of one object: the object system sets it up, the class constructor reads
 * it, and once the constructor returned it gives the properties their initial values and calls
 * PostInitProperties.
 */
class COREUOBJECT_API FObjectInitializer
{
public:
	FObjectInitializer();
	FObjectInitializer(UObject* InObj, const FStaticConstructObjectParameters& StaticConstructParams);
	~FObjectInitializer();

	FObjectInitializer(const FObjectInitializer&) = delete;
	FObjectInitializer& operator=(const FObjectInitializer&) = delete;

	/** The object under construction. */
	FORCEINLINE UObject* GetObj() const
	{
		return Obj;
	}

	/** The template the properties come from (the class default object when none was given). */
	FORCEINLINE UObject* GetArchetype() const
	{
		return ObjectArchetype;
	}

	/** The initializer of the object being constructed on this thread; aborts when there is none. */
	static FObjectInitializer& Get();

	template<class TReturnType>
	TReturnType* CreateDefaultSubobject(UObject* Outer, FName SubobjectName, bool bTransient = false) const
	{
		return static_cast<TReturnType*>(CreateDefaultSubobject(Outer, SubobjectName, TReturnType::StaticClass(), TReturnType::StaticClass(), true, bTransient));
	}

	UObject* CreateDefaultSubobject(UObject* Outer, FName SubobjectFName, const UClass* ReturnType, const UClass* ClassToCreateByDefault, bool bIsRequired = true, bool bIsTransient = false) const;

private:
	friend struct FHostObjectSystem;
	friend class UObjectBase;
	friend UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params);

	/** Gives the properties their values from the archetype and runs PostInitProperties. */
	void PostConstructInit();

	UObject* Obj = nullptr;
	UObject* ObjectArchetype = nullptr;
	const UClass* Class = nullptr;
	UObject* ObjectOuter = nullptr;
	FName Name;
	EObjectFlags Flags = RF_NoFlags;
	EInternalObjectFlags InternalFlags = EInternalObjectFlags::None;
	bool bCopyTransientsFromClassDefaults = false;
	TFunction<void()> PropertyInitCallback;
	FObjectInitializer* Previous = nullptr;
	bool bOnStack = false;
};

/** Constructs an object of the parameters' class; the worker behind NewObject. */
COREUOBJECT_API UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params);

/** Checks that a class can be instantiated by NewObject (not abstract, derived from the requested type). */
COREUOBJECT_API void HostCheckNewObjectClass(const UClass* Class, const UClass* RequestedType);

/** The package of objects that are never saved. */
COREUOBJECT_API UPackage* GetTransientPackage();

/** Finds the package of that long name, or creates it. */
COREUOBJECT_API UPackage* CreatePackage(const TCHAR* PackageName);

COREUOBJECT_API UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool ExactClass = false);
COREUOBJECT_API UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool ExactClass = false, EObjectFlags ExclusiveFlags = RF_NoFlags, EInternalObjectFlags ExclusiveInternalFlags = EInternalObjectFlags::None);
/** Finds an object in memory; the host has no packages on disk, so "loading" finds. */
COREUOBJECT_API UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = 0, void* Sandbox = nullptr, bool bAllowObjectReconciliation = true, const FLinkerLoad* InstancingContext = nullptr);
COREUOBJECT_API UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = 0, void* Sandbox = nullptr);

/** The package of that long name in memory, or null. */
COREUOBJECT_API UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName);

namespace EDuplicateMode
{
	enum Type
	{
		Normal,
		World,
		PIE
	};
}

/**
 * Makes a copy of the object in DestOuter: same class (or DestClass), the reflected property values and
 * the references it holds, with references to the source itself pointing at the copy. Then calls
 * PostDuplicate on the copy. An object of that name must not exist in the outer.
 */
COREUOBJECT_API UObject* StaticDuplicateObject(UObject const* SourceObject, UObject* DestOuter, const FName DestName = NAME_None, EObjectFlags FlagMask = RF_AllFlags, UClass* DestClass = nullptr, EDuplicateMode::Type DuplicateMode = EDuplicateMode::Normal, EInternalObjectFlags InternalFlagsMask = EInternalObjectFlags::None);

template<class T>
T* DuplicateObject(T const* SourceObject, UObject* Outer, const FName Name = NAME_None)
{
	return SourceObject != nullptr ? static_cast<T*>(StaticDuplicateObject(SourceObject, Outer, Name)) : nullptr;
}

/** A name of the form Base_N not yet used in the outer. */
COREUOBJECT_API FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName = NAME_None);

#define LOAD_None 0x00000000
#define LOAD_Quiet 0x00002000
#define LOAD_NoWarn 0x00000002

/** Creates an object of class T in the outer, with a unique name. */
template<class T>
T* NewObject(UObject* Outer = (UObject*)GetTransientPackage())
{
	FStaticConstructObjectParameters Params(T::StaticClass());
	Params.Outer = Outer;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template<class T>
T* NewObject(UObject* Outer, FName Name, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr, bool bCopyTransientsFromClassDefaults = false, FObjectInstancingGraph* InInstanceGraph = nullptr, UPackage* InExternalPackage = nullptr)
{
	FStaticConstructObjectParameters Params(T::StaticClass());
	Params.Outer = Outer;
	Params.Name = Name;
	Params.SetFlags = Flags;
	Params.Template = Template;
	Params.bCopyTransientsFromClassDefaults = bCopyTransientsFromClassDefaults;
	Params.InstanceGraph = InInstanceGraph;
	Params.ExternalPackage = InExternalPackage;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

/** Creates an object of the given class, which must be T or derive from it. */
template<class T>
T* NewObject(UObject* Outer, const UClass* Class, FName Name = NAME_None, EObjectFlags Flags = RF_NoFlags, UObject* Template = nullptr, bool bCopyTransientsFromClassDefaults = false, FObjectInstancingGraph* InInstanceGraph = nullptr, UPackage* ExternalPackage = nullptr)
{
	HostCheckNewObjectClass(Class, T::StaticClass());
	FStaticConstructObjectParameters Params(Class);
	Params.Outer = Outer;
	Params.Name = Name;
	Params.SetFlags = Flags;
	Params.Template = Template;
	Params.bCopyTransientsFromClassDefaults = bCopyTransientsFromClassDefaults;
	Params.InstanceGraph = InInstanceGraph;
	Params.ExternalPackage = ExternalPackage;
	return static_cast<T*>(StaticConstructObject_Internal(Params));
}

template<class T>
inline T* FindObject(UObject* Outer, const TCHAR* Name, bool ExactClass = false)
{
	return (T*)StaticFindObject(T::StaticClass(), Outer, Name, ExactClass);
}

template<class T>
inline T* FindObjectChecked(UObject* Outer, const TCHAR* Name, bool ExactClass = false)
{
	T* Result = FindObject<T>(Outer, Name, ExactClass);
	checkf(Result != nullptr, TEXT("Failed to find object '%s'"), Name);
	return Result;
}

template<class T>
inline T* FindObjectFast(UObject* Outer, FName Name, bool ExactClass = false, EObjectFlags ExclusiveFlags = RF_NoFlags)
{
	return (T*)StaticFindObjectFast(T::StaticClass(), Outer, Name, ExactClass, ExclusiveFlags);
}

template<class T>
inline T* LoadObject(UObject* Outer, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, void* Sandbox = nullptr, const FLinkerLoad* InstancingContext = nullptr)
{
	return (T*)StaticLoadObject(T::StaticClass(), Outer, Name, Filename, LoadFlags, Sandbox, true, InstancingContext);
}

template<class T>
inline UClass* LoadClass(UObject* Outer, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, void* Sandbox = nullptr)
{
	return StaticLoadClass(T::StaticClass(), Outer, Name, Filename, LoadFlags, Sandbox);
}

/** The class default object of T, which the class builds on first use. */
template<class T>
inline const T* GetDefault()
{
	return (const T*)T::StaticClass()->GetDefaultObject();
}

template<class T>
inline T* GetMutableDefault()
{
	return (T*)T::StaticClass()->GetDefaultObject();
}

/** Fills OutArray with objects in the outer; nested ones too unless bIncludeNestedObjects is false. */
COREUOBJECT_API void GetObjectsWithOuter(const class UObjectBase* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects = true, EObjectFlags ExclusionFlags = RF_NoFlags, EInternalObjectFlags ExclusionInternalFlags = EInternalObjectFlags::None);

struct FCppClassTypeInfoStatic;
struct FClassFunctionLinkInfo;

/** What the generated registration code hands to the object system. */
namespace UECodeGen_Private
{
	struct FPropertyParamsBase;
	struct FImplementedInterfaceParams;

	struct FMetaDataPairParam
	{
		const char* NameUTF8;
		const char* ValueUTF8;
	};

	struct FClassParams
	{
		UClass* (*ClassNoRegisterFunc)();
		const char* ClassConfigNameUTF8;
		const FCppClassTypeInfoStatic* CppClassInfo;
		UObject* (*const* DependencySingletonFuncArray)();
		const FClassFunctionLinkInfo* FunctionLinkArray;
		const FPropertyParamsBase* const* PropertyArray;
		const FImplementedInterfaceParams* ImplementedInterfaceArray;
		uint32 NumDependencySingletons : 4;
		uint32 NumFunctions : 11;
		uint32 NumProperties : 11;
		uint32 NumImplementedInterfaces : 6;
		uint32 ClassFlags;
#if WITH_METADATA
		uint16 NumMetaData;
		const FMetaDataPairParam* MetaDataArray;
#endif
	};

	struct FPackageParams
	{
		const char* NameUTF8;
		UObject* (*const* SingletonFuncArray)();
		int32 NumSingletons;
		uint32 PackageFlags;
		uint32 BodyCRC;
		uint32 DeclarationsCRC;
#if WITH_METADATA
		uint16 NumMetaData;
		const FMetaDataPairParam* MetaDataArray;
#endif
	};

	COREUOBJECT_API void ConstructUClass(UClass*& OutClass, const FClassParams& Params);
	COREUOBJECT_API void ConstructUPackage(UPackage*& OutPackage, const FPackageParams& Params);
}
