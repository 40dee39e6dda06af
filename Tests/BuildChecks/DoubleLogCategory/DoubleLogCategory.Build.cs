using UnrealBuildTool;

public class DoubleLogCategory : ModuleRules
{
	public DoubleLogCategory(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
