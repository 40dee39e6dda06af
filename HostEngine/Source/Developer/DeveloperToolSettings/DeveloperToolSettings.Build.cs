using UnrealBuildTool;

public class DeveloperToolSettings : ModuleRules
{
	public DeveloperToolSettings(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject" });
	}
}
