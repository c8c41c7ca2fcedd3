// The resource set and the functions that load from it.
#include "framework/headless/Resources.h"

#include "framework/headless/EmbeddedResources.h"
#include "framework/headless/GdiObjects.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace headless {
namespace {

// A broken program script is a build fault: stop at once with the reader's message.
ResourceSet ProgramResources() {
    ResourceSet resources;
    std::string script(reinterpret_cast<const char*>(kProgramResourceScript),
                       kProgramResourceScriptSize);
    std::string header(reinterpret_cast<const char*>(kProgramResourceHeader),
                       kProgramResourceHeaderSize);
    std::string error;
    if (!ParseResourceScript(script, header, resources, error)) {
        std::fprintf(stderr, "resources/lumetrix.rc, %s\n", error.c_str());
        std::abort();
    }
    return resources;
}

} // namespace

ResourceSet& Resources() {
    static ResourceSet resources = ProgramResources();
    return resources;
}

int ResourceId(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
    }
    if (name[0] == '#') {
        return std::atoi(name + 1);
    }
    return 0;
}

} // namespace headless

HMODULE GetModuleHandleA(LPCSTR) {
    // Any non-null value: the headless backend has a single module.
    return reinterpret_cast<HMODULE>(0x400000);
}

namespace {

#ifdef __EMSCRIPTEN__
// Under node the program is the script that node runs; a page names the program file it
// made in its own file system (web/filesystem.js).
ssize_t ProgramPath(LPSTR buffer, DWORD size) {
    return EM_ASM_INT(
        {
            const path =
                Module.programPath ||
                (typeof process == "object" && process.argv.length > 1 ? process.argv[1] : "");
            stringToUTF8(path, $0, $1);
            return Math.min(lengthBytesUTF8(path), $1 - 1);
        },
        buffer, size);
}
#else
ssize_t ProgramPath(LPSTR buffer, DWORD size) {
    return ::readlink("/proc/self/exe", buffer, size - 1);
}
#endif

} // namespace

DWORD GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const ssize_t length = ProgramPath(buffer, size);
    buffer[length > 0 ? length : 0] = '\0';
    return length > 0 ? static_cast<DWORD>(length) : 0;
}

int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    const auto& strings = headless::Resources().strings;
    auto found = strings.find(static_cast<int>(id));
    std::string text = found == strings.end() ? "" : found->second;
    std::size_t length = std::min<std::size_t>(text.size(), bufferMax - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

HICON LoadIconA(HINSTANCE, LPCSTR iconName) {
    // The system's icons (IDI_HAND to IDI_ASTERISK and their neighbours) are always there.
    constexpr int kFirstSystemIcon = 32512;
    constexpr int kLastSystemIcon = 32518;
    int id = headless::ResourceId(iconName);
    bool systemIcon = id >= kFirstSystemIcon && id <= kLastSystemIcon;
    if (!systemIcon && headless::Resources().icons.count(id) == 0) {
        return nullptr;
    }
    return headless::IconHandle(id);
}

HBITMAP LoadBitmapA(HINSTANCE, LPCSTR bitmapName) {
    int id = headless::ResourceId(bitmapName);
    if (headless::Resources().bitmaps.count(id) == 0) {
        return nullptr;
    }
    return headless::BitmapHandle(id);
}
