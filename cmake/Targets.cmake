# lumetrix_warnings(target...): our own code compiles with the compiler's common warnings.
# Third-party code (googletest) keeps its own flags. Whether a warning stops the build is
# CMAKE_COMPILE_WARNING_AS_ERROR's choice, which the presets turn on.
function(lumetrix_warnings)
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
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
