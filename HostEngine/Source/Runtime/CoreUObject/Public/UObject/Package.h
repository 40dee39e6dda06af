#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

/** An outermost object: the unit assets are saved in. Its name is the long package name ("/Game/A/B"). */
class COREUOBJECT_API UPackage : public UObject
{
	DECLARE_CLASS(UPackage, UObject, 0, CASTCLASS_UPackage, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DECLARE_SERIALIZER(UPackage)

	static void StaticRegisterNativesUPackage()
	{
	}
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UPackage)
	DEFINE_VTABLE_PTR_HELPER_CTOR_CALLER_DUMMY()

	UPackage(const FObjectInitializer& ObjectInitializer);
	UPackage(FVTableHelper& Helper);

	/** Broadcast whenever a package's dirty flag changes. */
	DECLARE_MULTICAST_DELEGATE_OneParam(FOnPackageDirtyStateChanged, class UPackage*);
	static FOnPackageDirtyStateChanged PackageDirtyStateChangedEvent;

	/** Broadcast when a package is marked dirty: the package and whether it was dirty before. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnPackageMarkedDirty, class UPackage*, bool);
	static FOnPackageMarkedDirty PackageMarkedDirtyEvent;

	void SetDirtyFlag(bool bIsDirty);

	bool IsDirty() const
	{
		return bDirty;
	}

	void SetPackageFlags(uint32 NewFlags)
	{
		PackageFlagsPrivate |= NewFlags;
	}

	void ClearPackageFlags(uint32 NewFlags)
	{
		PackageFlagsPrivate &= ~NewFlags;
	}

	void SetPackageFlagsTo(uint32 NewFlags)
	{
		PackageFlagsPrivate = NewFlags;
	}

	bool HasAnyPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlagsPrivate & FlagsToCheck) != 0;
	}

	bool HasAllPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlagsPrivate & FlagsToCheck) == FlagsToCheck;
	}

	uint32 GetPackageFlags() const
	{
		return PackageFlagsPrivate;
	}

	/** Whether the package holds a map. */
	bool ContainsMap() const
	{
		return HasAnyPackageFlags(PKG_ContainsMap);
	}

	void FullyLoad()
	{
	}

	bool IsFullyLoaded() const
	{
		return true;
	}

	virtual bool IsAsset() const override
	{
		return false;
	}

private:
	uint32 PackageFlagsPrivate = PKG_None;
	bool bDirty = false;
};
