#include "PropertyCustomizationHelpers.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HostTest/SlateProbe.h"
#include "UObject/Class.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Text/STextBlock.h"

void SObjectPropertyEntryBox::Construct(const FArguments& InArgs)
{
	Args = InArgs;
	if (!Args._AllowedClass)
	{
		Args._AllowedClass = UObject::StaticClass();
	}

	// The box's face: the current object's name, read at every paint.
	ChildSlot
	[
		SNew(STextBlock)
		.Text(this, &SObjectPropertyEntryBox::GetDisplayedText)
	];
}

void SObjectPropertyEntryBox::OpenEntryBox()
{
	bPickerOpen = IsPickerEnabled();
}

FString SObjectPropertyEntryBox::GetDisplayedValue() const
{
	if (Args._ObjectPath.IsSet())
	{
		const FString Path = Args._ObjectPath.Get();
		if (Path.IsEmpty())
		{
			return TEXT("None");
		}
		const FString AssetName = FSoftObjectPath(Path).GetAssetName();
		return AssetName.IsEmpty() ? Path : AssetName;
	}
	if (Args._PropertyHandle.IsValid())
	{
		// Property-bound boxes are not used by anything the host runs.
		HOST_UNIMPLEMENTED();
	}
	return TEXT("None");
}

FText SObjectPropertyEntryBox::GetDisplayedText() const
{
	return FText::FromString(GetDisplayedValue());
}

bool SObjectPropertyEntryBox::IsPickerEnabled() const
{
	if (!Args._EnableContentPicker || !IsEnabled())
	{
		return false;
	}
	return !Args._OnIsEnabled.IsBound() || Args._OnIsEnabled.Execute();
}

TArray<FAssetData> SObjectPropertyEntryBox::GetPickerEntries() const
{
	TArray<FAssetData> Offered;
	IAssetRegistry* Registry = IAssetRegistry::Get();
	if (!Registry)
	{
		return Offered;
	}
	TArray<FAssetData> Candidates;
	Registry->GetAllAssets(Candidates);

	const UClass* AllowedClass = Args._AllowedClass ? Args._AllowedClass : UObject::StaticClass();
	const bool bAnyClass = AllowedClass == UObject::StaticClass();
	for (const FAssetData& Candidate : Candidates)
	{
		if (!bAnyClass)
		{
			// Assets whose class is not loaded cannot be shown to be of the allowed class.
			const UClass* AssetClass = FindObject<UClass>(nullptr, *Candidate.AssetClassPath.ToString());
			if (!AssetClass || !AssetClass->IsChildOf(AllowedClass))
			{
				continue;
			}
		}
		if (Args._OnShouldFilterAsset.IsBound() && Args._OnShouldFilterAsset.Execute(Candidate))
		{
			continue;
		}
		Offered.Add(Candidate);
	}
	return Offered;
}

bool SObjectPropertyEntryBox::SetChosenAsset(const FAssetData& AssetData)
{
	if (!IsPickerEnabled())
	{
		return false;
	}
	bool bOffered = false;
	for (const FAssetData& Entry : GetPickerEntries())
	{
		if (Entry.PackageName == AssetData.PackageName && Entry.AssetName == AssetData.AssetName)
		{
			bOffered = true;
			break;
		}
	}
	if (!bOffered)
	{
		return false;
	}
	if (Args._OnShouldSetAsset.IsBound() && !Args._OnShouldSetAsset.Execute(AssetData))
	{
		return false;
	}
	// The menu closes before the choice is reported, as in the editor.
	bPickerOpen = false;
	Args._OnObjectChanged.ExecuteIfBound(AssetData);
	return true;
}

bool SObjectPropertyEntryBox::ClearChosenAsset()
{
	if (!Args._AllowClear || !IsPickerEnabled())
	{
		return false;
	}
	bPickerOpen = false;
	Args._OnObjectChanged.ExecuteIfBound(FAssetData());
	return true;
}

void SObjectPropertyEntryBox::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	SCompoundWidget::HostPaint(Out);
	Out.Type = TEXT("SObjectPropertyEntryBox");

	using HostTest::DescribeBinding;
	using HostTest::ToDisplayString;
	auto Add = [&Out](const TCHAR* Name, const FString& Value) { Out.Arguments.Add(Name, Value); };

	Add(TEXT("ObjectPath"), Args._ObjectPath.IsSet() ? Args._ObjectPath.Get() : FString(TEXT("unset")));
	Add(TEXT("PropertyHandle"), Args._PropertyHandle.IsValid() ? TEXT("set") : TEXT("null"));
	Add(TEXT("OwnerAssetDataArray"), FString::FromInt(Args._OwnerAssetDataArray.Num()));
	Add(TEXT("ThumbnailPool"), Args._ThumbnailPool.IsValid() ? TEXT("set") : TEXT("null"));
	Add(TEXT("AllowedClass"), Args._AllowedClass ? Args._AllowedClass->GetPathName() : FString(TEXT("null")));
	Add(TEXT("OnObjectChanged"), DescribeBinding(Args._OnObjectChanged));
	Add(TEXT("OnShouldSetAsset"), DescribeBinding(Args._OnShouldSetAsset));
	Add(TEXT("OnShouldFilterAsset"), DescribeBinding(Args._OnShouldFilterAsset));
	Add(TEXT("OnIsEnabled"), DescribeBinding(Args._OnIsEnabled));
	Add(TEXT("AllowClear"), ToDisplayString(Args._AllowClear));
	Add(TEXT("AllowCreate"), ToDisplayString(Args._AllowCreate));
	Add(TEXT("DisplayUseSelected"), ToDisplayString(Args._DisplayUseSelected));
	Add(TEXT("DisplayBrowse"), ToDisplayString(Args._DisplayBrowse));
	Add(TEXT("EnableContentPicker"), ToDisplayString(Args._EnableContentPicker));
	Add(TEXT("DisplayCompactSize"), ToDisplayString(Args._DisplayCompactSize));
	Add(TEXT("DisplayThumbnail"), ToDisplayString(Args._DisplayThumbnail));
	Add(TEXT("NewAssetFactories"), Args._NewAssetFactories.IsSet() ? FString::FromInt(Args._NewAssetFactories.GetValue().Num()) : FString(TEXT("unset")));
	Add(TEXT("bOnlyRecognizeOnDragEnter"), HostTest::DescribeAttribute(Args._bOnlyRecognizeOnDragEnter));

	HOST_RECORD_GIVEN_ARGUMENTS(Out, Args);
}
