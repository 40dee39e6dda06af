#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "HAL/PlatformProcess.h"
#include "J5Package.h"
#include "J5PackageFactory.h"
#include "J5PackageTestContent.h"
#include "Misc/AutomationTest.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"

BEGIN_DEFINE_SPEC(FJ5PackageFactoryTest, "Talvyn.Editor.Factory", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TSharedPtr<FJ5PackageTestContent> FactoryContent;
	UJ5PackageFactory* Factory = nullptr;
	int32 FactoryCaseCount = 0;
	int32 NewPackageCount = 0;

	/** A package asset made by the factory in a package of its own in Packs, as the Content Browser's new-asset menu asks for one. */
	UObject* CreateThroughFactory(UClass* RequestedClass, EObjectFlags Flags, UObject* Context)
	{
		UPackage* const Outer = FactoryContent->MakePackage(FString::Printf(TEXT("Packs/PKG_New%d"), ++NewPackageCount));
		UObject* const Created = Factory->FactoryCreateNew(RequestedClass, Outer, FName(TEXT("PKG_New")), Flags, Context, nullptr);
		if (Created != nullptr)
		{
			TestTrue(TEXT("The new asset lies in the package it was asked for"), Created->GetOuter() == Outer);
			TestEqual(TEXT("The new asset's name"), Created->GetName(), TEXT("PKG_New"));
		}
		return Created;
	}
END_DEFINE_SPEC(FJ5PackageFactoryTest)

void FJ5PackageFactoryTest::Define()
{
	BeforeEach([this]()
	{
		FactoryContent = MakeShared<FJ5PackageTestContent>(FString::Printf(TEXT("TalvynAutomation_%u_Factory%d"), FPlatformProcess::GetCurrentProcessId(), ++FactoryCaseCount));
		Factory = NewObject<UJ5PackageFactory>();
	});

	AfterEach([this]()
	{
		Factory->MarkAsGarbage();
		Factory = nullptr;
		FactoryContent->Remove();
		FactoryContent.Reset();
	});

	Describe(TEXT("Creating a new package asset"), [this]()
	{
		It(TEXT("makes a package asset whatever class it is asked for"), [this]()
		{
			UClass* const RequestedClasses[] = { UJ5Package::StaticClass(), UObject::StaticClass(), UJ5PackageFactory::StaticClass(), nullptr };
			for (UClass* const RequestedClass : RequestedClasses)
			{
				const UObject* const Created = CreateThroughFactory(RequestedClass, RF_Public | RF_Transactional, nullptr);
				if (TestNotNull(TEXT("The new asset"), Created))
				{
					TestTrue(FString::Printf(TEXT("The asset made when %s is asked for is a UJ5Package"), RequestedClass != nullptr ? *RequestedClass->GetName() : TEXT("no class")), Created->GetClass() == UJ5Package::StaticClass());
				}
			}
		});

		It(TEXT("gives the new package exactly the object flags it is given"), [this]()
		{
			const EObjectFlags Watched = RF_Public | RF_Standalone | RF_Transactional | RF_Transient;
			const UObject* const Editorial = CreateThroughFactory(UJ5Package::StaticClass(), RF_Public | RF_Standalone | RF_Transactional, nullptr);
			const UObject* const Plain = CreateThroughFactory(UJ5Package::StaticClass(), RF_Public, nullptr);
			if (TestNotNull(TEXT("The asset made with the editor's flags"), Editorial) && TestNotNull(TEXT("The asset made public only"), Plain))
			{
				TestEqual(TEXT("The flags of the asset made with the editor's flags"), static_cast<int64>(Editorial->GetFlags() & Watched), static_cast<int64>(RF_Public | RF_Standalone | RF_Transactional));
				TestEqual(TEXT("The flags of the asset made public only"), static_cast<int64>(Plain->GetFlags() & Watched), static_cast<int64>(RF_Public));
			}
		});

		It(TEXT("starts the new package from the context object, in the folder it is made in"), [this]()
		{
			UJ5Package* const Template = NewObject<UJ5Package>(FactoryContent->MakePackage(TEXT("Other/PKG_Source")), FName(TEXT("PKG_Source")));
			Template->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Other/SM_Rock.SM_Rock")));
			Template->Dependencies.Add(FName(TEXT("/Game/Other/T_Rock")));

			const UJ5Package* const FromTemplate = Cast<UJ5Package>(CreateThroughFactory(UJ5Package::StaticClass(), RF_Public, Template));
			if (TestNotNull(TEXT("The package made from the context object"), FromTemplate))
			{
				TestTrue(TEXT("It holds the context object's assets"), FromTemplate->MainAssets == Template->MainAssets);
				TestTrue(TEXT("It holds the context object's dependencies"), FromTemplate->Dependencies.Contains(FName(TEXT("/Game/Other/T_Rock"))));
				// The directory is where the new asset lives, not where its template does.
				TestEqual(TEXT("Its directory"), FromTemplate->PackageDirectory, FactoryContent->PackageNameOf(TEXT("Packs")));
			}
		});

		It(TEXT("starts the new package from the class defaults without a context object"), [this]()
		{
			const UJ5Package* const FromDefaults = Cast<UJ5Package>(CreateThroughFactory(UJ5Package::StaticClass(), RF_Public, nullptr));
			if (TestNotNull(TEXT("The package made without a context object"), FromDefaults))
			{
				TestEqual(TEXT("Its assets"), FromDefaults->MainAssets.Num(), 0);
				TestEqual(TEXT("Its dependencies"), FromDefaults->Dependencies.Num(), 0);
				TestEqual(TEXT("Its outside references"), FromDefaults->MissingDependencies.Num(), 0);
			}
		});
	});

	Describe(TEXT("The factory the editor offers"), [this]()
	{
		It(TEXT("creates package assets from nothing in the new-asset menu, without importing files or opening an editor"), [this]()
		{
			const UJ5PackageFactory* const Defaults = GetDefault<UJ5PackageFactory>();
			TestTrue(TEXT("The supported class is UJ5Package"), Defaults->GetSupportedClass() == UJ5Package::StaticClass());
			TestTrue(TEXT("It creates new assets"), Defaults->CanCreateNew());
			TestTrue(TEXT("It is offered in the new-asset menu"), Defaults->ShouldShowInNewMenu());
			TestFalse(TEXT("It opens the new asset in an editor"), Defaults->bEditAfterNew);
			TestFalse(TEXT("It imports files"), Defaults->bEditorImport);
			TestEqual(TEXT("The file formats it claims"), Defaults->Formats.Num(), 0);
		});
	});
}

#endif // WITH_DEV_AUTOMATION_TESTS
