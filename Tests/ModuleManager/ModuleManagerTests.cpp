#include "HostTest/ModuleProbe.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	std::vector<std::string> GModuleEvents;
}

extern "C" __attribute__((visibility("default"))) void HostTestRecordModuleEvent(const char* Event)
{
	GModuleEvents.push_back(Event);
}

namespace
{
	/** Every case starts with no module loaded and ends by unloading all it loaded. */
	class ModuleManagerTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			HostTest::UnloadAllModules();
			GModuleEvents.clear();
		}

		virtual void TearDown() override
		{
			HostTest::UnloadAllModules();
		}
	};

	int32 GInProcessCreated = 0;

	class FInProcessModule : public IModuleInterface
	{
	public:
		virtual void StartupModule() override
		{
			GModuleEvents.push_back("InProcess:Startup");
		}

		virtual void ShutdownModule() override
		{
			GModuleEvents.push_back("InProcess:Shutdown");
		}
	};

	IModuleInterface* CreateInProcessModule()
	{
		++GInProcessCreated;
		return new FInProcessModule();
	}
}

TEST_F(ModuleManagerTest, LoadingALibraryModuleMapsRegistersAndStartsItOnce)
{
	EXPECT_FALSE(HostTest::IsModuleLibraryMapped(TEXT("HostTestAlpha")));
	EXPECT_FALSE(HostTest::IsModuleRegistered(TEXT("HostTestAlpha")));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("HostTestAlpha")));

	IModuleInterface* Module = FModuleManager::Get().LoadModule(TEXT("HostTestAlpha"));
	ASSERT_NE(Module, nullptr);
	EXPECT_TRUE(HostTest::IsModuleLibraryMapped(TEXT("HostTestAlpha")));
	EXPECT_TRUE(HostTest::IsModuleRegistered(TEXT("HostTestAlpha")));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("HostTestAlpha")));

	EXPECT_EQ(&FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("HostTestAlpha")), Module);
	EXPECT_EQ(&FModuleManager::GetModuleChecked<IModuleInterface>(TEXT("hosttestalpha")), Module);
	EXPECT_EQ(FModuleManager::GetModulePtr<IModuleInterface>(TEXT("HostTestAlpha")), Module);
	EXPECT_EQ(FModuleManager::LoadModulePtr<IModuleInterface>(TEXT("HostTestAlpha")), Module);
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Alpha:Created", "Alpha:Startup" }));
	EXPECT_EQ(HostTest::GetModuleLoadCount(TEXT("HostTestAlpha")), 1);
}

TEST_F(ModuleManagerTest, UnloadingShutsDownDestroysAndUnmapsTheLibrary)
{
	ASSERT_NE(FModuleManager::Get().LoadModule(TEXT("HostTestAlpha")), nullptr);
	const int32 UnloadsBefore = HostTest::GetModuleUnloadCount(TEXT("HostTestAlpha"));
	GModuleEvents.clear();

	EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("HostTestAlpha")));
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Alpha:Shutdown", "Alpha:Destroyed" }));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("HostTestAlpha")));
	EXPECT_EQ(FModuleManager::Get().GetModule(TEXT("HostTestAlpha")), nullptr);
	EXPECT_FALSE(HostTest::IsModuleRegistered(TEXT("HostTestAlpha")));
	EXPECT_FALSE(HostTest::IsModuleLibraryMapped(TEXT("HostTestAlpha")));
	EXPECT_EQ(HostTest::GetModuleUnloadCount(TEXT("HostTestAlpha")), UnloadsBefore + 1);
	EXPECT_FALSE(FModuleManager::Get().UnloadModule(TEXT("HostTestAlpha")));

	// A second load maps the library again and makes a fresh module.
	const int32 LoadsBefore = HostTest::GetModuleLoadCount(TEXT("HostTestAlpha"));
	GModuleEvents.clear();
	ASSERT_NE(FModuleManager::Get().LoadModule(TEXT("HostTestAlpha")), nullptr);
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Alpha:Created", "Alpha:Startup" }));
	EXPECT_EQ(HostTest::GetModuleLoadCount(TEXT("HostTestAlpha")), LoadsBefore + 1);
}

