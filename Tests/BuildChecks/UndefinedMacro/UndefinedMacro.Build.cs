using UnrealBuildTool;

public class UndefinedMacro : ModuleRules
{
	public UndefinedMacro(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
