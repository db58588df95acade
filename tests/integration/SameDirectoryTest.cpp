#include "TestSupport.h"
#include "staging/SameDirectory.h"
#include <gtest/gtest.h>

// The same directory written in the ways a person may type it, against the
// real file system (short names and the current directory included).
TEST(SameDirectory, RecognisesOneDirectoryHoweverItIsWritten)
{
    const std::string dir = MakeScratchDir("PatchWizard Same Directory");
    ::CreateDirectoryA((dir + "\\Sub Folder").c_str(), NULL);
    char shortDir[MAX_PATH] = "";
    ::GetShortPathNameA(dir.c_str(), shortDir, MAX_PATH);
    ASSERT_STRNE(dir.c_str(), shortDir) << "no short name to test with";
    std::string slashes = dir;
    for (char& ch : slashes)
        if (ch == '\\')
            ch = '/';
    std::string upper = dir;
    for (char& ch : upper)
        ch = static_cast<char>(::toupper(static_cast<unsigned char>(ch)));
    char previous[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(TempFolder().c_str());

    struct Case {
        std::string first, second;
        bool same;
    };
    const Case cases[] = {
        {dir, dir, true},
        {dir, upper, true},
        {dir, dir + "\\", true},
        {dir + "\\\\", dir, true},
        {dir, slashes, true},
        {dir, "PatchWizard Same Directory", true},  // relative to the current directory
        {dir, ".\\PatchWizard Same Directory\\.", true},
        {dir, shortDir, true},
        {dir + "\\Sub Folder", std::string(shortDir) + "\\sub folder\\", true},
        {dir + "\\Sub Folder\\..", dir, true},
        {"C:\\pw-missing\\Patch.tmp", "c:\\PW-MISSING\\patch.tmp\\", true},  // nothing on disk to look up
        {"\\\\server\\share\\Setup", "\\\\SERVER\\share\\setup\\", true},
        {dir, dir + "\\Sub Folder", false},
        {dir, TempFolder(), false},
        {dir, dir + "x", false},
        {dir, "D" + dir.substr(1), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.same, IsSameDirectory(c.first.c_str(), c.second.c_str()) != FALSE)
            << c.first << " | " << c.second;

    ::SetCurrentDirectoryA(previous);
    RemoveTree(dir);
}
