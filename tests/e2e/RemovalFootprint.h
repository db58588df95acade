#pragma once
#include <string>

// The installed product as the removal road finds it in the prefix: the
// install path, the sensor driver's marker and keys, and the driver file.
// The services are set up by the tests themselves.
namespace footprint {

const char kServicesKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Services";
const char kDriverKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\TAVRIND";
const char kParametersKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\TAVRIND\\Parameters";
const char kProductDriverKey[] = "HKLM\\SOFTWARE\\Dravik\\Orrin Client Manager\\TAVRIND";
const char kVersionKey[] = "HKLM\\SOFTWARE\\Dravik\\Orrin Client Manager\\3.0";

enum Marker { MarkerDWord, MarkerString, NoMarker };

// Writes the registry part (after the services: creating the driver service
// replaces its key) and, when asked, the driver file of the platform.
void Arrange(Marker marker, bool ntDriverFile, bool win95DriverFile);
// Removes every trace of it; the services must be gone first, as the
// driver service's key goes too.
void Clear();

// C:\windows\system32\drivers\tavrind.sys or C:\windows\system\tavrind.vxd.
std::string DriverFile(bool nt);

// Asked through Wine's own reg.exe.
bool RegHasKey(const std::string& key);
bool RegHasValue(const std::string& key, const std::string& value);

}  // namespace footprint
