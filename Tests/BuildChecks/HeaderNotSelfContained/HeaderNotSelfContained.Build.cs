using UnrealBuildTool;

public class HeaderNotSelfContained : ModuleRules
{
	public HeaderNotSelfContained(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
