# Cross-compiling to WebAssembly with Debian's Emscripten (its configuration points at the
# system's LLVM, binaryen and node, and at its prebuilt, frozen library cache). The programs
# and tests of this build run under node.
set(LUMETRIX_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Where Emscripten is installed")

# Emscripten's own choice would pass node a flag that today's node rejects; the node programs
# carry their WebAssembly inside them (see lumetrix_node_program), so plain node runs them.
find_program(LUMETRIX_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMETRIX_NODE})

include(${LUMETRIX_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# The linker's JavaScript optimiser needs the acorn parser, which Debian installs among its
# node modules, not beside Emscripten.
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
