#include "app/MyPropertySheet.h"
#include "res/resource.h"

namespace {

// Writes the board description the program carries, never a file of that
// name from the CD or from beside the program.
BOOL WriteBoardFile(const CString& strDestination)
{
    BOOL bWritten = TRUE;
    try {
        CFile file(strDestination, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary | CFile::shareExclusive);
        HRSRC hResource = ::FindResourceA(NULL, BOARD_FILE_NAME, BOARD_FILE_TYPE);
        HGLOBAL hData = hResource != NULL ? ::LoadResource(NULL, hResource) : NULL;
        const void* pBytes = hData != NULL ? ::LockResource(hData) : NULL;
        // The length written is fixed; a shorter resource would have it read
        // past its end, so such a program writes nothing at all.
        if (pBytes == NULL || ::SizeofResource(NULL, hResource) < BOARD_FILE_SIZE)
            return FALSE;
        file.Write(pBytes, BOARD_FILE_SIZE);
        file.Close();
    } catch (CFileException* pError) {
        pError->Delete();
        bWritten = FALSE;
    }
    return bWritten;
}

}  // namespace

BOOL CMyPropertyPage2::CopySetupFile(CString strName)
{
    CMyPropertySheet* pSheet = SheetOf(this);
    CString strDestination = pSheet->m_strTempDir + "\\" + strName;
    if (strName.Find(".alf") >= 0)
        return WriteBoardFile(strDestination);

    CString strSource = pSheet->m_strSetupDir + "\\" + strName;
    WIN32_FIND_DATAA findData;
    HANDLE hFind = ::FindFirstFileA(strSource, &findData);
    if (hFind == INVALID_HANDLE_VALUE) {
        // Gone since the presence check (a CD taken out, say): the user is
        // told, and the staging goes on with the next file.
        CString strMessage;
        AfxFormatString2(strMessage, IDS_FILE_NOT_FOUND, strName, strSource);
        AfxMessageBox(strMessage);
        return TRUE;
    }
    BOOL bCopied = ::CopyFileA(strSource, strDestination, FALSE);
    ::FindClose(hFind);
    return bCopied;
}
