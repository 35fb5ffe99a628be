# The fuzz harnesses of fuzz/ need clang's libFuzzer, so they are a project
# of their own built with clang++ when it is installed, whatever compiler
# builds the program. Each harness then runs a few thousand inputs as a test.
option(VERSALUNE_FUZZ "Build the fuzz harnesses when clang is installed" ON)
set(VERSALUNE_FUZZ_RUNS 4000 CACHE STRING "Inputs each fuzz harness runs as a test")
if(NOT VERSALUNE_FUZZ)
  return()
endif()
find_program(VERSALUNE_CLANGXX NAMES clang++)
if(NOT VERSALUNE_CLANGXX)
  message(STATUS "clang++ not found: the fuzz harnesses are not built")
  return()
endif()

include(ExternalProject)
set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz_harnesses
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${fuzz_binary_dir}
  CMAKE_ARGS
    -DCMAKE_CXX_COMPILER=${VERSALUNE_CLANGXX}
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    -DCMAKE_PREFIX_PATH=${CMAKE_PREFIX_PATH}
    -DQt6_DIR=${Qt6_DIR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)

file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(source IN LISTS fuzz_sources)
  get_filename_component(name ${source} NAME_WE)
  # New inputs go to a work directory in the build; the seeds in the source
  # tree are only read.
  set(work ${fuzz_binary_dir}/corpus/${name})
  file(MAKE_DIRECTORY ${work})
  set(seeds ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  add_test(NAME ${name}
    COMMAND ${fuzz_binary_dir}/${name} -runs=${VERSALUNE_FUZZ_RUNS} -seed=1 -max_len=8192
            -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 ${work} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endforeach()
