# Shared by the run and test commands: installing what is missing, building
# both programs, and a Wine session in a prefix of its own.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

ensure_deps() {
    local missing=()
    command -v cmake >/dev/null || missing+=(cmake)
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
    command -v i686-w64-mingw32-g++-win32 >/dev/null || missing+=(g++-mingw-w64-i686-win32)
    command -v wine >/dev/null || missing+=(wine)
    [ -x /usr/lib/wine/wine64 ] || missing+=(wine64)
    command -v Xvfb >/dev/null || missing+=(xvfb xauth)
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -x /usr/bin/convert ] || missing+=(imagemagick)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# Builds the x86-64 program with its tests and the i686 program, and leaves
# both programs in out/.
build_all() {
    local jobs
    jobs="$(nproc)"
    cmake -S "$ROOT" -B "$ROOT/build/x64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DPATCHWIZARD_TESTS=ON >/dev/null
    cmake --build "$ROOT/build/x64" -j "$jobs"
    cmake -S "$ROOT" -B "$ROOT/build/x86" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DPATCHWIZARD_TESTS=OFF >/dev/null
    cmake --build "$ROOT/build/x86" -j "$jobs"
    mkdir -p "$ROOT/out/x64" "$ROOT/out/x86"
    cp "$ROOT/build/x64/PatchWizard.exe" "$ROOT/out/x64/"
    cp "$ROOT/build/x86/PatchWizard.exe" "$ROOT/out/x86/"
    check_x86_imports "$ROOT/out/x86/PatchWizard.exe"
}

# The 32-bit program must load on Windows 95 and NT 4.0: system DLLs only,
# subsystem version 4.0.
check_x86_imports() {
    local exe="$1" dump dll
    dump="$(i686-w64-mingw32-objdump -p "$exe")"
    for dll in $(awk '/DLL Name:/ {print toupper($3)}' <<<"$dump"); do
        case "$dll" in
            KERNEL32.DLL|USER32.DLL|GDI32.DLL|ADVAPI32.DLL|COMCTL32.DLL|COMDLG32.DLL|SHELL32.DLL|MSVCRT.DLL) ;;
            *) echo "out/x86/PatchWizard.exe imports $dll, which Windows 95 and NT 4.0 lack" >&2; return 1 ;;
        esac
    done
    if ! grep -qE 'MajorSubsystemVersion[[:space:]]+4$' <<<"$dump" ||
       ! grep -qE 'MinorSubsystemVersion[[:space:]]+0$' <<<"$dump"; then
        echo "out/x86/PatchWizard.exe does not ask for subsystem 4.0" >&2
        return 1
    fi
}

# A display for the windows: the caller's, or an Xvfb of our own.
XVFB_PID=""
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--own" ]; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

# A fresh Wine prefix, settled, with one process kept alive in it so that
# Wine keeps its services running. The session's own processes (server,
# services, desktop) are all started here with no output attached: started
# later by a test, they would inherit its output pipe and keep ctest waiting.
KEEPALIVE_PID=""
start_wine_session() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    # No Mono or Gecko: their installers would ask and wait.
    export WINEDLLOVERRIDES="mscoree=;mshtml="
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Xvfb has no window manager: windows Wine leaves unmanaged come and go
    # at once instead of waiting for a manager that never answers.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    local ready="$WINEPREFIX/keepalive.ready"
    wine "$ROOT/build/x64/tools/keepalive.exe" 'Z:'"${ready//\//\\}" </dev/null >/dev/null 2>&1 &
    KEEPALIVE_PID=$!
    for _ in $(seq 1 300); do
        [ -e "$ready" ] && break
        sleep 0.1
    done
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

end_wine_session() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$KEEPALIVE_PID" ] && wait "$KEEPALIVE_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}

# Unix path of a Windows path in the session's prefix (C: only) or Z:.
unix_path() {
    local p="${1//\\//}"
    case "$p" in
        [Cc]:*) echo "$WINEPREFIX/drive_c${p:2}" ;;
        [Zz]:*) echo "${p:2}" ;;
        *) echo "$p" ;;
    esac
}

bmps_to_png() {
    local bmp
    for bmp in "$@"; do
        /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}
