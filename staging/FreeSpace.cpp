#include "staging/FreeSpace.h"

ULONGLONG FreeKilobytes(DWORD dwSectorsPerCluster, DWORD dwBytesPerSector, DWORD dwFreeClusters)
{
    const ULONGLONG kMax = ~static_cast<ULONGLONG>(0);
    // Two 32-bit factors always fit in 64 bits; the third may not.
    ULONGLONG bytesPerCluster = static_cast<ULONGLONG>(dwSectorsPerCluster) * dwBytesPerSector;
    if (dwFreeClusters != 0 && bytesPerCluster > kMax / dwFreeClusters)
        return kMax / 1024;
    return bytesPerCluster * dwFreeClusters / 1024;
}
