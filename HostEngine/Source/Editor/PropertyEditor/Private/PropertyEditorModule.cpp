#include "PropertyEditorModule.h"
#include "DetailWidgetRow.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorPrivate.h"
#include "SDetailsView.h"
#include "UObject/Class.h"

IMPLEMENT_MODULE(FPropertyEditorModule, PropertyEditor);

const float FDetailWidgetRow::DefaultValueMinWidth = 125.0f;
const float FDetailWidgetRow::DefaultValueMaxWidth = 125.0f;

namespace PropertyEditorPrivate
{
	namespace
	{
		struct FLiveView
		{
			const SDetailsView* Address = nullptr;
			TWeakPtr<SDetailsView> View;
		};

		TArray<FLiveView>& LiveViews()
		{
			static TArray<FLiveView> Views;
			return Views;
		}
	}

	TArray<FClassLayoutRecord>& GetClassLayouts()
	{
		static TArray<FClassLayoutRecord> Layouts;
		return Layouts;
	}

	const FOnGetDetailCustomizationInstance* FindClassLayout(const UClass* Class)
	{
		for (const UClass* Current = Class; Current; Current = Current->GetSuperClass())
		{
			const FName ClassName = Current->GetFName();
			for (const FClassLayoutRecord& Record : GetClassLayouts())
			{
				if (Record.ClassName == ClassName)
				{
					return &Record.Delegate;
				}
			}
		}
		return nullptr;
	}

	void AddLiveView(const TSharedRef<SDetailsView>& View)
	{
		FLiveView Entry;
		Entry.Address = &View.Get();
		Entry.View = View;
		LiveViews().Add(Entry);
	}

	void RemoveLiveView(const SDetailsView* View)
	{
		TArray<FLiveView>& Views = LiveViews();
		for (int32 Index = Views.Num() - 1; Index >= 0; --Index)
		{
			if (Views[Index].Address == View)
			{
				Views.RemoveAt(Index);
			}
		}
	}

	TArray<TSharedRef<SDetailsView>> GetLiveViews()
	{
		TArray<TSharedRef<SDetailsView>> Result;
		for (const FLiveView& Entry : LiveViews())
		{
			if (TSharedPtr<SDetailsView> Pinned = Entry.View.Pin())
			{
				Result.Add(Pinned.ToSharedRef());
			}
		}
		return Result;
	}
}

void FPropertyEditorModule::StartupModule()
{
}

void FPropertyEditorModule::ShutdownModule()
{
	PropertyEditorPrivate::GetClassLayouts().Empty();
}

void FPropertyEditorModule::RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate, FRegisterCustomClassLayoutParams Params)
{
	TArray<PropertyEditorPrivate::FClassLayoutRecord>& Layouts = PropertyEditorPrivate::GetClassLayouts();
	const int32 Order = Params.OptionalOrder.IsSet() ? Params.OptionalOrder.GetValue() : Layouts.Num();
	// A second registration for the same class replaces the first, as the engine's map does.
	for (PropertyEditorPrivate::FClassLayoutRecord& Record : Layouts)
	{
		if (Record.ClassName == ClassName)
		{
			Record.Delegate = DetailLayoutDelegate;
			Record.Order = Order;
			return;
		}
	}
	PropertyEditorPrivate::FClassLayoutRecord Record;
	Record.ClassName = ClassName;
	Record.Delegate = DetailLayoutDelegate;
	Record.Order = Order;
	Layouts.Add(Record);
}

void FPropertyEditorModule::UnregisterCustomClassLayout(FName ClassName)
{
	TArray<PropertyEditorPrivate::FClassLayoutRecord>& Layouts = PropertyEditorPrivate::GetClassLayouts();
	for (int32 Index = Layouts.Num() - 1; Index >= 0; --Index)
	{
		if (Layouts[Index].ClassName == ClassName)
		{
			Layouts.RemoveAt(Index);
		}
	}
}

void FPropertyEditorModule::NotifyCustomizationModuleChanged()
{
	for (const TSharedRef<SDetailsView>& View : PropertyEditorPrivate::GetLiveViews())
	{
		View->ForceRefresh();
	}
}

TSharedRef<IDetailsView> FPropertyEditorModule::CreateDetailView(const FDetailsViewArgs& DetailsViewArgs)
{
	TSharedRef<SDetailsView> View = SNew(SDetailsView, DetailsViewArgs);
	PropertyEditorPrivate::AddLiveView(View);
	return View;
}
