#pragma once
// Resource ids of the window framework's test program.
#define IDD_TEST_MODAL 101
#define IDD_TEST_MODELESS 102
#define IDD_TEST_PAGE 103
#define IDA_TEST_NAVIGATION 200
#define IDC_TEST_FIRST 1001
#define IDC_TEST_SECOND 1002
#define IDC_TEST_LABEL 1003
#define IDS_TEST_MESSAGE 3001
#define IDS_TEST_CAPTION 3002
#define IDS_TEST_FOLDER_TITLE 3003
#define ID_TEST_COMMAND 100
#define ID_TEST_F5 500
#define ID_NEXT_TAB_STOP 230
#define ID_PREVIOUS_TAB_STOP 231
