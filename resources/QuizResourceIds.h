#pragma once
// Resource ids of the quiz program, shared by its code and by both resource
// sets (resources/english, resources/finnish), which carry the same ids.
//
// Naming: an id that a resource script names is a macro, because the resource
// compiler sees only the preprocessor: IDD_ dialogs, IDC_ controls (a button's
// id is also its command), IDM_ commands without a control of their own, IDR_
// menus and accelerator tables, IDI_ icons, IDB_ bitmaps, IDW_ waves.
// Ids that only code uses are constexpr kCamelCase constants grouped by kind
// (QuizString::, QuizTimer::) and hidden from the resource compiler by
// RC_INVOKED. The string tables give their ids as plain numbers, since the
// native string table generator reads numbers, so string ids are code-only.
// Ids of -1 (labels, frames) have no name.

#define IDI_VERBOLT 1

#define IDD_ABOUT 1200
#define IDD_COMBINE 1201
#define IDD_CHANGE_WORDS 1202
#define IDD_FIND 1203
#define IDD_INPUT 1204
#define IDD_QUIZ 1205
#define IDD_PROPERTIES 1206
#define IDD_ADD_WORDS 1207
#define IDD_TEST_WORDS 1208
#define IDD_WAVE_PREVIEW 1209
#define IDD_WORDLIST 1210
#define IDD_SETTINGS 1211
#define IDD_SETTINGS_PATHS 1212
#define IDD_SETTINGS_COLORS 1213
#define IDD_SETTINGS_GENERAL 13002
#define IDD_CHARACTER 13014

#define IDR_QUIZ_MENU 1020
#define IDR_WORDLIST_MENU 1021
#define IDR_QUIZ_ACCELERATORS 1001
#define IDR_WORDLIST_ACCELERATORS 1003
#define IDR_TEST_ACCELERATORS 1004

// Sent by the accelerator tables instead of the system's dialog navigation.
#define IDM_NEXT_TAB_STOP 230
#define IDM_PREVIOUS_TAB_STOP 231

// Main quiz window, dialog IDD_QUIZ.
#define IDC_QUIZ_QUESTION_LABEL 110
#define IDC_QUIZ_QUESTION_WORD 111
#define IDC_QUIZ_ANSWER 112
#define IDC_QUIZ_RESULT 113
#define IDC_QUIZ_RIGHT_ANSWER 114
#define IDC_QUIZ_YOUR_ANSWER 115
#define IDC_QUIZ_POINTS 116
#define IDC_QUIZ_ANSWER_LABEL 117
#define IDC_QUIZ_CHECK 1000
#define IDC_QUIZ_GIVE_HELP 102
#define IDC_QUIZ_CHARACTER 1072
#define IDC_QUIZ_OPEN 104
#define IDC_QUIZ_SAVE 105
#define IDC_QUIZ_CLOSE 106
#define IDC_QUIZ_SECOND_TO_FIRST 107
#define IDC_QUIZ_FIRST_TO_SECOND 108
#define IDC_QUIZ_ASK_PREVIOUS 109

// Menu IDR_QUIZ_MENU; Open, Save and Close use the buttons' ids.
#define IDM_QUIZ_NEW 121
#define IDM_QUIZ_SAVE_AS 120
#define IDM_QUIZ_DELETE_FILE 40008
#define IDM_QUIZ_RENAME_FILE 40009
#define IDM_QUIZ_MOVE_FILE 40010
#define IDM_QUIZ_COPY_FILE 40011
#define IDM_QUIZ_PROPERTIES 119
#define IDM_QUIZ_WORDLIST 122
#define IDM_QUIZ_ADD_WORDS 123
#define IDM_QUIZ_COMBINE_FILES 125
#define IDM_QUIZ_TESTS 124
#define IDM_QUIZ_SETTINGS 40007
#define IDM_QUIZ_ABOUT 126

