#include "CoreMinimal.h"
#include "Factories/Factory.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/ModuleProbe.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"
#include "J5PackageFactory.h"
#include "Modules/ModuleManager.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

// The generated construct functions, exported by the editor module; the header tool declares them in its code only.
// The factory's own members are not exported (its class has no export macro), so this program, like any other module,
// reaches its class through the exported StaticClass<UJ5PackageFactory>() and drives it as a UFactory.
TALVYNSDKBASEEDITOR_API UClass* Z_Construct_UClass_UJ5PackageFactory();
TALVYNSDKBASEEDITOR_API UClass* Z_Construct_UClass_UJ5PackageFactory_NoRegister();

namespace PackageFactoryTest
{
	/** The defined dynamic symbols of a library, demangled, as the editor's loader would see them. */
	static std::set<std::string> ExportedSymbols(const std::string& Library)
	{
		std::set<std::string> Symbols;
		const std::string Command = "nm -D -C --defined-only '" + Library + "' 2>/dev/null";
		FILE* Pipe = popen(Command.c_str(), "r");
		if (!Pipe)
		{
			return Symbols;
		}
		char Line[4096];
		while (fgets(Line, sizeof(Line), Pipe))
		{
			std::string Text(Line);
			while (!Text.empty() && (Text.back() == '\n' || Text.back() == '\r'))
			{
				Text.pop_back();
			}
			// "<address> <type> <name>"
			const size_t FirstSpace = Text.find(' ');
			const size_t SecondSpace = FirstSpace == std::string::npos ? std::string::npos : Text.find(' ', FirstSpace + 1);
			if (SecondSpace != std::string::npos)
			{
				Symbols.insert(Text.substr(SecondSpace + 1));
			}
		}
		pclose(Pipe);
		return Symbols;
	}

	static bool HasSymbolStartingWith(const std::set<std::string>& Symbols, const std::string& Prefix)
	{
		for (const std::string& Symbol : Symbols)
		{
			if (Symbol.rfind(Prefix, 0) == 0)
			{
				return true;
			}
		}
		return false;
	}
}

/** The editor with the plugin's editor module started, as after enabling the plugin. */
class FPackageFactoryTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		HostTest::SetLogEcho(false);
		ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
		FModuleManager::Get().LoadModuleChecked(TEXT("TalvynSDKBaseEditor"));
		Factory = NewObject<UFactory>(GetTransientPackage(), StaticClass<UJ5PackageFactory>());
		Outer = CreatePackage(TEXT("/Game/Packs/NewPack"));
	}

	virtual void TearDown() override
	{
		HostTest::UnloadAllModules();
		HostTest::ResetObjects();
		HostTest::SetLogEcho(true);
	}

	UJ5Package* Create(UClass* RequestedClass, EObjectFlags Flags, UObject* Context = nullptr)
	{
		return Cast<UJ5Package>(Factory->FactoryCreateNew(RequestedClass, Outer, FName(TEXT("NewPack")), Flags, Context, nullptr));
	}

	UFactory* Factory = nullptr;
	UPackage* Outer = nullptr;
};

TEST_F(FPackageFactoryTest, CreatesAPackageWhateverClassIsRequested)
{
	for (UClass* Requested : { static_cast<UClass*>(nullptr), UObject::StaticClass(), StaticClass<UJ5PackageFactory>(), UJ5Package::StaticClass() })
	{
		UObject* Created = Factory->FactoryCreateNew(Requested, Outer, FName(TEXT("NewPack")), RF_Public, nullptr, nullptr);
		ASSERT_NE(Created, nullptr);
		EXPECT_EQ(Created->GetClass(), UJ5Package::StaticClass());
		EXPECT_EQ(Created->GetOuter(), Outer);
		EXPECT_EQ(Created->GetFName(), FName(TEXT("NewPack")));
	}
}

TEST_F(FPackageFactoryTest, NewPackageCarriesExactlyTheFlagsPassedIn)
{
	const EObjectFlags Editorial = RF_Public | RF_Standalone | RF_Transactional;
	const UJ5Package* WithTransactional = Create(UJ5Package::StaticClass(), Editorial);
	ASSERT_NE(WithTransactional, nullptr);
	EXPECT_EQ(WithTransactional->GetFlags() & (RF_Public | RF_Standalone | RF_Transactional | RF_Transient), Editorial);

	Outer = CreatePackage(TEXT("/Game/Packs/Plain"));
	const UJ5Package* WithoutTransactional = Create(UJ5Package::StaticClass(), RF_Public);
	ASSERT_NE(WithoutTransactional, nullptr);
	EXPECT_FALSE(WithoutTransactional->HasAnyFlags(RF_Transactional | RF_Standalone | RF_Transient));
	EXPECT_TRUE(WithoutTransactional->HasAnyFlags(RF_Public));
}

