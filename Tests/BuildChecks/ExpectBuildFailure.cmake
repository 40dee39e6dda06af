# Builds TARGET in BUILD_DIR and passes only if the build fails with output matching EXPECTED.
execute_process(
	COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target "${TARGET}"
	RESULT_VARIABLE Result
	OUTPUT_VARIABLE Output
	ERROR_VARIABLE Output)
if(Result EQUAL 0)
	message(FATAL_ERROR "${TARGET} built, but its build should have failed with: ${EXPECTED}\n${Output}")
endif()
if(NOT Output MATCHES "${EXPECTED}")
	message(FATAL_ERROR "${TARGET} failed, but not with: ${EXPECTED}\n${Output}")
endif()
message(STATUS "${TARGET} failed as expected.")
