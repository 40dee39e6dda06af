using UnrealBuildTool;

public class TalvynSDKBase : ModuleRules
{
	public TalvynSDKBase(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "DeveloperSettings", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry" });

		if (Target.bBuildEditor)
		{
			// Export: packaging settings and the editor's notifications for the tools it runs; the editor's
			// transactions, so that every change is a step of undo; for copying dependencies, saving. AssetTools
			// is reached through the module manager.
			PrivateDependencyModuleNames.AddRange(new string[] { "DeveloperToolSettings", "Slate", "SlateCore", "UnrealEd" });
			PrivateIncludePathModuleNames.AddRange(new string[] { "AssetTools" });
			DynamicallyLoadedModuleNames.AddRange(new string[] { "AssetTools" });
		}
	}
}
