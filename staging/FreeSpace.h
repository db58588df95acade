#pragma once
#include <windows.h>

// The staged set needs no more than this on the temporary directory's drive
// (1 KB = 1024 bytes); it is a fixed threshold, not the size of the set.
const ULONGLONG kMinFreeKilobytes = 20000;

// Free space in KB from the figures GetDiskFreeSpaceA reports. Computed in
// 64 bits and held at the largest value rather than wrapping, so that no
// disk, however large or oddly described, reads as nearly empty.
ULONGLONG FreeKilobytes(DWORD dwSectorsPerCluster, DWORD dwBytesPerSector, DWORD dwFreeClusters);
