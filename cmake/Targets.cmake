# lumetrix_warnings(target...): our own code compiles with the compiler's common warnings.
# Third-party code (googletest) keeps its own flags. Whether a warning stops the build is
# CMAKE_COMPILE_WARNING_AS_ERROR's choice, which the presets turn on.
function(lumetrix_warnings)
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endforeach()
endfunction()

# lumetrix_test_code(target...): a test suite's own code is built without optimization, which
# halves its compile time; the program's code that it drives keeps the build's optimization.
# GoogleTest's header, more than half of a test file's compile time, is precompiled once per
# suite.
function(lumetrix_test_code)
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE -O0)
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <string> <vector>)
  endforeach()
endfunction()

# lumetrix_library(name SOURCES ... [DEPENDS ...]): a static library of our own code.
function(lumetrix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  lumetrix_warnings(${name})
  if(ARG_DEPENDS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  endif()
endfunction()

# lumetrix_googletest_from_source(): GoogleTest built with this build's toolchain, where no
# installed one fits (the cross builds); its targets GTest::gtest and GTest::gtest_main are
# those of an installed one.
function(lumetrix_googletest_from_source)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ${EMSCRIPTEN} CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest is not ours: it keeps its own warning flags, and they never stop our build.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
endfunction()

# lumetrix_node_program(target...): in the WebAssembly build, programs that run under node:
# one JavaScript file each with the WebAssembly inside (so that node needs no flag to load
# it), the host's files and environment through node, and main's result as the exit status.
function(lumetrix_node_program)
  if(EMSCRIPTEN)
    foreach(target IN LISTS ARGN)
      target_link_options(${target} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1
                          -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1
                          "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/cmake/node-environment.js")
    endforeach()
  endif()
endfunction()