TEST_F(ModuleManagerTest, AModuleMayLoadOthersWhileStartingAndShutsDownBeforeThem)
{
	ASSERT_NE(FModuleManager::Get().LoadModule(TEXT("HostTestBeta")), nullptr);
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Beta:Startup", "Alpha:Created", "Alpha:Startup", "Beta:FoundItself" }));

	const TArray<FName> Loaded = HostTest::GetLoadedModules();
	ASSERT_EQ(Loaded.Num(), 2);
	EXPECT_EQ(Loaded[0], FName(TEXT("HostTestAlpha")));
	EXPECT_EQ(Loaded[1], FName(TEXT("HostTestBeta")));

	GModuleEvents.clear();
	HostTest::UnloadAllModules();
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Beta:Shutdown:AlphaLoaded", "Alpha:Shutdown", "Alpha:Destroyed" }));
	EXPECT_EQ(HostTest::GetLoadedModules().Num(), 0);
}

TEST_F(ModuleManagerTest, ModulesOutsideTheExecutablesDirectoryLoadOnceTheirDirectoryIsAdded)
{
	EModuleLoadResult Result = EModuleLoadResult::Success;
	EXPECT_EQ(FModuleManager::Get().LoadModuleWithFailureReason(TEXT("HostTestGamma"), Result), nullptr);
	EXPECT_EQ(Result, EModuleLoadResult::FileNotFound);

	HostTest::AddModuleDirectory(TEXT(HOST_TEST_EXTRA_MODULE_DIR));
	EXPECT_NE(FModuleManager::Get().LoadModuleWithFailureReason(TEXT("HostTestGamma"), Result), nullptr);
	EXPECT_EQ(Result, EModuleLoadResult::Success);
	EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "Gamma:Startup" }));
}

TEST_F(ModuleManagerTest, LibrariesThatAreNotModulesAreRefusedAndReleased)
{
	EModuleLoadResult Result = EModuleLoadResult::Success;
	EXPECT_EQ(FModuleManager::Get().LoadModuleWithFailureReason(TEXT("HostTestNotAModule"), Result), nullptr);
	EXPECT_EQ(Result, EModuleLoadResult::FileIncompatible);
	EXPECT_FALSE(HostTest::IsModuleLibraryMapped(TEXT("HostTestNotAModule")));
	EXPECT_EQ(FModuleManager::Get().LoadModule(TEXT("HostTestNoSuchModule")), nullptr);
	EXPECT_EQ(FModuleManager::GetModulePtr<IModuleInterface>(TEXT("HostTestNoSuchModule")), nullptr);
}

TEST_F(ModuleManagerTest, ModulesAlreadyInTheProcessAreUsedWithoutLoadingALibrary)
{
	GInProcessCreated = 0;
	{
		FModuleInitializerEntry Entry(TEXT("HostTestInProcess"), &CreateInProcessModule, TEXT("ModuleManagerTests"));
		EXPECT_TRUE(HostTest::IsModuleRegistered(TEXT("hosttestinprocess")));
		EXPECT_EQ(FModuleInitializerEntry::FindModule(TEXT("HOSTTESTINPROCESS")), &CreateInProcessModule);

		IModuleInterface* Module = FModuleManager::Get().LoadModule(TEXT("HostTestInProcess"));
		ASSERT_NE(Module, nullptr);
		EXPECT_EQ(FModuleManager::Get().LoadModule(TEXT("HostTestInProcess")), Module);
		EXPECT_EQ(GInProcessCreated, 1);
		EXPECT_FALSE(HostTest::IsModuleLibraryMapped(TEXT("HostTestInProcess")));
		EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("HostTestInProcess")));
		EXPECT_EQ(GModuleEvents, (std::vector<std::string> { "InProcess:Startup", "InProcess:Shutdown" }));
	}
	EXPECT_FALSE(HostTest::IsModuleRegistered(TEXT("HostTestInProcess")));
	EXPECT_EQ(FModuleManager::Get().LoadModule(TEXT("HostTestInProcess")), nullptr);
}

TEST(ModuleManagerDeathTest, LoadModuleCheckedFailsLoudlyNamingTheModule)
{
	EXPECT_DEATH(FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("HostTestNoSuchModule")), "HostTestNoSuchModule");
}
