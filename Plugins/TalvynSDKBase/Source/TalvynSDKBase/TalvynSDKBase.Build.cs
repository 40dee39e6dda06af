using UnrealBuildTool;

public class TalvynSDKBase : ModuleRules
{
	public TalvynSDKBase(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry" });

		if (Target.bBuildEditor)
		{
			// Export: packaging settings, and the editor's notifications for the tools it runs.
			PrivateDependencyModuleNames.AddRange(new string[] { "DeveloperToolSettings", "Slate", "SlateCore" });
		}
	}
}