TEST_F(FPackageFactoryTest, ContextPackageIsTheTemplateAndNoContextGivesClassDefaults)
{
	UJ5Package* Source = NewObject<UJ5Package>(CreatePackage(TEXT("/Game/Other/Source")), FName(TEXT("Source")));
	Source->MainAssets.Add(FSoftObjectPath(TEXT("/Game/Other/SM_Rock.SM_Rock")));
	Source->Dependencies.Add(FName(TEXT("/Game/Other/T_Rock")));

	const UJ5Package* FromTemplate = Create(UJ5Package::StaticClass(), RF_Public, Source);
	ASSERT_NE(FromTemplate, nullptr);
	ASSERT_EQ(FromTemplate->MainAssets.Num(), 1);
	EXPECT_EQ(FromTemplate->MainAssets[0], Source->MainAssets[0]);
	EXPECT_TRUE(FromTemplate->Dependencies.Contains(FName(TEXT("/Game/Other/T_Rock"))));
	// The directory is where the new asset lives, not where its template does.
	EXPECT_EQ(FromTemplate->PackageDirectory, FString(TEXT("/Game/Packs")));

	Outer = CreatePackage(TEXT("/Game/Packs/Fresh"));
	const UJ5Package* FromDefaults = Create(UJ5Package::StaticClass(), RF_Public, nullptr);
	ASSERT_NE(FromDefaults, nullptr);
	EXPECT_EQ(FromDefaults->MainAssets.Num(), 0);
	EXPECT_EQ(FromDefaults->Dependencies.Num(), 0);
	EXPECT_EQ(FromDefaults->MissingDependencies.Num(), 0);
}

TEST_F(FPackageFactoryTest, ClassDefaultObjectCreatesNewPackagesOnly)
{
	const UFactory* Defaults = GetDefault<UFactory>(StaticClass<UJ5PackageFactory>());
	EXPECT_EQ(Defaults->GetSupportedClass(), UJ5Package::StaticClass());
	EXPECT_TRUE(Defaults->CanCreateNew());
	EXPECT_FALSE(Defaults->bEditAfterNew);
	EXPECT_FALSE(Defaults->bEditorImport);
	EXPECT_EQ(Defaults->Formats.Num(), 0);
	EXPECT_TRUE(Defaults->ShouldShowInNewMenu());
}

TEST_F(FPackageFactoryTest, ClassRecordIsBuiltOnceWithTheDeclaredFlagsAndMetadata)
{
	UClass* First = Z_Construct_UClass_UJ5PackageFactory();
	UClass* Second = Z_Construct_UClass_UJ5PackageFactory();
	ASSERT_NE(First, nullptr);
	EXPECT_EQ(First, Second);
	EXPECT_EQ(Z_Construct_UClass_UJ5PackageFactory_NoRegister(), First);
	EXPECT_EQ(StaticClass<UJ5PackageFactory>(), First);

	EXPECT_EQ(First->GetFName(), FName(TEXT("J5PackageFactory")));
	EXPECT_EQ(First->GetSuperClass(), UFactory::StaticClass());
	EXPECT_EQ(First->GetClassFlags() & (CLASS_Native | CLASS_MatchedSerializers | CLASS_Intrinsic), CLASS_Native | CLASS_MatchedSerializers | CLASS_Intrinsic);
	EXPECT_FALSE(First->HasAnyClassFlags(CLASS_Abstract | CLASS_Transient | CLASS_Config | CLASS_Hidden | CLASS_RequiredAPI));
	EXPECT_EQ(First->ClassCastFlags, CASTCLASS_None);
	EXPECT_EQ(First->GetStructPathName().ToString(), FString(TEXT("/Script/TalvynSDKBaseEditor.J5PackageFactory")));

	const TArray<TPair<FString, FString>> MetaData = HostTest::GetClassMetaData(First);
	ASSERT_EQ(MetaData.Num(), 2);
	EXPECT_EQ(MetaData[0].Key, FString(TEXT("IncludePath")));
	EXPECT_EQ(MetaData[0].Value, FString(TEXT("J5PackageFactory.h")));
	EXPECT_EQ(MetaData[1].Key, FString(TEXT("ModuleRelativePath")));
	EXPECT_EQ(MetaData[1].Value, FString(TEXT("Public/J5PackageFactory.h")));
}

TEST_F(FPackageFactoryTest, ScriptPackageIsCompiledInAndEditorOnlyWithTheFactoryAsItsOnlyClass)
{
	UClass* FactoryClass = StaticClass<UJ5PackageFactory>();
	const UPackage* ScriptPackage = FactoryClass->GetPackage();
	ASSERT_NE(ScriptPackage, nullptr);
	EXPECT_EQ(ScriptPackage->GetName(), FString(TEXT("/Script/TalvynSDKBaseEditor")));
	EXPECT_TRUE(ScriptPackage->HasAnyPackageFlags(PKG_CompiledIn));
	EXPECT_TRUE(ScriptPackage->HasAnyPackageFlags(PKG_EditorOnly));

	const TArray<HostTest::FCompiledInClassRecord> Classes = HostTest::GetCompiledInClasses(TEXT("/Script/TalvynSDKBaseEditor"));
	ASSERT_EQ(Classes.Num(), 1);
	EXPECT_EQ(Classes[0].Name, FString(TEXT("UJ5PackageFactory")));
}

