#include "RemovalFootprint.h"
#include "TestSupport.h"

namespace footprint {

namespace {

// The same path for the API: the root's name goes.
std::string Below(const char* key) { return std::string(key).substr(5); }

}  // namespace

std::string DriverFile(bool nt)
{
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + (nt ? "\\system32\\drivers\\tavrind.sys" : "\\system\\tavrind.vxd");
}

void Arrange(Marker marker, bool ntDriverFile, bool win95DriverFile)
{
    SetStringValue(HKEY_LOCAL_MACHINE, Below(kVersionKey), "OrrinPath", "C:\\Program Files\\Orrin");
    if (marker == MarkerDWord)
        SetDWordValue(HKEY_LOCAL_MACHINE, Below(kParametersKey), "Chip 306", 1);
    else if (marker == MarkerString)
        SetStringValue(HKEY_LOCAL_MACHINE, Below(kParametersKey), "Chip 306", "1");
    else
        SetDWordValue(HKEY_LOCAL_MACHINE, Below(kParametersKey), "Chip 307", 1);
    SetStringValue(HKEY_LOCAL_MACHINE, Below(kProductDriverKey), "Bus", "I2C");
    if (ntDriverFile)
        WriteFile(DriverFile(true), "stand-in sensor bus driver\r\n");
    if (win95DriverFile) {
        ::CreateDirectoryA(DriverFile(false).substr(0, DriverFile(false).rfind('\\')).c_str(), NULL);
        WriteFile(DriverFile(false), "stand-in sensor bus driver\r\n");
    }
}

void Clear()
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dravik");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, Below(kDriverKey));
    for (bool nt : {true, false}) {
        ::SetFileAttributesA(DriverFile(nt).c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(DriverFile(nt).c_str());
    }
}

bool RegHasKey(const std::string& key) { return RunCommand("reg query \"" + key + "\"") == 0; }

bool RegHasValue(const std::string& key, const std::string& value)
{
    return RunCommand("reg query \"" + key + "\" /v \"" + value + "\"") == 0;
}

}  // namespace footprint
