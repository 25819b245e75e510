#pragma once
// Resource and control ids of the framework demo program.
#define IDD_DEMO_MAIN 100
#define IDD_DEMO_MODAL 101
#define IDA_DEMO 1001
#define IDS_DEMO_QUESTION 1
#define IDS_DEMO_CAPTION 2

#define IDC_RUNS 110
#define IDC_ZERO 111
#define IDC_NARROW 112
#define IDC_BUTTON 120
#define IDC_DEFAULT_BUTTON 121
#define IDC_MODAL_EDIT 201
#define IDC_MODAL_OTHER 203
#define IDC_LOG 900
#define IDC_FIRST 901
#define IDC_SECOND 902

#define IDM_NEXT 230
#define IDM_PREVIOUS 231
#define IDM_MODAL 300
#define IDM_RICH_TEXTS 301
#define IDM_QUESTION 302
#define IDM_PING 305

#define DEMO_EXIT_CODE 3
