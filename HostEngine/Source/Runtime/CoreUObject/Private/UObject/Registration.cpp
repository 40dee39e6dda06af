#include "HostObjectSystem.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include <dlfcn.h>

namespace
{
	FString FromUTF8(const char* Text)
	{
		return FString((const UTF8CHAR*)Text);
	}

	/** Whether a registration record still lies in a loaded library (one may have been unloaded since). */
	bool IsAddressLoaded(const void* Address)
	{
		Dl_info Info;
		return dladdr(Address, &Info) != 0;
	}
}

void RegisterCompiledInInfo(UClass* (*InOuterRegister)(), UClass* (*InInnerRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FClassRegistrationInfo& InInfo, const FClassReloadVersionInfo& InVersionInfo)
{
	FHostObjectSystem& System = FHostObjectSystem::Get();
	FHostObjectSystem::FClassRecord Record;
	Record.OuterRegister = InOuterRegister;
	Record.InnerRegister = InInnerRegister;
	Record.PackageName = InPackageName;
	Record.Name = InName;
	Record.Info = &InInfo;
	Record.VersionInfo = InVersionInfo;
	InInfo.ReloadVersionInfo = InVersionInfo;
	System.ClassRecords.push_back(Record);
	System.bHasPendingClassRecords = true;
}

void RegisterCompiledInInfo(UPackage* (*InOuterRegister)(), const TCHAR* InPackageName, FPackageRegistrationInfo& InInfo, const FPackageReloadVersionInfo& InVersionInfo)
{
	FHostObjectSystem::FPackageRecord Record;
	Record.OuterRegister = InOuterRegister;
	Record.PackageName = InPackageName;
	Record.Info = &InInfo;
	Record.VersionInfo = InVersionInfo;
	InInfo.ReloadVersionInfo = InVersionInfo;
	FHostObjectSystem::Get().PackageRecords.push_back(Record);
}

void RegisterCompiledInInfo(UScriptStruct* (*InOuterRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FStructRegistrationInfo& InInfo, const FStructReloadVersionInfo& InVersionInfo)
{
	HOST_UNIMPLEMENTED();
}

void RegisterCompiledInInfo(UEnum* (*InOuterRegister)(), const TCHAR* InPackageName, const TCHAR* InName, FEnumRegistrationInfo& InInfo, const FEnumReloadVersionInfo& InVersionInfo)
{
	HOST_UNIMPLEMENTED();
}

void RegisterCompiledInInfo(const TCHAR* PackageName, const FClassRegisterCompiledInInfo* ClassInfo, size_t NumClassInfo, const FStructRegisterCompiledInInfo* StructInfo, size_t NumStructInfo, const FEnumRegisterCompiledInInfo* EnumInfo, size_t NumEnumInfo)
{
	for (size_t Index = 0; Index < NumClassInfo; ++Index)
	{
		const FClassRegisterCompiledInInfo& Info = ClassInfo[Index];
		RegisterCompiledInInfo(Info.OuterRegister, Info.InnerRegister, PackageName, Info.Name, *Info.Info, Info.VersionInfo);
	}
	for (size_t Index = 0; Index < NumStructInfo; ++Index)
	{
		const FStructRegisterCompiledInInfo& Info = StructInfo[Index];
		RegisterCompiledInInfo(Info.OuterRegister, PackageName, Info.Name, *Info.Info, Info.VersionInfo);
	}
	for (size_t Index = 0; Index < NumEnumInfo; ++Index)
	{
		const FEnumRegisterCompiledInInfo& Info = EnumInfo[Index];
		RegisterCompiledInInfo(Info.OuterRegister, PackageName, Info.Name, *Info.Info, Info.VersionInfo);
	}
}

void FHostObjectSystem::ConstructPendingClasses()
{
	if (!bHasPendingClassRecords)
	{
		return;
	}
	bHasPendingClassRecords = false;
	// By index: building a class never registers another, but keep it safe if one does.
	for (size_t Index = 0; Index < ClassRecords.size(); ++Index)
	{
		const FClassRecord Record = ClassRecords[Index];
		if (Record.Info->OuterSingleton == nullptr && IsAddressLoaded(Record.Info))
		{
			Record.OuterRegister();
		}
	}
}

void FHostObjectSystem::EnsureConstructed(const UClass* Class)
{
	for (const UClass* Current = Class; Current != nullptr; Current = Current->GetSuperClass())
	{
		if (Current->HasAnyClassFlags(CLASS_Constructed))
		{
			continue;
		}
		for (size_t Index = 0; Index < ClassRecords.size(); ++Index)
		{
			const FClassRecord Record = ClassRecords[Index];
			if (Record.Info->InnerSingleton == Current && IsAddressLoaded(Record.Info))
			{
				Record.OuterRegister();
				break;
			}
		}
	}
}

void GetPrivateStaticClassBody(
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
	UClass::StaticClassFunctionType InWithinClassFn)
{
	void* Memory = HostAllocateObjectMemory(sizeof(UClass), alignof(UClass));
	// Set before anything else, so that the class's own StaticClass (reached again while it is
	// linked, e.g. for UClass itself) returns it rather than building a second one.
	ReturnClass = new ((EInternal*)Memory) UClass(EC_StaticConstructor, FName(Name), InSize, InAlignment, InClassFlags, InClassCastFlags, InConfigName,
		RF_Public | RF_Standalone | RF_Transient | RF_MarkAsNative | RF_MarkAsRootSet, InClassConstructor, InClassVTableHelperCtorCaller, MoveTemp(InCppClassStaticFunctions));
	UClass* NewClass = ReturnClass;

	UClass* SuperClass = InSuperClassFn();
	NewClass->SetSuperStruct(SuperClass != NewClass ? SuperClass : nullptr);
	UClass* WithinClass = InWithinClassFn();
	NewClass->ClassWithin = WithinClass;

	UPackage* Package = CreatePackage(PackageName);
	Package->SetPackageFlags(PKG_CompiledIn);
	FHostObjectSystem& System = FHostObjectSystem::Get();
	if (UObject* Previous = System.FindFast(UClass::StaticClass(), Package, FName(Name), false))
	{
		// The library was loaded again: the old class stays in memory but can no longer be found.
		UClass* PreviousClass = static_cast<UClass*>(Previous);
		PreviousClass->ClassFlags |= CLASS_NewerVersionExists;
		FHostObjectSystem::SetObjectName(PreviousClass, MakeUniqueObjectName(Package, UClass::StaticClass(), FName(*(FString(TEXT("REINST_")) + Name))), Package);
	}
	if (FString(PackageName) == TEXT("/Script/CoreUObject"))
	{
		// The object system's own classes have no generated parts to build later.
		NewClass->ClassFlags |= CLASS_Constructed;
	}
	FHostObjectSystem::SetObjectClass(NewClass, UClass::StaticClass());
	FHostObjectSystem::SetObjectName(NewClass, FName(Name), Package);
	System.Classes.push_back(NewClass);
	if (RegisterNativeFunc)
	{
		RegisterNativeFunc();
	}
}

namespace UECodeGen_Private
{
	void ConstructUClass(UClass*& OutClass, const FClassParams& Params)
	{
		if (OutClass && OutClass->HasAnyClassFlags(CLASS_Constructed))
		{
			return;
		}
		for (uint32 Index = 0; Index < Params.NumDependencySingletons; ++Index)
		{
			Params.DependencySingletonFuncArray[Index]();
		}
		UClass* NewClass = Params.ClassNoRegisterFunc();
		OutClass = NewClass;
		if (NewClass->HasAnyClassFlags(CLASS_Constructed))
		{
			return;
		}

		NewClass->ClassFlags |= (EClassFlags)(Params.ClassFlags | CLASS_Constructed);
		if (UClass* Super = NewClass->GetSuperClass())
		{
			NewClass->ClassFlags |= (Super->ClassFlags & CLASS_Inherit);
			NewClass->ClassCastFlags |= Super->ClassCastFlags;
		}
		if (Params.ClassConfigNameUTF8)
		{
			NewClass->ClassConfigName = FName(*FromUTF8(Params.ClassConfigNameUTF8));
		}
#if WITH_METADATA
		for (uint16 Index = 0; Index < Params.NumMetaData; ++Index)
		{
			const FMetaDataPairParam& Pair = Params.MetaDataArray[Index];
			NewClass->SetMetaData(*FromUTF8(Pair.NameUTF8), *FromUTF8(Pair.ValueUTF8));
		}
#endif
		for (uint32 Index = 0; Index < Params.NumProperties; ++Index)
		{
			const FPropertyParamsBase& PropertyParams = *Params.PropertyArray[Index];
			FProperty* Property = new FProperty(NewClass, FName(*FromUTF8(PropertyParams.NameUTF8)), PropertyParams.PropertyFlags,
				PropertyParams.CopyValue, PropertyParams.ValueToString, PropertyParams.SaveValue, PropertyParams.LoadValue, *FromUTF8(PropertyParams.CppTypeUTF8), PropertyParams.ValueFromString);
#if WITH_METADATA
			for (uint16 MetaIndex = 0; MetaIndex < PropertyParams.NumMetaData; ++MetaIndex)
			{
				const FMetaDataPairParam& Pair = PropertyParams.MetaDataArray[MetaIndex];
				Property->SetMetaData(*FromUTF8(Pair.NameUTF8), FromUTF8(Pair.ValueUTF8));
			}
#endif
			NewClass->HostAddProperty(Property);
		}
	}

	void ConstructUPackage(UPackage*& OutPackage, const FPackageParams& Params)
	{
		if (OutPackage)
		{
			return;
		}
		for (int32 Index = 0; Index < Params.NumSingletons; ++Index)
		{
			Params.SingletonFuncArray[Index]();
		}
		UPackage* Package = CreatePackage(*FromUTF8(Params.NameUTF8));
		Package->SetPackageFlags(Params.PackageFlags);
		Package->ClearPackageFlags(PKG_NewlyCreated);
		OutPackage = Package;
	}
}
