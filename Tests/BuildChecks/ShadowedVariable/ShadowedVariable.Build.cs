using UnrealBuildTool;

public class ShadowedVariable : ModuleRules
{
	public ShadowedVariable(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
