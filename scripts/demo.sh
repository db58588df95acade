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

# The installed product's footprint: its install path, the sensor driver's
# marker and keys, the two services (our test service under both names,
# running, each taking a moment to stop) and the driver file.
prepare_removal_demo() {
    local testsvc="$ROOT/build/x64/tools/testsvc.exe" name
    # The services first: creating the driver service writes its own key,
    # under which the marker then goes.
    for name in probesvc TAVRIND; do
        wine "$testsvc" create "$name" late 1500 </dev/null >/dev/null
        wine "$testsvc" start "$name" </dev/null >/dev/null
    done
    wine reg add 'HKLM\Software\Dravik\Orrin Client Manager\3.0' /v OrrinPath /d 'C:\Program Files\Orrin' /f >/dev/null
    wine reg add 'HKLM\SYSTEM\CurrentControlSet\Services\TAVRIND\Parameters' /v 'Chip 306' /t REG_DWORD /d 1 /f >/dev/null
    wine reg add 'HKLM\SOFTWARE\Dravik\Orrin Client Manager\TAVRIND' /v Bus /d I2C /f >/dev/null
    printf 'Demo sensor bus driver.\r\n' >"$WINEPREFIX/drive_c/windows/system32/drivers/tavrind.sys"
    echo "removal road: probesvc and TAVRIND running, sensor driver keys and C:\windows\system32\drivers\tavrind.sys in place"
}
