#include "TestSupport.h"
#include "sysaccess/RegistryKey.h"
#include <gtest/gtest.h>

namespace {

// Every case works below this key of its own, removed before and after.
const char kScratch[] = "Software\\PatchWizardTests";

class RegistryKey : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kScratch); }

    static std::string Path(const std::string& sub) { return std::string(kScratch) + "\\" + sub; }
};

}  // namespace

TEST_F(RegistryKey, ComposesBasePathAndSubkeyWithOneBackslash)
{
    struct Case {
        const char* base;
        const char* sub;
        const char* keyPath;
    };
    const Case cases[] = {
        {"Software", "Dravik\\Orrin Client Manager\\3.0", "Software\\Dravik\\Orrin Client Manager\\3.0"},
        {"", "A\\B", "A\\B"},   // no leading backslash
        {"Software", "", "Software"},  // the key of the base path itself
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CRegistryKey key(HKEY_CURRENT_USER, c.base);
        key.Open(c.sub, KEY_READ);
        EXPECT_STREQ(c.keyPath, key.m_strKeyPath) << "base \"" << c.base << "\", subkey \"" << c.sub << "\"";
        if (key.m_hKey != NULL)
            key.Close();
    }
}

TEST_F(RegistryKey, ReadsStringsOfBothStringTypesAsStored)
{
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, Path("3.0"), "Plain", "C:\\Orrin"));
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, Path("3.0"), "Expand", "%SystemRoot%\\Orrin", REG_EXPAND_SZ));
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, Path("3.0"), "Empty", ""));
    CRegistryKey key(HKEY_CURRENT_USER, kScratch);

    CString value("canary");
    EXPECT_TRUE(key.ReadString("3.0", "Plain", value));
    EXPECT_STREQ("C:\\Orrin", value);
    EXPECT_TRUE(key.ReadString("3.0", "Expand", value));
    EXPECT_STREQ("%SystemRoot%\\Orrin", value);  // not expanded
    EXPECT_TRUE(key.ReadString("3.0", "Empty", value));
    EXPECT_STREQ("", value);
    EXPECT_EQ(NULL, key.m_hKey);  // closed again
}

TEST_F(RegistryKey, RefusesValuesOfOtherTypesAndLeavesTheDestinationAlone)
{
    ASSERT_TRUE(SetDWordValue(HKEY_CURRENT_USER, Path("3.0"), "Number", 7));
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, Path("3.0"), "Text", "7"));
    const BYTE eightBytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(SetBinaryValue(HKEY_CURRENT_USER, Path("3.0"), "Long", REG_DWORD, eightBytes, sizeof eightBytes));
    CRegistryKey key(HKEY_CURRENT_USER, kScratch);

    CString value("canary");
    EXPECT_FALSE(key.ReadString("3.0", "Number", value));
    EXPECT_STREQ("canary", value);
    EXPECT_FALSE(key.ReadString("3.0", "Missing", value));
    EXPECT_STREQ("canary", value);

    // The DWORD sits between canaries: no read may write past it.
    DWORD words[3] = {0xdeadbeef, 0xdeadbeef, 0xdeadbeef};
    EXPECT_FALSE(key.ReadDWord("3.0", "Text", &words[1]));
    EXPECT_FALSE(key.ReadDWord("3.0", "Long", &words[1]));  // eight bytes: refused
    EXPECT_FALSE(key.ReadDWord("3.0", "Missing", &words[1]));
    EXPECT_EQ(0xdeadbeefu, words[1]);
    EXPECT_TRUE(key.ReadDWord("3.0", "Number", &words[1]));
    EXPECT_EQ(7u, words[1]);
    EXPECT_EQ(0xdeadbeefu, words[0]);
    EXPECT_EQ(0xdeadbeefu, words[2]);
}

TEST_F(RegistryKey, ReadsCreateNothing)
{
    CRegistryKey key(HKEY_CURRENT_USER, kScratch);
    CString value;
    DWORD number = 0;
    EXPECT_FALSE(key.ReadString("Missing\\Key", "Value", value));
    EXPECT_FALSE(key.ReadDWord("Missing\\Key", "Value", &number));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kScratch));
}

TEST_F(RegistryKey, DeletesOneKeyAndCreatesTheBaseKeyOnTheWay)
{
    // A missing base key is created, then the missing subkey cannot go.
    CRegistryKey key(HKEY_CURRENT_USER, Path("Services").c_str());
    EXPECT_FALSE(key.DeleteSubKey("TAVRIND"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Services")));

    // A key with subkeys is refused; deepest first works.
    ASSERT_TRUE(SetDWordValue(HKEY_CURRENT_USER, Path("Services\\TAVRIND\\Parameters"), "Chip 306", 1));
    EXPECT_FALSE(key.DeleteSubKey("TAVRIND"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Services\\TAVRIND\\Parameters")));
    EXPECT_TRUE(key.DeleteSubKey("TAVRIND\\Parameters"));
    EXPECT_TRUE(key.DeleteSubKey("TAVRIND"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Services\\TAVRIND")));

    // SetRoot moves the same object on to a second location.
    ASSERT_TRUE(SetStringValue(HKEY_CURRENT_USER, Path("Product\\TAVRIND"), "x", "y"));
    key.SetRoot(HKEY_CURRENT_USER, Path("Product").c_str());
    EXPECT_TRUE(key.DeleteSubKey("TAVRIND"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Product\\TAVRIND")));
    EXPECT_EQ(0u, key.m_dwType);
    EXPECT_EQ(0u, key.m_cbData);
}
