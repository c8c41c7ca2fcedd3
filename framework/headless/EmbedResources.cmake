# cmake -DSCRIPT=<rc> -DHEADER=<h> -DOUTPUT=<cpp> -P EmbedResources.cmake
# Writes the two files as byte arrays (they hold Windows-1252 text, so no string literals).
function(byte_array file name out)
  set(bytes "")
  if(EXISTS ${file})
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
                         "\\1\n    " bytes "${bytes}")
  endif()
  set(${out} "extern const unsigned char ${name}[] = {\n    ${bytes}0x00};\nextern const std::size_t ${name}Size = sizeof(${name}) - 1;\n" PARENT_SCOPE)
endfunction()

byte_array(${SCRIPT} kProgramResourceScript script)
byte_array(${HEADER} kProgramResourceHeader header)
file(WRITE ${OUTPUT} "// Generated from the resource script and header; do not edit.\n#include \"framework/headless/EmbeddedResources.h\"\n\nnamespace headless {\n\n${script}\n${header}\n} // namespace headless\n")
