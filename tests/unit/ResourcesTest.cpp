#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The program's resources, read back from the linked module exactly as the
// system reads them.

namespace {

struct Control {
    int id;
    std::string className;
    int x, y, cx, cy;
    DWORD style;
    std::string text;  // "#n" for a resource ordinal
};

struct Dialog {
    DWORD style;
    int cx, cy;
    std::string caption;
    int pointSize;
    std::string font;
    std::vector<Control> controls;
};

std::string Narrow(const WCHAR* text)
{
    std::string result;
    for (; *text; ++text)
        result += static_cast<char>(*text);
    return result;
}

// A name-or-ordinal field; a class given by ordinal gets its name.
std::string ReadNameOrOrdinal(const WORD*& p, bool isClass = false)
{
    if (*p == 0) {
        ++p;
        return std::string();
    }
    if (*p == 0xFFFF) {
        WORD ordinal = p[1];
        p += 2;
        if (!isClass)
            return "#" + std::to_string(ordinal);
        switch (ordinal) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        default: return "#" + std::to_string(ordinal);
        }
    }
    std::string text = Narrow(reinterpret_cast<const WCHAR*>(p));
    p += text.size() + 1;
    return text;
}

Dialog LoadDialog(int id)
{
    Dialog dialog{};
    HRSRC hResource = FindResourceA(NULL, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (hResource == NULL)
        return dialog;
    const DLGTEMPLATE* tpl = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(NULL, hResource)));
    dialog.style = tpl->style;
    dialog.cx = tpl->cx;
    dialog.cy = tpl->cy;
    const WORD* p = reinterpret_cast<const WORD*>(tpl + 1);
    ReadNameOrOrdinal(p);  // menu
    ReadNameOrOrdinal(p);  // class
    dialog.caption = ReadNameOrOrdinal(p);
    if (tpl->style & DS_SETFONT) {
        dialog.pointSize = *p++;
        dialog.font = ReadNameOrOrdinal(p);
    }
    for (int i = 0; i < tpl->cdit; ++i) {
        p = reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~static_cast<ULONG_PTR>(3));
        const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        p = reinterpret_cast<const WORD*>(item + 1);
        Control control;
        control.id = static_cast<short>(item->id);
        control.x = item->x;
        control.y = item->y;
        control.cx = item->cx;
        control.cy = item->cy;
        control.style = item->style;
        // Class names are matched without regard to case, as the system does.
        control.className = ReadNameOrOrdinal(p, true);
        CharUpperA(&control.className[0]);
        control.text = ReadNameOrOrdinal(p);
        WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
        dialog.controls.push_back(control);
    }
    return dialog;
}

void ExpectDialog(int id, const Dialog& expected)
{
    SCOPED_TRACE("dialog " + std::to_string(id));
    Dialog actual = LoadDialog(id);
    EXPECT_EQ(expected.style, actual.style);
    EXPECT_EQ(expected.cx, actual.cx);
    EXPECT_EQ(expected.cy, actual.cy);
    EXPECT_EQ(expected.caption, actual.caption);
    EXPECT_EQ(8, actual.pointSize);
    EXPECT_EQ("MS Sans Serif", actual.font);
    ASSERT_EQ(expected.controls.size(), actual.controls.size());
    for (size_t i = 0; i < expected.controls.size(); ++i) {
        const Control& e = expected.controls[i];
        const Control& a = actual.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (" + std::to_string(e.id) + ")");
        EXPECT_EQ(e.id, a.id);
        std::string expectedClass = e.className;
        CharUpperA(&expectedClass[0]);
        EXPECT_EQ(expectedClass, a.className);
        EXPECT_EQ(e.x, a.x);
        EXPECT_EQ(e.y, a.y);
        EXPECT_EQ(e.cx, a.cx);
        EXPECT_EQ(e.cy, a.cy);
        EXPECT_EQ(e.style, a.style) << std::hex << e.style << " " << a.style;
        EXPECT_EQ(e.text, a.text);
    }
}