TEST_F(FPackageFactoryTest, NewAssetMenuOffersPackageUnderTalvynAndCreatesIntoTheChosenFolder)
{
	const TArray<HostTest::FNewAssetMenuEntry> Menu = HostTest::GetNewAssetMenu();
	const HostTest::FNewAssetMenuEntry* Entry = HostTest::FindNewAssetMenuEntry(Menu, TEXT("Talvyn"), TEXT("Package"));
	ASSERT_NE(Entry, nullptr);
	EXPECT_EQ(Entry->FactoryClass, StaticClass<UJ5PackageFactory>());

	UObject* Created = HostTest::CreateAssetFromMenu(*Entry, TEXT("/Game/Talvyn/My Pack"), TEXT("Pack"));
	const UJ5Package* Package = Cast<UJ5Package>(Created);
	ASSERT_NE(Package, nullptr);
	EXPECT_EQ(Package->GetPackage()->GetName(), FString(TEXT("/Game/Talvyn/My Pack/Pack")));
	EXPECT_EQ(Package->PackageDirectory, FString(TEXT("/Game/Talvyn/My Pack")));
}

TEST(PackageFactoryLibrary, ClassIsRegisteredWhenTheLibraryLoadsBeforeStartup)
{
	// This program links the editor module, so its library loaded with the program; nothing has started it.
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("TalvynSDKBaseEditor")));
	const TArray<HostTest::FCompiledInClassRecord> Classes = HostTest::GetCompiledInClasses(TEXT("/Script/TalvynSDKBaseEditor"));
	ASSERT_EQ(Classes.Num(), 1);
	EXPECT_EQ(Classes[0].Name, FString(TEXT("UJ5PackageFactory")));
	bool bPackageRegistered = false;
	for (const HostTest::FCompiledInPackageRecord& Record : HostTest::GetCompiledInPackages())
	{
		bPackageRegistered |= Record.PackageName == TEXT("/Script/TalvynSDKBaseEditor");
	}
	EXPECT_TRUE(bPackageRegistered);
}

TEST(PackageFactoryLibrary, ExportsTheGeneratedFunctionsAndTheModuleButNotTheFactoryMembers)
{
	const std::set<std::string> Symbols = PackageFactoryTest::ExportedSymbols("libUnrealEditor-TalvynSDKBaseEditor.so");
	ASSERT_FALSE(Symbols.empty()) << "nm could not read the editor module's library";

	EXPECT_TRUE(Symbols.count("Z_Construct_UClass_UJ5PackageFactory()"));
	EXPECT_TRUE(Symbols.count("Z_Construct_UClass_UJ5PackageFactory_NoRegister()"));
	EXPECT_TRUE(Symbols.count("UClass* StaticClass<UJ5PackageFactory>()"));
	EXPECT_TRUE(Symbols.count("ThisIsAnUnrealEngineModule"));

	EXPECT_TRUE(Symbols.count("FTalvynSDKBaseEditorModule::StartupModule()"));
	EXPECT_TRUE(Symbols.count("FTalvynSDKBaseEditorModule::ShutdownModule()"));
	EXPECT_TRUE(Symbols.count("FTalvynSDKBaseEditorModule::TalvynColour()"));
	EXPECT_TRUE(Symbols.count("FTalvynSDKBaseEditorModule::GetQVRAssetCategory()"));
	EXPECT_TRUE(PackageFactoryTest::HasSymbolStartingWith(Symbols, "FTalvynSDKBaseEditorModule::QVRAssetCategoryBit"));

	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::MakeInstance()"));
	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::CustomizeDetails(IDetailLayoutBuilder&)"));
	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::RefreshDetails()"));
	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::IsButtonEnabled() const"));
	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::OnGetDependenciesClicked()"));
	EXPECT_TRUE(Symbols.count("FJ5PackageCustomization::OnGetCookFilesButtonTooltipText() const"));

	// The class has no export macro: none of its members is exported, neither those it declares nor those its
	// generated body declares (class accessor, constructors, destructor); only the registration functions are.
	const std::set<std::string> Registration = {
		"Z_Construct_UClass_UJ5PackageFactory()",
		"Z_Construct_UClass_UJ5PackageFactory_NoRegister()",
		"UClass* StaticClass<UJ5PackageFactory>()",
	};
	for (const std::string& Symbol : Symbols)
	{
		if (Symbol.find("UJ5PackageFactory") != std::string::npos)
		{
			EXPECT_TRUE(Registration.count(Symbol)) << Symbol;
		}
	}
	EXPECT_FALSE(PackageFactoryTest::HasSymbolStartingWith(Symbols, "UJ5PackageFactory::"));
}
