# Shared by the run and test commands.

BUILD_PACKAGES=(cmake ninja-build ccache g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
                googletest libbenchmark-dev libmpfr-dev python3)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
                  wine wine32:i386 fonts-wine xvfb xauth imagemagick x11-apps)
PACKAGING_PACKAGES=(nsis)
# clang-tidy reads the Windows build's files with MinGW's headers and the browser's with
# Emscripten's.
TIDY_PACKAGES=(clang-tidy g++-mingw-w64-i686-posix emscripten)
# The page's tests drive Debian's Chromium over the DevTools protocol with Debian's WebSocket
# client (node-ws); the page's pictures are converted with ImageMagick, its font is Liberation.
WASM_PACKAGES=(emscripten nodejs googletest chromium node-ws imagemagick fonts-liberation)

step() { printf '\n== %s\n' "$*"; }

# Runs a command to its end, at most SECONDS; one that does not end by then is ended, and the
# message names what did not end.
within() { # seconds what command...
    local status=0
    timeout --kill-after=10 "$1" "${@:3}" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "$2 did not end within $1 s" >&2
    fi
    return "$status"
}

# Installs the Debian packages that are not installed yet (needs root). Another installation
# still running (as on a freshly booted machine) is waited for, up to APT_LOCK_TIMEOUT seconds.
APT_LOCK_TIMEOUT=${APT_LOCK_TIMEOUT:-900}
install_packages() {
    local missing=()
    for package in "$@"; do
        [[ " ${missing[*]} " == *" $package "* ]] && continue
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    step "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [[ " ${missing[*]} " == *":i386 "* ]]; then
        "${sudo[@]}" dpkg --add-architecture i386
    fi
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout="$APT_LOCK_TIMEOUT" update -qq
    # With their recommendations: Wine draws our dialogs with the fonts and X extensions it
    # only recommends (MS Sans Serif is in fonts-wine).
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout="$APT_LOCK_TIMEOUT" \
        install -y -qq "${missing[@]}" >/dev/null
}

# Wine with a prefix of our own inside the build folder, quiet and without Mono or Gecko.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$PWD/build/wineprefix"
export WINEARCH=win32

prepare_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    # Wine links the prefix user's Documents, Desktop and the like to the host's home. Nothing
    # under test may read or write the home of whoever runs it (the program looks for the
    # planner's lamps in Documents), so the prefix gets empty folders of its own instead.
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$folder" ]; then
            rm "$folder" && mkdir "$folder"
        fi
    done
    # Debian's Wine does not always find its own fonts (MS Sans Serif, Tahoma, Marlett) and
    # then draws our dialogs in a wider substitute; the prefix's font folder always works.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/sserife.fon" ]; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/* "$fonts/"
    fi
}

# Xvfb has no window manager: Wine then has to frame a program's windows itself, or every
# window that closes waits two seconds for a window manager that never answers.
frame_windows_in_wine() { # PROGRAM.exe on|off
    local key="HKCU\\Software\\Wine\\AppDefaults\\$1"
    if [ "$2" = on ]; then
        wine reg add "$key\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
    else
        wine reg delete "$key" /f >/dev/null 2>&1 || true
    fi
}

# Runs a command on a virtual X display of its own. A Wine server outlives its programs for a
# few seconds and keeps the display it started with, so Wine must end before the display
# changes: windows of a program started meanwhile would go nowhere. A window that waits for
# input nobody gives ends the run after ten minutes instead of hanging it.
run_in_xvfb() {
    wineserver -w
    timeout --kill-after=10 600 xvfb-run -a -s '-screen 0 1280x1024x24' \
        bash -c '"$@"; status=$?; wineserver -w; exit $status' run_in_xvfb "$@"
}

# Builds lumetrix.exe and the remote control of the screenshot scripts, and makes the
# working folder build/run/ with the program and the sample database.
build_program() {
    step "Windows build of lumetrix.exe"
    cmake --preset mingw-i686 >/dev/null
    cmake --build --preset mingw-i686 --target lumetrix lumetrix_remote
    mkdir -p build/run
    cp build/mingw-i686/lumetrix.exe resources/LightDatabase.csv build/run/
}

# The program's version, four numbers, as its version record in the resource script has it.
program_version() {
    local version
    version=$(sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' \
        resources/lumetrix.rc)
    [ -n "$version" ] || { echo "resources/lumetrix.rc has no FILEVERSION" >&2; return 1; }
    echo "$version"
}

# The copyright line of the program's version record, in UTF-8.
program_copyright() {
    iconv -f WINDOWS-1252 -t UTF-8 resources/lumetrix.rc |
        sed -nE 's/^ *VALUE +"LegalCopyright", *"(.*)"$/\1/p'
}

# lumetrix.exe runs on a bare Windows: it may import nothing but the system's own DLLs.
check_system_imports() {
    local dll
    for dll in $(i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p'); do
        case "${dll,,}" in
        kernel32.dll | user32.dll | gdi32.dll | comdlg32.dll | comctl32.dll | advapi32.dll | \
            shell32.dll | ole32.dll | version.dll | msvcrt.dll) ;;
        *)
            echo "$1 imports $dll, which Windows does not provide" >&2
            return 1
            ;;
        esac
    done
    echo "$1 imports only system DLLs"
}
