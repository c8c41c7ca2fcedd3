# Shared by the run and test commands.

BUILD_PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
                googletest libbenchmark-dev python3)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
                  wine wine32:i386 xvfb xauth imagemagick x11-apps)

step() { printf '\n== %s\n' "$*"; }

# Installs the Debian packages that are not installed yet (needs root).
install_packages() {
    local missing=()
    for package in "$@"; do
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
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
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
}

# Runs a command on a virtual X display of its own.
run_in_xvfb() {
    xvfb-run -a -s '-screen 0 1280x1024x24' "$@"
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

run_windows_tests() {
    prepare_wine
    local suite=build/mingw-i686/tests/win32/lumetrix_win32_tests.exe
    (cd "$(dirname "$suite")" && run_in_xvfb wine "$(basename "$suite")")
    wineserver -w || true
}
