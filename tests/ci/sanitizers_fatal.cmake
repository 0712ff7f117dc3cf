# Builds a program with undefined behaviour (a signed overflow) with the flags of each
# sanitizer build, the fuzz preset's and those of PYRANA_SANITIZE, and runs it without any
# sanitizer options: the report must end it with a failure, or a fuzzer or test that
# meets undefined behaviour would go on and pass.
# cmake -DSOURCE_DIR=... -DWORK_DIR=... -DCOMPILER=clang++ "-DSANITIZE_FLAGS=..." -P this
file(READ "${SOURCE_DIR}/CMakePresets.json" presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
set(fuzz_flags "")
foreach(i RANGE ${last})
  string(JSON name GET "${presets}" configurePresets ${i} name)
  if(name STREQUAL "fuzz")
    string(JSON fuzz_flags GET "${presets}" configurePresets ${i} cacheVariables CMAKE_CXX_FLAGS)
  endif()
endforeach()
if(fuzz_flags STREQUAL "")
  message(FATAL_ERROR "no CMAKE_CXX_FLAGS in the fuzz preset")
endif()
# Instrumentation for libFuzzer needs its runtime; the sanitizers are what is checked.
string(REPLACE "fuzzer-no-link," "" fuzz_flags "${fuzz_flags}")

file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/overflow.cpp"
     "#include <climits>\nint main(int argc, char**) {\n  int x = INT_MAX - 1;\n"
     "  x += argc + 1;\n  return x == 0 ? 7 : 0;\n}\n")
set(ENV{UBSAN_OPTIONS} "")
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
foreach(build fuzz PYRANA_SANITIZE)
  if(build STREQUAL "fuzz")
    separate_arguments(flags UNIX_COMMAND "${fuzz_flags}")
  else()
    separate_arguments(flags UNIX_COMMAND "${SANITIZE_FLAGS}")
  endif()
  execute_process(COMMAND "${COMPILER}" ${flags} -o "${WORK_DIR}/overflow_${build}"
                          "${WORK_DIR}/overflow.cpp"
                  RESULT_VARIABLE built ERROR_VARIABLE build_error)
  if(NOT built EQUAL 0)
    message(FATAL_ERROR "${build}: ${COMPILER} ${flags} failed: ${build_error}")
  endif()
  execute_process(COMMAND "${WORK_DIR}/overflow_${build}" RESULT_VARIABLE ran ERROR_VARIABLE report)
  if(NOT report MATCHES "runtime error: signed integer overflow")
    message(FATAL_ERROR "${build}: no sanitizer report: ${report}")
  endif()
  if(ran EQUAL 0)
    message(FATAL_ERROR "${build} (${flags}): undefined behaviour was reported, and the program "
                        "went on and exited 0")
  endif()
  message(STATUS "${build}: the report ended the program (${ran})")
endforeach()