// Wave preview panel of the sound file dialog, dialog IDD_WAVE_PREVIEW.
#define IDC_PREVIEW_PLAY 1046
#define IDC_PREVIEW_STOP 1047
#define IDB_PLAY 1110
#define IDB_STOP 1111
// One silent sample: it can start only when no other sound plays.
#define IDW_PROBE 1010

// Settings dialog IDD_SETTINGS and its pages IDD_SETTINGS_GENERAL,
// IDD_SETTINGS_PATHS and IDD_SETTINGS_COLORS.
#define IDC_SETTINGS_OK 1000
#define IDC_SETTINGS_CANCEL 1001
#define IDC_SETTINGS_TABS 230
#define IDC_GENERAL_GROUP 1314
#define IDC_GENERAL_SKIP_RIGHT 1018
#define IDC_GENERAL_AUTOSAVE 1013
#define IDC_GENERAL_TIME_LABEL 1016
#define IDC_GENERAL_AUTOSAVE_TIME 1015
#define IDC_GENERAL_SPIN 1052
#define IDC_GENERAL_FONT 1068
#define IDC_GENERAL_SET_FONT 1067
#define IDC_PATHS_RIGHT_SOUND 1019
#define IDC_PATHS_GET_RIGHT 1007
#define IDC_PATHS_WRONG_SOUND 1006
#define IDC_PATHS_GET_WRONG 1009
#define IDC_PATHS_FOLDER 1020
#define IDC_PATHS_GET_FOLDER 1021
#define IDC_COLORS_USE 1051
#define IDC_COLORS_BASE_LABEL 1054
#define IDC_COLORS_BASE 1053
#define IDC_COLORS_RIGHT_LABEL 1059
#define IDC_COLORS_RIGHT 114
#define IDC_COLORS_WRONG_LABEL 1060
#define IDC_COLORS_WRONG 1055
#define IDC_COLORS_DIFF_LABEL 1061
#define IDC_COLORS_DIFF 1056
#define IDC_COLORS_MISSING_LABEL 1062
#define IDC_COLORS_MISSING 1057
#define IDC_COLORS_EXTRA_LABEL 1063
#define IDC_COLORS_EXTRA 1058
#define IDC_COLORS_RESTORE 1064

// About dialog IDD_ABOUT.
#define IDC_ABOUT_ICON 113
#define IDC_ABOUT_OK 1000
#define IDC_ABOUT_VERSION 110
#define IDC_ABOUT_NOTICE 111
#define IDC_ABOUT_NOTICE_MORE 112
#define IDC_ABOUT_MAIL 1073
#define IDC_ABOUT_HOME_PAGE 1074
#define IDC_ABOUT_SYSTEM 115

// Test window (class "WDLTEST"), whose controls the window makes itself, and
// its words grid, dialog IDD_TEST_WORDS.
#define IDC_TEST_START 1000
#define IDC_TEST_CANCEL 1001
#define IDC_TEST_STATUS 1002
#define IDC_TEST_FIRST_COUNT 1005
#define IDC_TEST_SECOND_COUNT 1006
#define IDC_TEST_FIRST_LABEL 1007
#define IDC_TEST_SECOND_LABEL 1008
#define IDC_TEST_GIVE_NUMBER 1009
#define IDC_TEST_CHARACTER 1072
#define IDC_TEST_FIRST_SPIN 115
#define IDC_TEST_SECOND_SPIN 116
#define IDC_TEST_ANSWER 2001
#define IDC_TEST_QUESTION_LABEL 2002
#define IDC_TEST_QUESTION_WORD 2003
#define IDC_GRID_SCROLL 100
#define IDC_GRID_OK 101
#define IDC_GRID_QUESTION 110  // rows 110 to 127
#define IDC_GRID_TYPED 130     // rows 130 to 147
#define IDC_GRID_RIGHT 150     // rows 150 to 167

