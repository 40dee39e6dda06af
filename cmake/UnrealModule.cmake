# Builds engine-style modules from their .Build.cs rules.
#
# Every module becomes a shared library libUnrealEditor-<Name>.so whose links are
# exactly the dependency lists of its rules file, plus an interface target
# <Name>_Headers that carries its include paths and export macro. Include-path-only
# dependencies link the _Headers target, which brings headers but no library, so a
# call into such a module fails to link as it does in the engine.
#
# A PLUGIN module is compiled as the engine's build tool compiles a plugin's module:
# its sources as one unity file (Module.<Name>.cpp, every .cpp #included in path
# order) and its reflection code as another (Module.<Name>.gen.cpp), with the
# engine's warnings as errors (UE_PLUGIN_WARNINGS). Two check-only object libraries
# go with it: <Name>_Files compiles every .cpp on its own (a missing include that the
# unity file hides), <Name>_Headers_Alone compiles every header on its own.
# BUILD_CHECK modules are the same, but stay out of the default build and out of
# UE_MODULES: the build's own tests build them and expect a failure.

set(UE_EXPORT_ATTRIBUTE "__attribute__((visibility(\"default\")))")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(ue_add_module ModuleDir)
	cmake_parse_arguments(ARG "EDITOR_ONLY;PLUGIN;BUILD_CHECK" "" "" ${ARGN})
	if(ARG_BUILD_CHECK)
		set(ARG_PLUGIN ON)
	endif()
	file(GLOB RulesFile "${ModuleDir}/*.Build.cs")
	list(LENGTH RulesFile RulesCount)
	if(NOT RulesCount EQUAL 1)
		message(FATAL_ERROR "${ModuleDir}: expected exactly one .Build.cs, found ${RulesCount}")
	endif()
	get_filename_component(Name "${RulesFile}" NAME)
	string(REGEX REPLACE "\\.Build\\.cs$" "" Name "${Name}")
	string(TOUPPER "${Name}" Upper)

	execute_process(
		COMMAND "${Python3_EXECUTABLE}" "${UE_TOOLS_DIR}/build_rules.py" "${RulesFile}"
		OUTPUT_VARIABLE Rules
		RESULT_VARIABLE RulesResult
		ERROR_VARIABLE RulesError)
	if(NOT RulesResult EQUAL 0)
		message(FATAL_ERROR "${RulesFile}: ${RulesError}")
	endif()
	set(RulesCMake "${CMAKE_BINARY_DIR}/Rules/${Name}.cmake")
	file(WRITE "${RulesCMake}" "${Rules}")
	include("${RulesCMake}")
	set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${RulesFile}")

	# Reflection code, as the header tool writes it, for every header that declares a UCLASS.
	set(GeneratedDir "${CMAKE_BINARY_DIR}/Generated/${Name}/UHT")
	file(GLOB_RECURSE Headers CONFIGURE_DEPENDS "${ModuleDir}/Public/*.h" "${ModuleDir}/Classes/*.h" "${ModuleDir}/Private/*.h")
	set(ReflectedHeaders "")
	foreach(Header IN LISTS Headers)
		file(STRINGS "${Header}" Marks REGEX "^[ \t]*UCLASS[ \t]*\\(")
		if(Marks)
			list(APPEND ReflectedHeaders "${Header}")
		endif()
	endforeach()
	set(GeneratedSources "")
	if(ReflectedHeaders)
		set(GeneratedFiles "")
		foreach(Header IN LISTS ReflectedHeaders)
			get_filename_component(Base "${Header}" NAME_WE)
			list(APPEND GeneratedFiles "${GeneratedDir}/${Base}.generated.h" "${GeneratedDir}/${Base}.gen.cpp")
			list(APPEND GeneratedSources "${GeneratedDir}/${Base}.gen.cpp")
		endforeach()
		list(APPEND GeneratedFiles "${GeneratedDir}/${Name}.init.gen.cpp")
		list(APPEND GeneratedSources "${GeneratedDir}/${Name}.init.gen.cpp")
		set(EditorOnlyFlag "")
		if(ARG_EDITOR_ONLY)
			set(EditorOnlyFlag "--editor-only")
		endif()
		set(Stamp "${GeneratedDir}/${Name}.uht.stamp")
		add_custom_command(
			OUTPUT "${Stamp}"
			BYPRODUCTS ${GeneratedFiles}
			COMMAND "${Python3_EXECUTABLE}" "${UE_TOOLS_DIR}/uht.py" --module "${Name}" --module-dir "${ModuleDir}"
				--out "${GeneratedDir}" ${EditorOnlyFlag} ${ReflectedHeaders}
			COMMAND "${CMAKE_COMMAND}" -E touch "${Stamp}"
			DEPENDS ${ReflectedHeaders} "${UE_TOOLS_DIR}/uht.py"
			COMMENT "Generating reflection code for ${Name}"
			VERBATIM)
		add_custom_target(${Name}_Reflection DEPENDS "${Stamp}")
	endif()

	add_library(${Name}_Headers INTERFACE)
	foreach(Root Public Classes)
		if(EXISTS "${ModuleDir}/${Root}")
			target_include_directories(${Name}_Headers INTERFACE "${ModuleDir}/${Root}")
		endif()
	endforeach()
	target_include_directories(${Name}_Headers INTERFACE "${GeneratedDir}")
	target_compile_definitions(${Name}_Headers INTERFACE "${Upper}_API=${UE_EXPORT_ATTRIBUTE}")
	foreach(Dependency IN LISTS UE_PublicDependencyModuleNames UE_PublicIncludePathModuleNames)
		target_link_libraries(${Name}_Headers INTERFACE ${Dependency}_Headers)
	endforeach()
	if(ReflectedHeaders)
		add_dependencies(${Name}_Headers ${Name}_Reflection)
	endif()

	file(GLOB_RECURSE Sources CONFIGURE_DEPENDS "${ModuleDir}/Private/*.cpp")
	list(SORT Sources)
	if(NOT Sources AND NOT GeneratedSources)
		# A module of headers only still has its library, as in the engine.
		set(Sources "${CMAKE_BINARY_DIR}/Rules/${Name}.Empty.cpp")
		file(WRITE "${Sources}" "")
	endif()
	if(ARG_PLUGIN)
		set(UnityDir "${CMAKE_BINARY_DIR}/Unity/${Name}")
		ue_write_unity_file("${UnityDir}/Module.${Name}.cpp" ${Sources})
		set(ModuleSources "${UnityDir}/Module.${Name}.cpp")
		if(GeneratedSources)
			ue_write_unity_file("${UnityDir}/Module.${Name}.gen.cpp" ${GeneratedSources})
			list(APPEND ModuleSources "${UnityDir}/Module.${Name}.gen.cpp")
		endif()
	else()
		set(ModuleSources ${Sources} ${GeneratedSources})
	endif()
	add_library(${Name} SHARED ${ModuleSources})
	set_target_properties(${Name} PROPERTIES
		OUTPUT_NAME "UnrealEditor-${Name}"
		LINKER_LANGUAGE CXX)
	if(ReflectedHeaders)
		add_dependencies(${Name} ${Name}_Reflection)
	endif()
	target_include_directories(${Name} PRIVATE "${ModuleDir}/Private" "${UE_TEST_SUPPORT_DIR}")
	target_compile_definitions(${Name} PRIVATE "UE_MODULE_NAME=\"${Name}\"")
	target_link_libraries(${Name} PUBLIC ${Name}_Headers)
	foreach(Dependency IN LISTS UE_PublicDependencyModuleNames)
		target_link_libraries(${Name} PUBLIC ${Dependency})
	endforeach()
	foreach(Dependency IN LISTS UE_PrivateDependencyModuleNames)
		target_link_libraries(${Name} PRIVATE ${Dependency})
	endforeach()
	foreach(Dependency IN LISTS UE_PrivateIncludePathModuleNames)
		target_link_libraries(${Name} PRIVATE ${Dependency}_Headers)
	endforeach()
	target_link_options(${Name} PRIVATE "-Wl,--no-undefined")

	if(ARG_PLUGIN)
		ue_use_plugin_warnings(${Name})

		# Every source on its own, with the module's settings: objects nothing links.
		add_library(${Name}_Files OBJECT ${Sources})
		ue_copy_compile_settings(${Name}_Files ${Name})

		# Every header on its own, the way a source that includes it first sees it.
		file(GLOB_RECURSE ModuleHeaders CONFIGURE_DEPENDS "${ModuleDir}/*.h")
		list(SORT ModuleHeaders)
		set(HeaderSources "")
		foreach(Header IN LISTS ModuleHeaders)
			file(RELATIVE_PATH RelativeHeader "${ModuleDir}" "${Header}")
			set(HeaderSource "${CMAKE_BINARY_DIR}/HeadersAlone/${Name}/${RelativeHeader}.cpp")
			file(CONFIGURE OUTPUT "${HeaderSource}" CONTENT "#include \"${Header}\"\n")
			list(APPEND HeaderSources "${HeaderSource}")
		endforeach()
		if(HeaderSources)
			add_library(${Name}_Headers_Alone OBJECT ${HeaderSources})
			ue_copy_compile_settings(${Name}_Headers_Alone ${Name})
		endif()
	endif()

	if(ARG_BUILD_CHECK)
		foreach(Target ${Name} ${Name}_Files ${Name}_Headers_Alone)
			if(TARGET ${Target})
				set_target_properties(${Target} PROPERTIES EXCLUDE_FROM_ALL ON)
			endif()
		endforeach()
	else()
		set_property(GLOBAL APPEND PROPERTY UE_MODULES ${Name})
	endif()
	set_property(GLOBAL PROPERTY UE_MODULE_DYNAMIC_${Name} "${UE_DynamicallyLoadedModuleNames}")
