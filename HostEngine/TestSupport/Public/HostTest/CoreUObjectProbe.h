#pragma once

// What tests can observe of, and do to, the host's object system.

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UClass;
class UObject;

namespace HostTest
{
	/** A compiled-in class as the library handed it over while loading. */
	struct FCompiledInClassRecord
	{
		FString PackageName;
		/** The C++ class name ("UJ5PackageFactory"). */
		FString Name;
		/** Whether its class object has been built yet (by StaticClass or its construct function). */
		bool bClassConstructed = false;
		/** Whether it has been fully built (metadata and properties; ConstructUClass ran). */
		bool bFullyConstructed = false;
		SIZE_T Size = 0;
		uint32 Hash = 0;
	};

	struct FCompiledInPackageRecord
	{
		FString PackageName;
		bool bConstructed = false;
		uint32 BodyHash = 0;
		uint32 DeclarationsHash = 0;
	};

	/** Compiled-in classes of a script package ("/Script/Engine"), in registration order; all packages when empty. */
	COREUOBJECT_API TArray<FCompiledInClassRecord> GetCompiledInClasses(const FString& PackageName = FString());
	COREUOBJECT_API TArray<FCompiledInPackageRecord> GetCompiledInPackages();

	/** The class's metadata pairs, in the order they were set. */
	COREUOBJECT_API TArray<TPair<FString, FString>> GetClassMetaData(const UClass* Class);

	/** One reflected property of a class, with the value it has in an object. */
	struct FPropertyRecord
	{
		FName Name;
		/** The class that declares it. */
		FName OwnerClass;
		FString CppType;
		/** The property's Category metadata; empty when it has none. */
		FString Category;
		uint64 Flags = 0;
		bool bEditable = false;
		bool bReadOnly = false;
		bool bTransient = false;
		bool bConfig = false;
		bool bAdvanced = false;
		/** The value as shown, read from the object given (empty without one). */
		FString DisplayValue;
		TArray<TPair<FString, FString>> MetaData;
	};

	/** The properties of the class, super classes' first, each in declaration order; values read from Object when given. */
	COREUOBJECT_API TArray<FPropertyRecord> GetPropertyRecords(const UClass* Class, const UObject* Object = nullptr);

	/** The value of one property of the object as shown; empty when it has no such property. */
	COREUOBJECT_API FString GetPropertyDisplayValue(const UObject* Object, FName PropertyName);

	/**
	 * Destroys the object now, as deleting an asset does: objects inside it go too, weak pointers read
	 * null, the memory is freed (a pointer kept to it dangles).
	 */
	COREUOBJECT_API void DestroyObject(UObject* Object);

	/**
	 * Destroys every object made since start-up except classes, class default objects, script packages
	 * and the transient package: a fresh object world for the next test.
	 */
	COREUOBJECT_API void ResetObjects();

	/** Number of live objects (classes and defaults included). */
	COREUOBJECT_API int32 GetLiveObjectCount();

	/** Every live object whose outer chain leads to the package of that name, package first. */
	COREUOBJECT_API TArray<UObject*> GetObjectsInPackage(const FString& PackageName);

	/** One transaction as the editor's undo buffer saw it. */
	struct FTransactionRecord
	{
		FString Context;
		FString Description;
		/** The objects recorded through Modify, in order, once each. */
		TArray<TWeakObjectPtr<UObject>> Objects;
		TArray<FString> ObjectPaths;
		/** Closed normally (false: cancelled). */
		bool bCommitted = false;
	};

	/** Transactions closed or cancelled so far, oldest first. */
	COREUOBJECT_API TArray<FTransactionRecord> GetTransactionRecords();
	/** The transaction open now (empty when none is). */
	COREUOBJECT_API FTransactionRecord GetOpenTransaction();
	/** Forgets the transactions closed so far and empties the undo history. */
	COREUOBJECT_API void ClearTransactionRecords();

	/** The editor's undo history: the committed transactions that recorded something, oldest first. */
	struct FUndoHistory
	{
		TArray<FTransactionRecord> Transactions;
		/** How many of the last transactions are undone, and so can be redone. */
		int32 NumUndone = 0;
	};
	COREUOBJECT_API FUndoHistory GetUndoHistory();

	/**
	 * Undoes the latest transaction not undone yet, as the editor's Undo does (UEditorEngine::UndoTransaction):
	 * each recorded object gets the state it had when first modified, then PostEditUndo. False when there is
	 * nothing to undo or a transaction is open.
	 */
	COREUOBJECT_API bool UndoTransaction();
	/** Redoes the earliest undone transaction; false when there is none or a transaction is open. */
	COREUOBJECT_API bool RedoTransaction();

	/**
	 * Sets the references an asset holds, standing for its saved property data: hard ones to objects,
	 * soft ones as paths. Archives see them through UObject::Serialize, and the registry records them as
	 * the package's dependencies when the package is saved and scanned.
	 */
	COREUOBJECT_API void SetObjectReferences(UObject* Object, const TArray<UObject*>& HardReferences, const TArray<FSoftObjectPath>& SoftReferences);
	/** The hard references the object holds (null where the target is gone). */
	COREUOBJECT_API TArray<UObject*> GetHardReferences(const UObject* Object);
	COREUOBJECT_API TArray<FSoftObjectPath> GetSoftReferences(const UObject* Object);

	/** Maps a content root ("/Game/") to a directory, for package file names. */
	COREUOBJECT_API void SetContentRoot(const FString& RootPath, const FString& Directory);
}