// Combine Files, dialog IDD_COMBINE.
#define IDC_COMBINE_COMBINE 101
#define IDC_COMBINE_GET_FIRST 103
#define IDC_COMBINE_GET_SECOND 104
#define IDC_COMBINE_GET_DESTINATION 105
#define IDC_COMBINE_FIRST 106
#define IDC_COMBINE_SECOND 107
#define IDC_COMBINE_DESTINATION 108
#define IDC_COMBINE_FIRST_LANGUAGE 109
#define IDC_COMBINE_SECOND_LANGUAGE 110
#define IDC_COMBINE_AUTHOR 111
#define IDC_COMBINE_INFORMATION 112
#define IDC_COMBINE_NEW_DESTINATION 113
#define IDC_COMBINE_AUTOMATIC 114
#define IDC_COMBINE_SAME 115
#define IDC_COMBINE_REVERSED 116
#define IDC_COMBINE_FIRST_INFO 117
#define IDC_COMBINE_SECOND_INFO 118
#define IDC_COMBINE_FIRST_GROUP 120
#define IDC_COMBINE_CLOSE 1001

// Add Words IDD_ADD_WORDS and Change Words IDD_CHANGE_WORDS share their edits
// and the Character button.
#define IDC_WORDS_FIRST_LABEL 110
#define IDC_WORDS_FIRST 103
#define IDC_WORDS_SECOND_LABEL 111
#define IDC_WORDS_SECOND 104
#define IDC_WORDS_CHARACTER 1072
#define IDC_ADD_WORDS_ADD 101
#define IDC_ADD_WORDS_CANCEL 105
#define IDC_CHANGE_WORDS_CHANGE 1039
#define IDC_CHANGE_WORDS_CANCEL 1001

// Character, dialog IDD_CHARACTER.
#define IDC_CHARACTER_CELLS 1071
#define IDC_CHARACTER_FONT 1070
#define IDC_CHARACTER_CLOSE 101
#define IDC_CHARACTER_SCRIPT 1075

// Properties, dialog IDD_PROPERTIES.
#define IDC_PROPERTIES_FIRST_LANGUAGE 111
#define IDC_PROPERTIES_SECOND_LANGUAGE 112
#define IDC_PROPERTIES_AUTHOR 113
#define IDC_PROPERTIES_INFORMATION 107
#define IDC_PROPERTIES_OK 1000
#define IDC_PROPERTIES_CANCEL 1001

// Input, dialog IDD_INPUT.
#define IDC_INPUT_PROMPT 113
#define IDC_INPUT_VALUE 1003
#define IDC_INPUT_GET 1028
#define IDC_INPUT_OK 1000
#define IDC_INPUT_CANCEL 1001

// Word list window, dialog IDD_WORDLIST: its list view and toolbar, the
// toolbar's commands (a button's id is also its tool tip's string id), and the
// commands of popup menu IDR_WORDLIST_MENU and accelerators IDR_WORDLIST_ACCELERATORS.
#define IDC_WORDLIST_LIST 1066
#define IDC_WORDLIST_TOOLBAR 1069
#define IDM_WORDLIST_CLOSE 101
#define IDM_WORDLIST_NEW 102
#define IDM_WORDLIST_DELETE 104
#define IDM_WORDLIST_SORT 106
#define IDM_WORDLIST_MARK 117
#define IDM_WORDLIST_COPY 121
#define IDM_WORDLIST_CUT 122
#define IDM_WORDLIST_PASTE 123
#define IDM_WORDLIST_FIND 127
#define IDM_WORDLIST_EDIT 1002
#define IDM_SORT_FIRST_WORD 40001
#define IDM_SORT_SECOND_WORD 40002
#define IDM_SORT_ASCENDING 40003
#define IDM_SORT_DESCENDING 40004
#define IDM_MOVE_UP 40005
#define IDM_MOVE_DOWN 40006
#define IDM_MARK_ALL 40013
#define IDM_MARK_NONE 40014
#define IDM_INVERT_MARKING 40015
#define IDM_MARK_SELECTED 40016
#define IDM_WORD_DELETE 40017
#define IDM_WORD_CUT 40024
#define IDM_WORD_COPY 40025
#define IDM_WORD_EDIT 40026
#define IDM_WORD_NEW 40027
#define IDM_WORD_FIND 40028
#define IDM_TOOLBAR_FLAT 40030
#define IDM_TOOLBAR_LABELS 40031
#define IDM_TOOLBAR_TIPS 40032
#define IDM_WORD_PASTE 40033
#define IDM_TOOLBAR_LARGE 40034
#define IDM_CHANGE_ORDER 40035

