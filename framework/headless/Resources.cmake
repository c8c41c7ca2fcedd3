# Embeds the program's resource script and resource header into the headless window system,
# which reads its dialog templates from them at run time.
set(LUMETRIX_EMBEDDED_RESOURCES ${CMAKE_BINARY_DIR}/generated/EmbeddedResources.cpp)
set(LUMETRIX_RESOURCE_SOURCES
    ${CMAKE_SOURCE_DIR}/resources/lumetrix.rc
    ${CMAKE_SOURCE_DIR}/resources/resource.h)
add_custom_command(
  OUTPUT ${LUMETRIX_EMBEDDED_RESOURCES}
  COMMAND ${CMAKE_COMMAND} -DSCRIPT=${CMAKE_SOURCE_DIR}/resources/lumetrix.rc
          -DHEADER=${CMAKE_SOURCE_DIR}/resources/resource.h
          -DOUTPUT=${LUMETRIX_EMBEDDED_RESOURCES}
          -P ${CMAKE_SOURCE_DIR}/framework/headless/EmbedResources.cmake
  DEPENDS ${LUMETRIX_RESOURCE_SOURCES} ${CMAKE_SOURCE_DIR}/framework/headless/EmbedResources.cmake
  COMMENT "Embedding the resource script"
  VERBATIM)
target_sources(lumetrix_framework PRIVATE ${LUMETRIX_EMBEDDED_RESOURCES})
