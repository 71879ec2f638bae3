# The Windows build of ravoxel-cli under Wine, run with cmake -P: a source whose name holds
# double-byte characters with a 0x5C second byte (ソ, 表) converts beside itself, byte for byte
# as the golden file, and a second run refuses the existing output and leaves it as it was.
# Variables: EMULATOR, CLI, SOURCE (a copy of ncworks_swiss_lathe_sample.m), GOLDEN.
cmake_path(REPLACE_EXTENSION SOURCE LAST_ONLY .NC1 OUTPUT_VARIABLE output)
file(REMOVE "${output}")

function(run_cli expected_status)
  execute_process(COMMAND ${EMULATOR} "${CLI}" -a x "Z:${SOURCE}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE text)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "ravoxel-cli exited ${status}, expected ${expected_status}: ${text}")
  endif()
endfunction()

run_cli(0)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${output}" "${GOLDEN}"
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${output} differs from ${GOLDEN}")
endif()

file(WRITE "${output}" "old")
run_cli(1)
file(READ "${output}" kept)
if(NOT kept STREQUAL "old")
  message(FATAL_ERROR "an existing output was changed without --force")
endif()
