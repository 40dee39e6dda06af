#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UObject/UObjectBaseUtility.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/ObjectPtr.h"

class FArchive;
class FProperty;
class UWorld;
struct FPropertyChangedEvent;
struct FObjectInstancingGraph;

COREUOBJECT_API UClass* Z_Construct_UClass_UObject();
COREUOBJECT_API UClass* Z_Construct_UClass_UObject_NoRegister();

/** The base class of every reflected object. */
class COREUOBJECT_API UObject : public UObjectBaseUtility
{
	DECLARE_CLASS(UObject, UObject, CLASS_Abstract | CLASS_Native | CLASS_MatchedSerializers | CLASS_RequiredAPI, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)

	typedef UObject WithinClass;
	static const TCHAR* StaticConfigName()
	{
		return TEXT("Engine");
	}
	static void StaticRegisterNativesUObject()
	{
	}

	static void __DefaultConstructor(const FObjectInitializer& X);
	static UObject* __VTableCtorCaller(FVTableHelper& Helper)
	{
		return nullptr;
	}

	UObject();
	UObject(const FObjectInitializer& ObjectInitializer);
	UObject(FVTableHelper& Helper);
	UObject(EStaticConstructor, EObjectFlags InFlags);
	virtual ~UObject();

	/** Called after the constructor and after the initial property values came from the template. */
	virtual void PostInitProperties();
	virtual void PostLoad();
	virtual void PostDuplicate(bool bDuplicateForPIE);
	/** Called after Rename changed the object's name or outer. */
	virtual void PostRename(UObject* OldOuter, const FName OldName);
	virtual void BeginDestroy();
	virtual bool IsReadyForFinishDestroy();
	virtual void FinishDestroy();
	virtual void Serialize(FArchive& Ar);
	/** Whether the object is an asset: a public, non-transient, non-default object directly in a package. */
	virtual bool IsAsset() const;
	virtual bool IsEditorOnly() const;
	virtual UWorld* GetWorld() const;
	virtual FString GetDesc();

	/**
	 * Changes the name and/or the outer of the object. A null NewName keeps the name (or makes a unique
	 * one when the outer changes and the name is taken there). REN_Test only tells whether it could.
	 */
	virtual bool Rename(const TCHAR* NewName = nullptr, UObject* NewOuter = nullptr, ERenameFlags Flags = REN_None);

	/**
	 * Notes that the object is about to change: records it in the open transaction when it is
	 * transactional, and marks its package dirty when asked. Returns whether it was recorded.
	 */
	virtual bool Modify(bool bAlwaysMarkDirty = true);
	bool CanModify() const;

#if WITH_EDITOR
	virtual void PreEditChange(FProperty* PropertyAboutToChange);
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent);
	/** Called before undo or redo restores the object; notes the change as an edit does. */
	virtual void PreEditUndo();
	/** Called after undo or redo restored the object. */
	virtual void PostEditUndo();
#endif

	/** The object the properties came from: the class default object unless it is one itself. */
	UObject* GetArchetype() const;

	bool ConditionalBeginDestroy();
	bool ConditionalFinishDestroy();
	void ConditionalPostLoad();

	/** Writes the class default object's config properties to the class's default config file. */
	bool TryUpdateDefaultConfigFile(const FString& SpecificFileLocation = TEXT(""), bool bWarnIfFail = true);
	void UpdateDefaultConfigFile(const FString& SpecificFileLocation = TEXT(""));
	FString GetDefaultConfigFilename() const;

	/**
	 * The host's stand-in for writing config properties without property text export: a config class
	 * fills the ini section name and its lines ("Key=Value", "+Key=Element" for arrays). False when the
	 * class does not provide it. Host only.
	 */
	virtual bool HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const;

	template<class TReturnType>
	TReturnType* CreateDefaultSubobject(FName SubobjectName, bool bTransient = false)
	{
		return static_cast<TReturnType*>(HostCreateDefaultSubobject(TReturnType::StaticClass(), SubobjectName, bTransient));
	}

private:
	/** The host's subobject creation behind CreateDefaultSubobject. */
	UObject* HostCreateDefaultSubobject(UClass* ReturnType, FName SubobjectName, bool bTransient);
};

/** True for a live object that is not marked as garbage. */
FORCEINLINE bool IsValid(const UObject* Test)
{
	return Test != nullptr && !Test->IsGarbage();
}

#include "UObject/Class.h"