endfunction()

# Writes a unity file that #includes the given sources in the given order; an unchanged file is left alone.
function(ue_write_unity_file Path)
	set(Content "// Unity file of the host build: every source of the module in one translation unit.\n")
	foreach(Source IN LISTS ARGN)
		string(APPEND Content "#include \"${Source}\"\n")
	endforeach()
	file(CONFIGURE OUTPUT "${Path}" CONTENT "${Content}")
endfunction()

# A plugin module's warnings replace the host's own.
function(ue_use_plugin_warnings Target)
	get_target_property(Options ${Target} COMPILE_OPTIONS)
	if(NOT Options)
		set(Options "")
	endif()
	list(REMOVE_ITEM Options ${UE_HOST_WARNINGS})
	list(APPEND Options ${UE_PLUGIN_WARNINGS})
	set_target_properties(${Target} PROPERTIES COMPILE_OPTIONS "${Options}")
endfunction()

# Compiles a check-only object library exactly as the module's own sources: include paths, definitions, warnings.
function(ue_copy_compile_settings Target Module)
	target_link_libraries(${Target} PRIVATE ${Module})
	foreach(Property INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS)
		set_property(TARGET ${Target} PROPERTY ${Property} "$<TARGET_PROPERTY:${Module},${Property}>")
	endforeach()
	add_dependencies(${Target} ${Module}_Headers)
	if(TARGET ${Module}_Reflection)
		add_dependencies(${Target} ${Module}_Reflection)
	endif()
endfunction()