// Find dialog, IDD_FIND.
#define IDC_FIND_NEXT 1000
#define IDC_FIND_CANCEL 1001
#define IDC_FIND_TEXT 1003
#define IDC_FIND_MATCH_CASE 1032
#define IDC_FIND_WHOLE_WORD 1033
#define IDC_FIND_UP 1034
#define IDC_FIND_DOWN 1035

// What learners of today ask for beyond the drill itself: Count as Right,
// lenient judging on the General page, remembering the answers in the pairs'
// histories, and marking the hard and the due words by them. The keys of table IDR_QUIZ_MORE_ACCELERATORS are
// joined to those of IDR_QUIZ_ACCELERATORS for the main window's loop.
#define IDR_QUIZ_MORE_ACCELERATORS 1230
#define IDM_QUIZ_COUNT_AS_RIGHT 40100
#define IDM_QUIZ_MARK_HARD_WORDS 40101
#define IDM_QUIZ_MARK_DUE_WORDS 40102
#define IDM_QUIZ_REMEMBER_ANSWERS 40103
#define IDC_GENERAL_WITHOUT_ACCENTS 1320
#define IDC_GENERAL_ALTERNATIVES 1321
#define IDD_HARD_WORDS 1220
#define IDC_HARD_WORDS_COUNT 1221
#define IDC_HARD_WORDS_SPIN 1222
#define IDC_HARD_WORDS_OK 1223
#define IDC_HARD_WORDS_CANCEL 1224

// Toolbar images of the word list window: 16 x 16, and 24 x 24 for large
// buttons; at 150% with the id + 100, at 200% with the id + 200.
#define IDB_TOOLBAR 13004
#define IDB_TOOLBAR_DISABLED 13008
#define IDB_TOOLBAR_LARGE 13014
#define IDB_TOOLBAR_LARGE_DISABLED 13015
#define IDB_TOOLBAR_150 13104
#define IDB_TOOLBAR_DISABLED_150 13108
#define IDB_TOOLBAR_LARGE_150 13114
#define IDB_TOOLBAR_LARGE_DISABLED_150 13115
#define IDB_TOOLBAR_200 13204
#define IDB_TOOLBAR_DISABLED_200 13208
#define IDB_TOOLBAR_LARGE_200 13214
#define IDB_TOOLBAR_LARGE_DISABLED_200 13215

#ifndef RC_INVOKED
#include "framework/core/Win32.h"

namespace QuizTimer {
constexpr UINT kAutosave = 1000;         // main window, every 3000 ms
constexpr UINT kRestore = 1001;          // main window, once after 1000 ms
constexpr UINT kActivateWordList = 1002; // main window, once after 10 ms
constexpr UINT kPreviewPoll = 1003;      // wave preview, every 100 ms
}  // namespace QuizTimer