std::string LoadText(UINT id)
{
    char buffer[1024] = "";
    LoadStringA(NULL, id, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

TEST(Resources, PageTemplatesAreLaidOutAsDesigned)
{
    const DWORD kPage = 0x48C00040;
    ExpectDialog(IDD_WELCOME,
                 {kPage, 300, 159, "KT718VN Patch Wizard", 8, "", {
                     {-1, "Static", 88, 7, 107, 72, 0x5000000E, "#129"},
                     {-1, "Static", 7, 85, 286, 11, 0x50020000, "Welcome to the Dravik  KT718VN patch wizard."},
                     {1000, "Edit", 7, 104, 286, 47, 0x50000884, ""},
                 }});
    ExpectDialog(IDD_PATHS,
                 {kPage, 295, 159, "Orrin Patch ", 8, "", {
                     {1001, "Edit", 52, 49, 162, 15, 0x50810080, ""},
                     {1003, "Static", 5, 14, 283, 29, 0x50020000,
                      "To install Orrin Client Manager without the temperature sensor support, insert the CD that "
                      "came with your KT718VN motherboard.  In the Setup Path below, enter the complete path to the "
                      "WINNT or WIN95 Orrin local setup program found on the CD."},
                     {1004, "Static", 5, 51, 40, 10, 0x50020000, "Setup Path:"},
                     {1002, "Button", 218, 48, 47, 15, 0x50010000, "Browse"},
                     {1005, "Static", 5, 18, 283, 29, 0x50020000,
                      "This wizard will now remove the temperature sensor support from your system."},
                     {1006, "Static", 5, 118, 40, 10, 0x50020000, "Temp Path:"},
                     {1007, "Edit", 51, 116, 162, 15, 0x50810080, ""},
                     {1008, "Button", 218, 116, 47, 15, 0x40010000, "Browse"},
                     {1009, "Static", 5, 84, 283, 19, 0x50020000,
                      "The wizard will use the following directory for temporary files.  "},
                 }});
    ExpectDialog(IDD_LAUNCH,
                 {kPage, 300, 159, "Finish", 8, "", {
                     {-1, "Static", 7, 106, 286, 32, 0x50020000,
                      "Setup has now completed the file transfer.  The initial installation will now continue."
                      "\r\n\r\n!!!  Please do not reboot the system in the install program or files will be left "
                      "on your system."},
                     {-1, "Static", 91, 7, 107, 72, 0x5000000E, "#129"},
                 }});
    ExpectDialog(IDD_CLEANUP,
                 {kPage, 292, 119, "Delete temporary files", 8, "", {
                     {-1, "Static", 7, 34, 263, 12, 0x50020000,
                      "All temporary files created during patch process will now be removed from:"},
                     {-1, "Static", 7, 7, 250, 15, 0x50020000, "Congratulations.  Orrin Patch is now complete."},
                     {1010, "Edit", 7, 51, 214, 15, 0x50000880, ""},
                 }});
}

TEST(Resources, ProgressTemplateIsLaidOutAsDesigned)
{
    ExpectDialog(IDD_PROGRESS, {0x90C800C0, 186, 79, "", 8, "", {
                                    {2, "Button", 67, 58, 50, 14, 0x50010001, "Cancel"},
                                    {1003, "msctls_progress32", 15, 34, 154, 13, 0x50800000, "Progress1"},
                                    {1004, "Static", 85, 23, 18, 8, 0x50020000, " 0 %"},
                                    {1005, "Static", 13, 7, 158, 8, 0x50020000, ""},
                                }});
}

TEST(Resources, StringTableHoldsTheWizardsTexts)
{
    struct Case {
        UINT id;
        const char* text;
    };
    const Case cases[] = {
        {103, "Wizard"},
        {104, "Orrin Client Manager version 3.0 has not been installed on this PC.  If you continue, \r\nthis "
              "wizard will install Client Manager without support for the processor temperature sensors\r\n on "
              "this system. \r\n\r\n Support for the temperature sensors can cause intermittent system hangs."},
        {105, "Orrin Client Manager version 3.0 is installed on this PC.  This patch wizard will disable "
              "\r\nsupport of the processor temperature sensors on this system.\r\n\r\nSupport for the "
              "temperature sensors can cause intermittent system hangs."},
        {106, "Unable to restart machine.  Please reboot manually."},
        {110, "The wizard was unable to find file %1. \r\nPlease verify that this setup file exists in %2 and the "
              "kt718vn.alf is in the same directory as the wizard executable."},
        {111, "File Copy"},
        {114, "The wizard was unable to find all of the setup files in the directory %1.  Please verify the "
              "directory is correct."},
        {57344, ""},  // no application title: the program file names the application
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, LoadText(c.id)) << "string " << c.id;
}

TEST(Resources, WizardPictureIs160By117In16Colours)
{
    HRSRC hResource = FindResourceA(NULL, MAKEINTRESOURCEA(IDB_WIZARD), RT_BITMAP);
    ASSERT_NE(nullptr, hResource);
    const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(NULL, hResource)));
    EXPECT_EQ(160, header->biWidth);
    EXPECT_EQ(117, header->biHeight);
    EXPECT_EQ(4, header->biBitCount);
}

TEST(Resources, BoardDescriptionIsTheSourceFileInUsEnglish)
{
    HRSRC hResource = FindResourceExA(NULL, BOARD_FILE_TYPE, BOARD_FILE_NAME, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(nullptr, hResource);
    ASSERT_EQ(static_cast<DWORD>(BOARD_FILE_SIZE), SizeofResource(NULL, hResource));
    const char* data = static_cast<const char*>(LockResource(LoadResource(NULL, hResource)));
    std::ifstream source(PW_SOURCE_PATH "\\res\\Kt718vn.alf", std::ios::binary);
    std::string expected((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    EXPECT_EQ(expected, std::string(data, BOARD_FILE_SIZE));
    // It describes the board without its I2C temperature sensors.
    EXPECT_NE(std::string::npos, expected.find("KT718VN"));
    EXPECT_NE(std::string::npos, expected.find("TemperatureSensors=0"));
}
