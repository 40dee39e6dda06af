#include "HostTest/UnrealEdProbe.h"

#include "HostTest/AssetEditorRecords.h"
#include "HostTest/SavedPackageRecords.h"
#include "IDetailsView.h"
#include "Toolkits/IToolkitHost.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "Widgets/SNullWidget.h"

namespace
{
	struct FEditorEntry
	{
		EToolkitMode::Type Mode = EToolkitMode::Standalone;
		TSharedPtr<IToolkitHost> ToolkitHost;
		TArray<UObject*> Objects;
		bool bDetailsObjectsOverridden = false;
		TArray<UObject*> DetailsObjects;
		/** Open editors are held here, as the editor's tab keeps a real one alive. */
		TSharedPtr<FSimpleAssetEditor> Editor;
		TWeakPtr<IDetailsView> DetailsView;
	};

	TArray<FEditorEntry>& Entries()
	{
		// Never destroyed: at process exit the panels' customizations may belong to libraries already gone.
		static TArray<FEditorEntry>* List = new TArray<FEditorEntry>();
		return *List;
	}

	class FHostLevelEditorToolkitHost : public IToolkitHost
	{
	public:
		virtual TSharedRef<SWidget> GetParentWidget() override
		{
			return SNullWidget::NullWidget;
		}

		virtual void BringToFront() override {}

		virtual void OnToolkitHostingStarted(const TSharedRef<IToolkit>& Toolkit) override {}

		virtual void OnToolkitHostingFinished(const TSharedRef<IToolkit>& Toolkit) override {}

		virtual UWorld* GetWorld() const override
		{
			return nullptr;
		}
	};
}

namespace UnrealEdPrivate
{
	void RecordAssetEditor(const TSharedRef<FSimpleAssetEditor>& Editor, EToolkitMode::Type Mode, const TSharedPtr<IToolkitHost>& ToolkitHost, const TArray<UObject*>& Objects, bool bDetailsObjectsOverridden, const TArray<UObject*>& DetailsObjects, const TSharedPtr<IDetailsView>& DetailsView)
	{
		FEditorEntry Entry;
		Entry.Mode = Mode;
		Entry.ToolkitHost = ToolkitHost;
		Entry.Objects = Objects;
		Entry.bDetailsObjectsOverridden = bDetailsObjectsOverridden;
		Entry.DetailsObjects = DetailsObjects;
		Entry.Editor = Editor;
		Entry.DetailsView = DetailsView;
		Entries().Add(Entry);
	}
}

namespace HostTest
{
	TArray<FAssetEditorRecord> GetAssetEditorRecords()
	{
		TArray<FAssetEditorRecord> Records;
		for (const FEditorEntry& Entry : Entries())
		{
			FAssetEditorRecord Record;
			Record.Mode = Entry.Mode;
			Record.ToolkitHost = Entry.ToolkitHost;
			Record.Objects = Entry.Objects;
			Record.bDetailsObjectsOverridden = Entry.bDetailsObjectsOverridden;
			Record.DetailsObjects = Entry.DetailsObjects;
			Record.Editor = Entry.Editor;
			if (Entry.Editor.IsValid())
			{
				Record.DetailsView = Entry.DetailsView.Pin();
			}
			Records.Add(Record);
		}
		return Records;
	}

	int32 GetNumOpenAssetEditors()
	{
		int32 NumOpen = 0;
		for (const FEditorEntry& Entry : Entries())
		{
			NumOpen += Entry.Editor.IsValid() ? 1 : 0;
		}
		return NumOpen;
	}

	void CloseAllAssetEditors()
	{
		// Taken out of the list first: a closing panel may run code that opens or queries editors.
		TArray<TSharedPtr<FSimpleAssetEditor>> Closing;
		for (FEditorEntry& Entry : Entries())
		{
			if (Entry.Editor.IsValid())
			{
				Closing.Add(Entry.Editor);
				Entry.Editor.Reset();
			}
		}
		Closing.Empty();
	}

	void ResetAssetEditorRecords()
	{
		CloseAllAssetEditors();
		Entries().Empty();
	}

	TSharedRef<IToolkitHost> MakeLevelEditorToolkitHost()
	{
		return MakeShared<FHostLevelEditorToolkitHost>();
	}
}

namespace
{
	TArray<FName>& SavedPackages()
	{
		static TArray<FName> Saved;
		return Saved;
	}

	TSet<FName>& FailingPackages()
	{
		static TSet<FName> Failing;
		return Failing;
	}

	TArray<TArray<FName>>& SavePrompts()
	{
		static TArray<TArray<FName>> Prompts;
		return Prompts;
	}

	HostTest::ESavePromptAnswer& SavePromptAnswer()
	{
		static HostTest::ESavePromptAnswer Answer = HostTest::ESavePromptAnswer::Save;
		return Answer;
	}
}

namespace UnrealEdPrivate
{
	void RecordSavedPackage(FName PackageName)
	{
		SavedPackages().Add(PackageName);
	}

	bool ShouldSavingFail(FName PackageName)
	{
		return FailingPackages().Contains(PackageName);
	}

	int32 RecordSavePrompt(const TArray<FName>& PackageNames)
	{
		SavePrompts().Add(PackageNames);
		return static_cast<int32>(SavePromptAnswer());
	}
}

namespace HostTest
{
	TArray<FName> GetSavedPackages()
	{
		return SavedPackages();
	}

	void ResetSavedPackages()
	{
		SavedPackages().Reset();
		FailingPackages().Reset();
	}

	void FailSavingPackage(FName PackageName)
	{
		FailingPackages().Add(PackageName);
	}

	void SetSavePromptAnswer(ESavePromptAnswer Answer)
	{
		SavePromptAnswer() = Answer;
	}

	TArray<TArray<FName>> GetSavePrompts()
	{
		return SavePrompts();
	}

	void ResetSavePrompts()
	{
		SavePrompts().Reset();
		SavePromptAnswer() = ESavePromptAnswer::Save;
	}
}