namespace QuizString {
// Tool tips of the word list window's toolbar carry their command's id.
constexpr UINT kTipClose = 101;
constexpr UINT kTipNew = 102;
constexpr UINT kTipDelete = 104;
constexpr UINT kTipSort = 106;
constexpr UINT kTipMark = 117;
constexpr UINT kTipCopy = 121;
constexpr UINT kTipCut = 122;
constexpr UINT kTipPaste = 123;
constexpr UINT kTipFind = 127;
constexpr UINT kTipEdit = 1002;

constexpr UINT kFontPoints = 10000;  // "%s %dpt": face name, size in points
constexpr UINT kFontBold = 10001;
constexpr UINT kFontItalic = 10002;
// The Character dialog's scripts, in the order it offers them.
constexpr UINT kScriptLatin1 = 10010;
constexpr UINT kScriptLatinExtendedA = 10011;
constexpr UINT kScriptLatinExtendedB = 10012;
constexpr UINT kScriptPhonetic = 10013;
constexpr UINT kScriptGreek = 10014;
constexpr UINT kScriptCyrillic = 10015;
constexpr UINT kScriptArmenian = 10016;
constexpr UINT kScriptHebrew = 10017;
constexpr UINT kScriptArabic = 10018;
constexpr UINT kScriptDevanagari = 10019;
constexpr UINT kScriptThai = 10020;
constexpr UINT kScriptGeorgian = 10021;
constexpr UINT kScriptLatinAdditional = 10022;
constexpr UINT kScriptHiragana = 10023;
constexpr UINT kScriptKatakana = 10024;
constexpr UINT kScriptHangulJamo = 10025;

constexpr UINT kLanguageCount = 20000;
constexpr UINT kFirstLanguage = 20001;
constexpr UINT kLanguagePhraseOffset = 30;

constexpr UINT kErrorCaption = 21000;
constexpr UINT kRefusedDuringTest = 21001;
constexpr UINT kOpenNotFound = 21002;       // %s: path
constexpr UINT kOpenInvalid = 21003;        // %s: path
constexpr UINT kOpenUnknownFormat = 21004;  // %s: path
constexpr UINT kNoMemory = 21005;
constexpr UINT kCannotCreate = 21006;
constexpr UINT kCannotWrite = 21007;
constexpr UINT kCannotGetWords = 21008;
constexpr UINT kCannotSetTimer = 21009;
constexpr UINT kNotEnoughWords = 21010;
constexpr UINT kCannotDeleteFile = 21011;  // %s: path
constexpr UINT kCannotRenameFile = 21012;
constexpr UINT kCombineSameFiles = 21013;
constexpr UINT kCombineEmptyName = 21014;
constexpr UINT kCombineOpenFirst = 21015;
constexpr UINT kCombineOpenSecond = 21016;
constexpr UINT kCombineReadFirst = 21017;
constexpr UINT kCombineReadSecond = 21018;
constexpr UINT kCombineFirstUnknown = 21019;
constexpr UINT kCombineSecondUnknown = 21020;
constexpr UINT kCombineCreateDestination = 21021;
constexpr UINT kCombineWrite = 21022;
constexpr UINT kCombineFailed = 21023;
constexpr UINT kCannotMoveFile = 21024;
constexpr UINT kCannotCopyFile = 21025;
constexpr UINT kCannotFindString = 21029;  // %s: the search text
constexpr UINT kAutosaveTimeInvalid = 21030;
constexpr UINT kInvalidTextLine = 21031;
constexpr UINT kNoHelpFile = 21032;

constexpr UINT kTitleSuffix = 22000;
constexpr UINT kTitleRestored = 22001;
constexpr UINT kUntitled = 22002;
constexpr UINT kFindCaption = 22003;
constexpr UINT kTabPaths = 22004;
constexpr UINT kTabColors = 22005;
constexpr UINT kTabGeneral = 22006;
constexpr UINT kNoSelectedWords = 22007;
constexpr UINT kSaveChangesNamed = 22008;  // %s: path
constexpr UINT kSaveChangesUntitled = 22009;
constexpr UINT kOpenFileTitle = 22010;
constexpr UINT kSaveFileTitle = 22011;
constexpr UINT kSaveCaption = 22012;
constexpr UINT kBrowseFileTitle = 22013;
constexpr UINT kGetFolderTitle = 22014;
constexpr UINT kMade = 22015;
constexpr UINT kNewFilenamePrompt = 22020;
constexpr UINT kRenameFileTitle = 22021;
constexpr UINT kMoveFileTitle = 22022;
constexpr UINT kCopyFileTitle = 22023;
constexpr UINT kDeleteFileQuestion = 22024;  // %s: path
constexpr UINT kDeleteFileCaption = 22025;
constexpr UINT kRestoreQuestion = 22026;     // day, month, year, hour, minute
constexpr UINT kRestoreCaption = 22027;
constexpr UINT kTestTitle = 22028;

constexpr UINT kWhatIsIn = 23001;  // %s: language phrase
constexpr UINT kWhatIs = 23002;
constexpr UINT kRightLabel = 23004;
constexpr UINT kYourLabel = 23005;
constexpr UINT kPoints = 23008;  // right, answered, marked, pairs
constexpr UINT kWrong = 23009;
constexpr UINT kRight = 23010;

constexpr UINT kButtonOk = 24001;
constexpr UINT kButtonCancel = 24002;
constexpr UINT kTestStart = 24003;
constexpr UINT kTestNext = 24004;
constexpr UINT kTestGiveNumber = 24005;
constexpr UINT kTestCharacter = 24006;
constexpr UINT kTestWords = 24007;        // %s - %s: question and answer language
constexpr UINT kTestWordsInUse = 24008;   // %d: pair count
constexpr UINT kTestPointsCaption = 24009;
constexpr UINT kTestResultGraded = 24010; // right, total, grade
constexpr UINT kTestResult = 24011;       // right, total
constexpr UINT kGridQuestion = 24012;     // %s: language
constexpr UINT kGridYourAnswer = 24013;
constexpr UINT kGridRightAnswer = 24014;

constexpr UINT kOkCaption = 26000;
constexpr UINT kCombineDone = 26001;
constexpr UINT kAutomaticOrderCaption = 26002;
constexpr UINT kAskNormalOrder = 26003;
constexpr UINT kAskReversibleOrder = 26004;
constexpr UINT kFirstFileGroup = 26010;
constexpr UINT kFirstFileDestinationGroup = 26011;
constexpr UINT kInfoEmpty = 26020;
constexpr UINT kInfoSummary = 26021;  // languages, author, word count
constexpr UINT kInfoBadFile = 26022;
constexpr UINT kInfoUnknownFile = 26023;
constexpr UINT kInfoNoMemory = 26024;
constexpr UINT kInfoOldFormat = 26025;

constexpr UINT kAboutNotice = 27000;
constexpr UINT kSystemWin32s = 27001;
constexpr UINT kSystemWindows95 = 27002;
constexpr UINT kSystemWindows98 = 27003;
constexpr UINT kSystemWindowsNt = 27004;
constexpr UINT kProcessor = 27010;
constexpr UINT kIntel386 = 27011;
constexpr UINT kIntel486 = 27012;
constexpr UINT kIntelPentium = 27013;
constexpr UINT kCyrix6x86 = 27014;
constexpr UINT kMips = 27015;
constexpr UINT kAlpha = 27016;
constexpr UINT kPowerPc = 27017;
constexpr UINT kCpus = 27020;
constexpr UINT kModel = 27021;
constexpr UINT kStep = 27022;
constexpr UINT kRevision = 27023;
constexpr UINT kPagedMemory = 27030;
constexpr UINT kPhysicalMemory = 27031;

// File dialog filters: "name|pattern|...||".
constexpr UINT kFilterOpen = 28001;
constexpr UINT kFilterSave = 28002;
constexpr UINT kFilterWave = 28003;
constexpr UINT kFilterWordFile = 28004;
constexpr UINT kFilterWordOrAll = 28005;
constexpr UINT kRegistryPath = 28010;

constexpr UINT kUnconvertibleLine = 21100;  // %d: line number
constexpr UINT kCannotStoreHistory = 21101;  // %s: path
constexpr UINT kLongWordLine = 21102;        // %d: line number, %d: the longest word
constexpr UINT kSaveLosesCharacters = 21103;
constexpr UINT kCountedRight = 23100;
constexpr UINT kWordsMarked = 23101;         // %d: marked pairs
constexpr UINT kMarkHardWordsCaption = 23102;
constexpr UINT kMarkDueWordsCaption = 23103;
constexpr UINT kHardWordsInvalid = 23104;

constexpr UINT kFirstWordColumn = 30101;
constexpr UINT kSecondWordColumn = 30102;
constexpr UINT kToolbarLabels = 30103;  // labels between line feeds
}  // namespace QuizString
#endif
