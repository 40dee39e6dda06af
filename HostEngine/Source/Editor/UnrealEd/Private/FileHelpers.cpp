#include "FileHelpers.h"

#include "HostTest/SavedPackageRecords.h"
#include "HostTest/UnrealEdProbe.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Serialization/ArchiveUObject.h"
#include "HAL/FileManager.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogFileHelpers, Log, All);

namespace FileHelpersPrivate
{
	/** Writes each reference an object holds as a line of the host's text package file. */
	class FReferenceWriter : public FArchiveUObject
	{
	public:
		explicit FReferenceWriter(TArray<FString>& InLines)
			: Lines(InLines)
		{
			ArIsSaving = true;
		}

		using FArchiveUObject::operator<<;
		virtual FArchive& operator<<(UObject*& Object) override
		{
			if (Object != nullptr)
			{
				Lines.Add(TEXT("\timport ") + Object->GetPathName());
			}
			return *this;
		}

		virtual FArchive& operator<<(FSoftObjectPath& Path) override
		{
			Lines.Add(TEXT("\tsoft ") + Path.ToString());
			return *this;
		}

	private:
		TArray<FString>& Lines;
	};

	/** The host's package file: a readable list of the package's objects and what each refers to. */
	static FString MakePackageText(UPackage* Package)
	{
		TArray<FString> Lines;
		Lines.Add(TEXT("package ") + Package->GetName());
		TArray<UObject*> Objects;
		GetObjectsWithOuter(Package, Objects, /*bIncludeNestedObjects=*/true);
		for (UObject* Object : Objects)
		{
			Lines.Add(TEXT("object ") + Object->GetPathName() + TEXT(" ") + Object->GetClass()->GetClassPathName().ToString());
			FReferenceWriter Writer(Lines);
			Object->Serialize(Writer);
		}
		return FString::Join(Lines, TEXT("\n")) + TEXT("\n");
	}
}

bool UEditorLoadingAndSavingUtils::SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty)
{
	bool bAllSaved = true;
	for (UPackage* Package : PackagesToSave)
	{
		if (Package == nullptr || (bOnlyDirty && !Package->IsDirty()))
		{
			continue;
		}
		const FString Extension = Package->ContainsMap() ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension();
		FString Filename;
		if (!FPackageName::TryConvertLongPackageNameToFilename(Package->GetName(), Filename, Extension))
		{
			UE_LOG(LogFileHelpers, Error, TEXT("Cannot save %s: it lies in no mounted content folder"), *Package->GetName());
			bAllSaved = false;
			continue;
		}
		const bool bFails = UnrealEdPrivate::ShouldSavingFail(Package->GetFName());
		if (bFails || !FFileHelper::SaveStringToFile(FileHelpersPrivate::MakePackageText(Package), *Filename, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
		{
			UE_LOG(LogFileHelpers, Error, TEXT("Cannot save %s to %s"), *Package->GetName(), *Filename);
			bAllSaved = false;
			continue;
		}
		Package->ClearPackageFlags(PKG_NewlyCreated);
		Package->SetDirtyFlag(false);
		UnrealEdPrivate::RecordSavedPackage(Package->GetFName());
	}
	return bAllSaved;
}

FEditorFileUtils::EPromptReturnCode FEditorFileUtils::PromptForCheckoutAndSave(const TArray<UPackage*>& PackagesToSave, bool bCheckDirty, bool bPromptToSave, TArray<UPackage*>* OutFailedPackages, bool bAlreadyCheckedOut, bool bCanBeDeclined)
{
	TArray<UPackage*> ToSave;
	TArray<FName> Names;
	for (UPackage* Package : PackagesToSave)
	{
		if (Package != nullptr && (!bCheckDirty || Package->IsDirty()))
		{
			ToSave.AddUnique(Package);
			Names.AddUnique(Package->GetFName());
		}
	}
	if (ToSave.Num() == 0)
	{
		return PR_Success;
	}
	if (bPromptToSave)
	{
		const HostTest::ESavePromptAnswer Answer = static_cast<HostTest::ESavePromptAnswer>(UnrealEdPrivate::RecordSavePrompt(Names));
		if (Answer == HostTest::ESavePromptAnswer::Cancel)
		{
			return PR_Cancelled;
		}
		if (Answer == HostTest::ESavePromptAnswer::DontSave)
		{
			// A dialog that cannot be declined offers no "Don't Save"; closing it cancels.
			return bCanBeDeclined ? PR_Declined : PR_Cancelled;
		}
	}
	bool bAllSaved = true;
	for (UPackage* Package : ToSave)
	{
		if (!UEditorLoadingAndSavingUtils::SavePackages({ Package }, /*bOnlyDirty=*/false))
		{
			bAllSaved = false;
			if (OutFailedPackages != nullptr)
			{
				OutFailedPackages->Add(Package);
			}
		}
	}
	return bAllSaved ? PR_Success : PR_Failure;
}
