#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "AssetRegistry/IAssetRegistry.h"
#include "Editor.h"
#include "Editor/Transactor.h"
#include "HAL/PlatformProcess.h"
#include "J5Package.h"
#include "J5PackageTestContent.h"
#include "Materials/Material.h"
#include "Materials/MaterialInstanceConstant.h"
#include "Misc/AutomationTest.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Input/SButton.h"

BEGIN_DEFINE_SPEC(FJ5PackageCustomizationTest, "Talvyn.Editor.PackagePanel", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TSharedPtr<FJ5PackageTestContent> PanelContent;
	TSharedPtr<FJ5PackageTestPanel> Panel;
	int32 PanelCaseCount = 0;
	UJ5Package* PanelPackage = nullptr;
	UMaterial* SharedMaterial = nullptr;

	/** Clicks the button labelled Label as a user does, then lets Slate lay out the panel again. */
	bool Click(const FString& Label)
	{
		const TSharedPtr<SButton> Button = Panel->FindButton(Label);
		if (!TestTrue(FString::Printf(TEXT("The panel shows the button \"%s\""), *Label), Button.IsValid()))
		{
			return false;
		}
		Button->SimulateClick();
		Panel->Update();
		return true;
	}
END_DEFINE_SPEC(FJ5PackageCustomizationTest)

void FJ5PackageCustomizationTest::Define()
{
	// A package whose folder holds a material and an instance of a material in a folder outside it.
	BeforeEach([this]()
	{
		PanelContent = MakeShared<FJ5PackageTestContent>(FString::Printf(TEXT("TalvynAutomation_%u_Panel%d"), FPlatformProcess::GetCurrentProcessId(), ++PanelCaseCount));
		PanelPackage = PanelContent->MakePackageAsset(TEXT("Pack/PKG_Panel"));
		PanelContent->MakeMaterial(TEXT("Pack/M_Base"));
		SharedMaterial = PanelContent->MakeMaterial(TEXT("Shared/M_Shared"));
		PanelContent->MakeMaterialInstance(TEXT("Pack/MI_OutsideUser"), SharedMaterial);
		TestTrue(TEXT("The content is saved and read by the asset registry"), PanelContent->SaveAndScan());

		Panel = MakeShared<FJ5PackageTestPanel>();
		if (TestNotNull(TEXT("The package asset"), PanelPackage))
		{
			Panel->Open(PanelPackage);
		}
	});

	AfterEach([this]()
	{
		Panel.Reset();
		PanelContent->Remove();
		PanelContent.Reset();
		PanelPackage = nullptr;
	});

	Describe(TEXT("The panel of a new package"), [this]()
	{
		It(TEXT("shows the package's commands, every one of them enabled"), [this]()
		{
			const TCHAR* const Labels[] = { TEXT("Add All Assets"), TEXT("Remove All Assets"), TEXT("Find Dependencies"), TEXT("Apply Cook Settings"), TEXT("Make Pak File") };
			for (const TCHAR* const Label : Labels)
			{
				const TSharedPtr<SButton> Button = Panel->FindButton(Label);
				if (TestTrue(FString::Printf(TEXT("The panel shows \"%s\""), Label), Button.IsValid()))
				{
					TestTrue(FString::Printf(TEXT("\"%s\" is enabled"), Label), Button->IsEnabled());
				}
			}
		});

		It(TEXT("shows neither Copy Dependencies nor Cook Assets"), [this]()
		{
			TestFalse(TEXT("The panel shows \"Copy Dependencies\""), Panel->FindButton(TEXT("Copy Dependencies")).IsValid());
			TestFalse(TEXT("The panel shows \"Cook Assets\""), Panel->FindButton(TEXT("Cook Assets")).IsValid());
		});

		It(TEXT("labels the asset picker and shows no counts while the package is empty"), [this]()
		{
			TestTrue(TEXT("The panel shows \"Add Asset:\""), Panel->GetTexts().Contains(TEXT("Add Asset:")));
			TestFalse(TEXT("The panel shows the counts"), Panel->ShowsTextContaining(TEXT("Main Assets:")));
		});
	});

	Describe(TEXT("Clicking"), [this]()
	{
		It(TEXT("Add All Assets gathers the folder and the panel shows the counts"), [this]()
		{
			if (Click(TEXT("Add All Assets")))
			{
				TestEqual(TEXT("The number of assets"), PanelPackage->MainAssets.Num(), 2);
				TestTrue(TEXT("The panel shows \"Main Assets: 2 | Assets To Cook: 2\""), Panel->GetTexts().Contains(TEXT("Main Assets: 2 | Assets To Cook: 2")));
			}
		});

		It(TEXT("Find Dependencies shows the warning, the closed list and Copy Dependencies for a reference outside the folder"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Find Dependencies")))
			{
				TestEqual(TEXT("The number of outside references"), PanelPackage->MissingDependencies.Num(), 1);
				TestTrue(TEXT("The panel shows the warning"), Panel->GetTexts().Contains(TEXT("1 referenced assets are outside of this package's directory.")));
				TestTrue(TEXT("The panel shows the group \"Missing Dependencies\""), Panel->GetTexts().Contains(TEXT("Missing Dependencies")));
				TestFalse(TEXT("The group is open"), Panel->ShowsTextContaining(SharedMaterial->GetPackage()->GetName()));
				TestTrue(TEXT("The panel shows \"Copy Dependencies\""), Panel->FindButton(TEXT("Copy Dependencies")).IsValid());
			}
		});

		It(TEXT("Copy Dependencies copies the outside reference into the package's folder and leaves the original"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Find Dependencies")) && Click(TEXT("Copy Dependencies")))
			{
				TArray<FAssetData> Copies;
				IAssetRegistry::GetChecked().GetAssetsByPath(FName(*PanelContent->PackageNameOf(TEXT("Pack/Dependencies"))), Copies, /*bRecursive=*/true);
				TestEqual(TEXT("The number of copies in Pack/Dependencies"), Copies.Num(), 1);
				TestTrue(TEXT("The original is still in Shared"), IsValid(SharedMaterial) && SharedMaterial->GetPackage()->GetName() == PanelContent->PackageNameOf(TEXT("Shared/M_Shared")));
			}
		});

		It(TEXT("Remove All Assets empties the package and the counts go"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Remove All Assets")))
			{
				TestEqual(TEXT("The number of assets"), PanelPackage->MainAssets.Num(), 0);
				TestFalse(TEXT("The panel shows the counts"), Panel->ShowsTextContaining(TEXT("Main Assets:")));
			}
		});

		It(TEXT("Make Pak File reports that a package with nothing to export cannot be exported, and leaves it as it is"), [this]()
		{
			AddExpectedError(TEXT("Make Pak File"), EAutomationExpectedErrorFlags::Contains, 1);
			if (Click(TEXT("Make Pak File")))
			{
				TestEqual(TEXT("The number of assets"), PanelPackage->MainAssets.Num(), 0);
				TestTrue(TEXT("The panel still shows \"Make Pak File\""), Panel->FindButton(TEXT("Make Pak File")).IsValid());
			}
		});

		It(TEXT("Apply Cook Settings reports that a package outside any content folder has no settings to apply"), [this]()
		{
			AddExpectedError(TEXT("Apply Cook Settings"), EAutomationExpectedErrorFlags::Contains, 1);
			// A package in no content folder is refused before anything is written, so the project's settings stay as they are.
			UJ5Package* const Loose = NewObject<UJ5Package>(GetTransientPackage(), MakeUniqueObjectName(GetTransientPackage(), UJ5Package::StaticClass(), FName(TEXT("PKG_Loose"))), RF_Transactional);
			Panel->Open(Loose);
			if (Click(TEXT("Apply Cook Settings")))
			{
				TestTrue(TEXT("The package lies in no folder"), Loose->PackageDirectory.IsEmpty());
				TestTrue(TEXT("The panel still shows \"Apply Cook Settings\""), Panel->FindButton(TEXT("Apply Cook Settings")).IsValid());
			}
			Panel->Close();
			Loose->MarkAsGarbage();
		});

		It(TEXT("a button of a panel that is gone does nothing"), [this]()
		{
			const TSharedPtr<SButton> Button = Panel->FindButton(TEXT("Add All Assets"));
			if (TestTrue(TEXT("The panel shows \"Add All Assets\""), Button.IsValid()))
			{
				Panel->Close();
				Button->SimulateClick();
				TestEqual(TEXT("The number of assets"), PanelPackage->MainAssets.Num(), 0);
			}
		});
	});
	Describe(TEXT("Undo"), [this]()
	{
		BeforeEach([this]()
		{
			TestNotNull(TEXT("The editor engine"), GEditor);
		});

		It(TEXT("Add All Assets is one step named after it, and undo and redo take the assets out and back"), [this]()
		{
			if (Click(TEXT("Add All Assets")))
			{
				TestEqual(TEXT("The step's name"), GEditor->Trans->GetUndoContext().Title.ToString(), TEXT("Add All Assets"));
				GEditor->UndoTransaction();
				Panel->Update();
				TestEqual(TEXT("The number of assets after undo"), PanelPackage->MainAssets.Num(), 0);
				TestFalse(TEXT("The panel shows the counts after undo"), Panel->ShowsTextContaining(TEXT("Main Assets:")));
				GEditor->RedoTransaction();
				Panel->Update();
				TestEqual(TEXT("The number of assets after redo"), PanelPackage->MainAssets.Num(), 2);
				TestTrue(TEXT("The panel shows the counts after redo"), Panel->GetTexts().Contains(TEXT("Main Assets: 2 | Assets To Cook: 2")));
			}
		});

		It(TEXT("Remove All Assets is one step named after it, and undo brings the assets back into the panel"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Find Dependencies")) && Click(TEXT("Remove All Assets")))
			{
				TestEqual(TEXT("The step's name"), GEditor->Trans->GetUndoContext().Title.ToString(), TEXT("Remove All Assets"));
				GEditor->UndoTransaction();
				Panel->Update();
				TestEqual(TEXT("The number of assets after undo"), PanelPackage->MainAssets.Num(), 2);
				TestEqual(TEXT("The number of outside references after undo"), PanelPackage->MissingDependencies.Num(), 1);
				TestTrue(TEXT("The panel shows the counts after undo"), Panel->GetTexts().Contains(TEXT("Main Assets: 2 | Assets To Cook: 2")));
			}
		});

		It(TEXT("Find Dependencies is one step named after it, and undo takes the warning away"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Find Dependencies")))
			{
				TestEqual(TEXT("The step's name"), GEditor->Trans->GetUndoContext().Title.ToString(), TEXT("Find Dependencies"));
				GEditor->UndoTransaction();
				Panel->Update();
				TestEqual(TEXT("The number of outside references after undo"), PanelPackage->MissingDependencies.Num(), 0);
				TestFalse(TEXT("The panel shows the warning after undo"), Panel->ShowsTextContaining(TEXT("referenced assets are outside")));
			}
		});

		It(TEXT("Copy Dependencies is one step named after it"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Find Dependencies")) && Click(TEXT("Copy Dependencies")))
			{
				TestEqual(TEXT("The step's name"), GEditor->Trans->GetUndoContext().Title.ToString(), TEXT("Copy Dependencies"));
			}
		});

		It(TEXT("a command that changes nothing adds no step on top of the last one"), [this]()
		{
			if (Click(TEXT("Add All Assets")) && Click(TEXT("Add All Assets")))
			{
				TestEqual(TEXT("The last step's name"), GEditor->Trans->GetUndoContext().Title.ToString(), TEXT("Add All Assets"));
				GEditor->UndoTransaction();
				Panel->Update();
				TestEqual(TEXT("The number of assets after one undo"), PanelPackage->MainAssets.Num(), 0);
			}
		});
	});
}

#endif // WITH_DEV_AUTOMATION_TESTS
