#pragma once
// Resource ids, grouped by what uses them.

// Wizard sheet
#define IDS_WIZARD_CAPTION      103

// Welcome page
#define IDD_WELCOME             104
#define IDS_NOT_INSTALLED       104
#define IDS_INSTALLED           105
#define IDB_WIZARD              129
#define IDC_WELCOME_TEXT        1000

// Paths page
#define IDD_PATHS               105
#define IDC_SETUP_PATH          1001
#define IDC_BROWSE_SETUP        1002
#define IDC_SETUP_HELP          1003
#define IDC_SETUP_LABEL         1004
#define IDC_REMOVE_TEXT         1005
#define IDC_TEMP_LABEL          1006
#define IDC_TEMP_PATH           1007
#define IDC_BROWSE_TEMP         1008
#define IDC_TEMP_HELP           1009
#define IDS_FILE_NOT_FOUND      110
#define IDS_SETUP_FILES_MISSING 114

// Setup launch and clean-up pages
#define IDD_LAUNCH              106
#define IDD_CLEANUP             107
#define IDC_TEMP_DIR            1010

// Restart
#define IDS_RESTART_FAILED      106

// Progress dialog
#define IDD_PROGRESS            110
#define IDS_FILE_COPY           111
#define IDC_PROGRESS_BAR        1003
#define IDC_PROGRESS_PERCENT    1004
#define IDC_PROGRESS_STATUS     1005

// Board description, a resource of type "ALFFILE" named "IDR_ALFFILE1"
#define BOARD_FILE_TYPE         "ALFFILE"
#define BOARD_FILE_NAME         "IDR_ALFFILE1"
#define BOARD_FILE_SIZE         1226
