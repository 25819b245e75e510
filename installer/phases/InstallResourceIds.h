#pragma once
// Resource ids of the installer, shared by its code and its resource script.
// An id that the resource script names is a macro (IDD_ dialogs, IDC_
// controls, IDB_ bitmaps, IDI_ icons); ids that only code uses are constexpr
// constants hidden from the resource compiler. The string table gives its ids
// as plain numbers, so string ids are code-only. Ids of -1 have no name.

#define IDI_INSTALL 1
#define IDI_PREPARING 118

#define IDB_WIZARD 123
#define IDB_CHOSEN 128
#define IDB_REQUIRED 130
#define IDB_PARTLY_CHOSEN 132
// The bitmaps at 150% (id + 100) and 200% (id + 200).
#define IDB_WIZARD_150 223
#define IDB_CHOSEN_150 228
#define IDB_REQUIRED_150 230
#define IDB_PARTLY_CHOSEN_150 232
#define IDB_WIZARD_200 323
#define IDB_CHOSEN_200 328
#define IDB_REQUIRED_200 330
#define IDB_PARTLY_CHOSEN_200 332

#define IDD_DESTINATION 101
#define IDD_COMPONENTS 109
#define IDD_PREPARING 120
#define IDD_DETAILS 131
#define IDD_PROGRAM_GROUP 133
#define IDD_INSTALLING 134
#define IDD_OPTIONS 197

// Controls; the wizard pages and the Details dialog share theirs.
#define IDC_DETAILS_OK 1000
#define IDC_INSTALLING_CANCEL 1001
#define IDC_DESTINATION 1004
#define IDC_BROWSE 1005
#define IDC_PROGRESS 1006
#define IDC_SPACE_REQUIRED 1007
#define IDC_SPACE_AVAILABLE 1008
#define IDC_DETAILS 1009
#define IDC_COMPONENT_LIST 1010
#define IDC_GROUP_NAME 1011
#define IDC_GROUP_LIST 1012
#define IDC_USER_GROUP 1013
#define IDC_COMMON_GROUP 1014
#define IDC_GROUP_OWNER 1015
#define IDC_INSTALLING_ITEM 1018
#define IDC_INSTALLING_PHASE 1019

#ifndef RC_INVOKED
#include <windows.h>

namespace InstallString {
constexpr UINT kInstall = 1;                 // "Install": caption of the final message and of run commands' boxes
constexpr UINT kSetup = 2;                   // "Setup": caption of the wizard's messages
constexpr UINT kError = 3;                   // "Error"
constexpr UINT kExitSetup = 10;              // caption of the quit questions
constexpr UINT kDestinationTitle = 11;
constexpr UINT kComponentsTitle = 12;
constexpr UINT kProgramGroupTitle = 13;
constexpr UINT kOptionsTitle = 14;
constexpr UINT kSelectFolder = 20;
constexpr UINT kKilobytes = 100;             // "%s KB": the formatted count
constexpr UINT kOverwriteDirectory = 101;    // "Directory '%s' exist. Overwrite?": the path
constexpr UINT kInvalidPath = 102;           // "Path '%s' is not valid.": the path
constexpr UINT kCreateDirectory = 103;       // "Directory '%s' doesn't exist...": the path
constexpr UINT kQuitWizard = 104;
constexpr UINT kInvalidGroup = 105;          // "'%s' is not valid group name.": the name
constexpr UINT kNoFreeSpace = 106;
constexpr UINT kCopyingFiles = 200;          // the file phase; caption of the newer-file question
constexpr UINT kInitialising = 201;
constexpr UINT kUpdatingRegistry = 202;
constexpr UINT kCreatingIcons = 203;
constexpr UINT kQuitInstallation = 204;
constexpr UINT kCannotCopy = 206;            // "Cannot copy file '%s'...": the destination
constexpr UINT kKeepNewerFile = 207;         // "File '%s' exist in system...": the destination
constexpr UINT kAccessDenied = 208;          // "Cannot copy file '%s'. Access denied.": the short destination
constexpr UINT kCreatingDirectory = 209;     // "Creating directory '%s'...": the directory
constexpr UINT kRestartQuestion = 210;
constexpr UINT kComplete = 211;
constexpr UINT kAborted = 212;
constexpr UINT kExecuting = 213;
constexpr UINT kNotRemovable = 214;          // the final message when the log or the uninstaller is missing
constexpr UINT kUsage = 300;                 // the command-line options
constexpr UINT kAlreadyRunning = 301;
}  // namespace InstallString

namespace InstallTimer {
constexpr UINT_PTR kStartWizard = 1;   // the background window, 10 ms after it is made
constexpr UINT_PTR kStart = 2;         // the preparing and installing dialogs, soon after they show
constexpr UINT_PTR kWorkerEnded = 3;   // the installing dialog, 100 ms after the run ended
}  // namespace InstallTimer

// The first check box of the options page; the next ones count up from it.
constexpr UINT kFirstOptionId = 1000;
#endif
