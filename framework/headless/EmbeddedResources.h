// The program's resource script and resource header, embedded at build time (the generated
// EmbeddedResources.cpp). Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_EMBEDDEDRESOURCES_H
#define LUMETRIX_FRAMEWORK_HEADLESS_EMBEDDEDRESOURCES_H

#include <cstddef>

namespace headless {

extern const unsigned char kProgramResourceScript[];
extern const std::size_t kProgramResourceScriptSize;
extern const unsigned char kProgramResourceHeader[];
extern const std::size_t kProgramResourceHeaderSize;

} // namespace headless

#endif
