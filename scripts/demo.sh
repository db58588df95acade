# What the demo prefix holds for each road of the run command.

# A stand-in for the board's CD: C:\DemoCD\WIN95 with the seven setup files.
prepare_setup_demo() {
    local cd="$WINEPREFIX/drive_c/DemoCD/WIN95" name
    mkdir -p "$cd"
    for name in _inst32i.ex_ _setup.dll _setup.lib data.z Setup.ins setup.pkg; do
        printf 'Demo setup file %s of the CD stand-in.\r\n' "$name" >"$cd/$name"
    done
    if [ -f "$ROOT/build/x64/tools/fakesetup.exe" ]; then
        cp "$ROOT/build/x64/tools/fakesetup.exe" "$cd/Setup.exe"
    else
        printf 'MZ' >"$cd/Setup.exe"
    fi
    DEMO_SETUP_DIR='C:\DemoCD\WIN95'
}

# The installed product's footprint: its install path only, so far.
prepare_removal_demo() {
    wine reg add 'HKLM\Software\Dravik\Orrin Client Manager\3.0' /v OrrinPath /d 'C:\Program Files\Orrin' /f >/dev/null
}
