#include "staging/FreeSpace.h"
#include <gtest/gtest.h>

// Free KB from the figures a drive reports, for drives of every size: no
// 32-bit wrap that would make a large disk look full, no 64-bit one either.
TEST(FreeKilobytes, CountsWholeKilobytesForAnyDrive)
{
    const ULONGLONG kMax = ~0ULL;
    struct Case {
        DWORD sectorsPerCluster, bytesPerSector, freeClusters;
        ULONGLONG kb;
    };
    const Case cases[] = {
        {2, 512, 19999, 19999},
        {2, 512, 20000, 20000},
        {8, 512, 1049576, 4198304},          // 4 GB and 4000 KB; 32 bits would give 4000
        {64, 512, 0xFFFFFFFF, 137438953440},  // 32 KB clusters, the largest count there is
        {1, 1, 1023, 0},                      // the remainder is dropped
        {0, 512, 100, 0},
        {512, 512, 0, 0},
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, kMax / 1024},  // beyond 64 bits: held at the top
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kb, FreeKilobytes(c.sectorsPerCluster, c.bytesPerSector, c.freeClusters))
            << c.sectorsPerCluster << " x " << c.bytesPerSector << " x " << c.freeClusters;
}
