#!/usr/bin/env python3
"""Reads a module's .Build.cs the way the host build needs it.

Prints one CMake `set()` per dependency list so that a module's links come from
its rules file alone. The host is an editor target, so `if (Target.bBuildEditor)`
blocks are taken; blocks that test for a non-editor target are skipped.
"""
import re
import sys

LISTS = (
	"PublicDependencyModuleNames",
	"PrivateDependencyModuleNames",
	"PublicIncludePathModuleNames",
	"PrivateIncludePathModuleNames",
	"DynamicallyLoadedModuleNames",
)


def strip_comments(text):
	text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
	return re.sub(r"//[^\n]*", "", text)


def drop_non_editor_blocks(text):
	"""Removes the bodies of `if (!Target.bBuildEditor)` / `== false` blocks."""
	pattern = re.compile(r"if\s*\(\s*(!\s*Target\.bBuildEditor|Target\.bBuildEditor\s*==\s*false)\s*\)\s*\{")
	while True:
		match = pattern.search(text)
		if not match:
			return text
		depth = 1
		index = match.end()
		while index < len(text) and depth:
			depth += {"{": 1, "}": -1}.get(text[index], 0)
			index += 1
		text = text[:match.start()] + text[index:]


def read_lists(text):
	found = {name: [] for name in LISTS}
	for name in LISTS:
		for call in re.finditer(name + r"\s*\.\s*(AddRange|Add)\s*\((.*?)\)\s*;", text, flags=re.S):
			for module in re.findall(r'"([^"]+)"', call.group(2)):
				if module not in found[name]:
					found[name].append(module)
	return found


def main():
	if len(sys.argv) != 2:
		sys.exit("usage: build_rules.py <Module.Build.cs>")
	with open(sys.argv[1], encoding="utf-8") as handle:
		text = drop_non_editor_blocks(strip_comments(handle.read()))
	if not re.search(r"class\s+\w+\s*:\s*ModuleRules", text):
		sys.exit(f"{sys.argv[1]}: no ModuleRules class found")
	for name, modules in read_lists(text).items():
		print(f"set(UE_{name} \"{';'.join(modules)}\")")


if __name__ == "__main__":
	main()
