# Builds engine-style modules from their .Build.cs rules.
#
# Every module becomes a shared library libUnrealEditor-<Name>.so whose links are
# exactly the dependency lists of its rules file, plus an interface target
# <Name>_Headers that carries its include paths and export macro. Include-path-only
# dependencies link the _Headers target, which brings headers but no library, so a
# call into such a module fails to link as it does in the engine.

set(UE_EXPORT_ATTRIBUTE "__attribute__((visibility(\"default\")))")
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(ue_add_module ModuleDir)
	cmake_parse_arguments(ARG "EDITOR_ONLY" "" "" ${ARGN})
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
	if(NOT Sources AND NOT GeneratedSources)
		# A module of headers only still has its library, as in the engine.
		set(Sources "${CMAKE_BINARY_DIR}/Rules/${Name}.Empty.cpp")
		file(WRITE "${Sources}" "")
	endif()
	add_library(${Name} SHARED ${Sources} ${GeneratedSources})
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

	set_property(GLOBAL APPEND PROPERTY UE_MODULES ${Name})
	set_property(GLOBAL PROPERTY UE_MODULE_DYNAMIC_${Name} "${UE_DynamicallyLoadedModuleNames}")
endfunction()
