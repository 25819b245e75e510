// The English resource set of the quiz program as the system loads it: the
// main window's template with its real control classes, menu, keys, the wave
// preview panel, icon, bitmaps, the probe wave and the string table.
#include "framework/win/ThreeDControls.h"
#include "resources/QuizResourceIds.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

#include <string>
#include <vector>

namespace {

HINSTANCE module() { return GetModuleHandleA(nullptr); }

std::string loadText(UINT id) {
  char text[512] = "";
  LoadStringA(module(), id, text, sizeof text);
  return text;
}

INT_PTR CALLBACK plainDialogProcedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND createQuizDialog() {
  static bool registered = registerThreeDControls(module());
  CHECK(registered);
  return CreateDialogParamA(module(), MAKEINTRESOURCEA(IDD_QUIZ), nullptr, plainDialogProcedure, 0);
}

struct ControlCase {
  int id;
  const char* className;
  const char* text;
  LONG kind;  // low style bits: button kind, or -1 when not a button
};

const ControlCase kQuizControls[] = {
    {IDC_QUIZ_QUESTION_LABEL, "ZTK3DSTATIC", "", -1},
    {IDC_QUIZ_QUESTION_WORD, "ZTK3DSTATIC", "No selected words in wordlist.", -1},
    {IDC_QUIZ_ANSWER_LABEL, "Static", "Ans&wer:", -1},
    {IDC_QUIZ_ANSWER, "Edit", "", -1},
    {IDC_QUIZ_RESULT, "ZTK3DSTATIC", "", -1},
    {IDC_QUIZ_RIGHT_ANSWER, "ZTK3DSTATIC", "Right Answer:", -1},
    {IDC_QUIZ_YOUR_ANSWER, "ZTK3DSTATIC", "Your Answer:", -1},
    {IDC_QUIZ_POINTS, "ZTK3DSTATIC", "Points 0 / 0 Selected 0 / 0", -1},
    {IDC_QUIZ_CHECK, "Button", "&Check", BS_DEFPUSHBUTTON},
    {IDC_QUIZ_GIVE_HELP, "Button", "&Give Help", BS_PUSHBUTTON},
    {IDC_QUIZ_CHARACTER, "Button", "C&haracter", BS_PUSHBUTTON},
    {IDC_QUIZ_OPEN, "Button", "&Open", BS_PUSHBUTTON},
    {IDC_QUIZ_SAVE, "Button", "&Save", BS_PUSHBUTTON},
    {IDC_QUIZ_CLOSE, "Button", "C&lose", BS_PUSHBUTTON},
    {IDC_QUIZ_SECOND_TO_FIRST, "Button", " - ", BS_AUTORADIOBUTTON},
    {IDC_QUIZ_FIRST_TO_SECOND, "Button", " - ", BS_AUTORADIOBUTTON},
    {IDC_QUIZ_ASK_PREVIOUS, "Button", "As&k Previous", BS_CHECKBOX},
};

WINE_TEST(quizDialogHasEveryControl) {
  HWND dialog = createQuizDialog();
  CHECK(dialog != nullptr);
  if (!dialog) return;
  for (const ControlCase& control : kQuizControls) {
    winetest::setContext("control " + std::to_string(control.id));
    HWND item = GetDlgItem(dialog, control.id);
    CHECK(item != nullptr);
    if (!item) continue;
    CHECK(lstrcmpiA(e2e::className(item).c_str(), control.className) == 0);
    CHECK_EQ(e2e::text(item), control.text);
    if (control.kind >= 0) CHECK_EQ(GetWindowLongA(item, GWL_STYLE) & BS_TYPEMASK, control.kind);
  }
  winetest::setContext("");
  DestroyWindow(dialog);
}

WINE_TEST(quizDialogStylesAndPlaces) {
  HWND dialog = createQuizDialog();
  if (!dialog) return;
  CHECK_EQ(e2e::text(dialog), "untitled - Verbolt'97");
  LONG style = GetWindowLongA(dialog, GWL_STYLE);
  CHECK((style & WS_MINIMIZEBOX) != 0);
  CHECK((style & WS_THICKFRAME) != 0);
  CHECK((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);
  CHECK_EQ(GetWindowLongA(GetDlgItem(dialog, IDC_QUIZ_POINTS), GWL_STYLE), 0x50008000L);
  CHECK_EQ(GetWindowLongA(GetDlgItem(dialog, IDC_QUIZ_ANSWER), GWL_STYLE) & ES_AUTOHSCROLL, ES_AUTOHSCROLL);
  CHECK_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDC_QUIZ_CHECK);
  RECT expected = {198, 106, 198 + 86, 106 + 16};
  MapDialogRect(dialog, &expected);
  RECT actual;
  GetWindowRect(GetDlgItem(dialog, IDC_QUIZ_CLOSE), &actual);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
  CHECK_EQ(actual.left, expected.left);
  CHECK_EQ(actual.top, expected.top);
  CHECK_EQ(actual.right - actual.left, expected.right - expected.left);
  DestroyWindow(dialog);
}

std::string menuText(HMENU menu, UINT id) {
  char text[128] = "";
  GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

WINE_TEST(quizMenuHasEveryCommand) {
  HWND dialog = createQuizDialog();
  if (!dialog) return;
  HMENU menu = GetMenu(dialog);
  CHECK(menu != nullptr);
  CHECK_EQ(GetMenuItemCount(menu), 3);
  const std::pair<UINT, const char*> items[] = {
      {IDM_QUIZ_NEW, "&New\tCtrl+N"},        {IDC_QUIZ_OPEN, "&Open...\tCtrl+O"},
      {IDC_QUIZ_SAVE, "&Save..\tCtrl+S"},    {IDM_QUIZ_SAVE_AS, "Save &As..."},
      {IDM_QUIZ_DELETE_FILE, "&Delete File"}, {IDM_QUIZ_RENAME_FILE, "&Rename File"},
      {IDM_QUIZ_MOVE_FILE, "&Move File"},    {IDM_QUIZ_COPY_FILE, "&Copy File"},
      {IDC_QUIZ_CLOSE, "&Close\tAlt+F4"},    {IDM_QUIZ_PROPERTIES, "&Properties...\tF2"},
      {IDM_QUIZ_WORDLIST, "&Wordlist...\tF3"}, {IDM_QUIZ_ADD_WORDS, "&Add Words...\tF4"},
      {IDM_QUIZ_COMBINE_FILES, "&Combine Files...\tF5"}, {IDM_QUIZ_TESTS, "&Tests...\tF6"},
      {IDM_QUIZ_SETTINGS, "&Settings...\tF7"}, {IDM_QUIZ_ABOUT, "&About"},
  };
  for (const auto& item : items) {
    winetest::setContext("menu item " + std::to_string(item.first));
    CHECK_EQ(menuText(menu, item.first), item.second);
  }
  winetest::setContext("");
  HMENU file = GetSubMenu(menu, 0);
  char text[64] = "";
  GetMenuStringA(file, 5, text, sizeof text, MF_BYPOSITION);
  CHECK_EQ(std::string(text), "Manage &Files");
  CHECK_EQ(GetMenuItemID(GetSubMenu(file, 5), 0), static_cast<UINT>(IDM_QUIZ_DELETE_FILE));
  CHECK_EQ(GetMenuItemID(menu, 2), static_cast<UINT>(IDM_QUIZ_ABOUT));
  DestroyWindow(dialog);
}

// The table loads with exactly the expected entries, in their order.
void checkAccelerators(int id, const ACCEL* expected, int count) {
  HACCEL table = LoadAcceleratorsA(module(), MAKEINTRESOURCEA(id));
  CHECK(table != nullptr);
  if (!table) return;
  std::vector<ACCEL> actual(count + 1);
  CHECK_EQ(CopyAcceleratorTableA(table, actual.data(), count + 1), count);
  for (int i = 0; i < count; ++i) {
    winetest::setContext("accelerator " + std::to_string(i));
    CHECK_EQ(actual[i].fVirt & ~0x80, expected[i].fVirt);
    CHECK_EQ(actual[i].key, expected[i].key);
    CHECK_EQ(actual[i].cmd, expected[i].cmd);
  }
  winetest::setContext("");
  DestroyAcceleratorTable(table);
}

WINE_TEST(quizAcceleratorsAreTheTable) {
  const ACCEL expected[] = {
      {FVIRTKEY | FALT, 'C', IDC_QUIZ_CHECK},       {FVIRTKEY, VK_RETURN, IDC_QUIZ_CHECK},
      {FVIRTKEY | FALT, 'G', IDC_QUIZ_GIVE_HELP},   {FVIRTKEY | FALT, 'H', IDC_QUIZ_CHARACTER},
      {FVIRTKEY | FALT, 'K', IDC_QUIZ_ASK_PREVIOUS}, {FVIRTKEY | FALT, 'L', IDC_QUIZ_CLOSE},
      {FVIRTKEY | FALT, 'W', IDC_QUIZ_ANSWER},      {FVIRTKEY | FCONTROL, 'N', IDM_QUIZ_NEW},
      {FVIRTKEY | FCONTROL, 'O', IDC_QUIZ_OPEN},    {FVIRTKEY | FALT, 'O', IDC_QUIZ_OPEN},
      {FVIRTKEY | FCONTROL, 'S', IDC_QUIZ_SAVE},    {FVIRTKEY | FALT, 'S', IDC_QUIZ_SAVE},
      {FVIRTKEY, VK_F2, IDM_QUIZ_PROPERTIES},       {FVIRTKEY, VK_F3, IDM_QUIZ_WORDLIST},
      {FVIRTKEY, VK_F4, IDM_QUIZ_ADD_WORDS},        {FVIRTKEY, VK_F5, IDM_QUIZ_COMBINE_FILES},
      {FVIRTKEY, VK_F6, IDM_QUIZ_TESTS},            {FVIRTKEY, VK_F7, IDM_QUIZ_SETTINGS},
      {FVIRTKEY, VK_TAB, IDM_NEXT_TAB_STOP},        {FVIRTKEY | FCONTROL, VK_TAB, IDM_NEXT_TAB_STOP},
      {FVIRTKEY | FSHIFT, VK_TAB, IDM_PREVIOUS_TAB_STOP},
  };
  checkAccelerators(IDR_QUIZ_ACCELERATORS, expected, sizeof expected / sizeof expected[0]);
  const ACCEL more[] = {{FVIRTKEY | FCONTROL, 'R', IDM_QUIZ_COUNT_AS_RIGHT}};
  checkAccelerators(IDR_QUIZ_MORE_ACCELERATORS, more, 1);
}

WINE_TEST(wavePreviewPanelHasItsButtons) {
  HWND owner = CreateWindowA("Static", "", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr, module(), nullptr);
  HWND panel = CreateDialogParamA(module(), MAKEINTRESOURCEA(IDD_WAVE_PREVIEW), owner, plainDialogProcedure, 0);
  CHECK(panel != nullptr);
  if (panel) {
    CHECK((GetWindowLongA(panel, GWL_STYLE) & WS_CHILD) != 0);
    HWND label = GetWindow(panel, GW_CHILD);
    CHECK_EQ(e2e::text(label), "Preview:");
    for (int id : {IDC_PREVIEW_PLAY, IDC_PREVIEW_STOP}) {
      winetest::setContext("button " + std::to_string(id));
      HWND button = GetDlgItem(panel, id);
      CHECK(button != nullptr);
      CHECK((GetWindowLongA(button, GWL_STYLE) & BS_BITMAP) != 0);
      CHECK(!IsWindowEnabled(button));
    }
    winetest::setContext("");
  }
  DestroyWindow(owner);
}

WINE_TEST(picturesLoadInTheirSizes) {
  for (int size : {32, 16}) {
    winetest::setContext("icon " + std::to_string(size));
    HICON icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(IDI_VERBOLT), IMAGE_ICON, size, size, 0));
    CHECK(icon != nullptr);
    ICONINFO info = {};
    CHECK(GetIconInfo(icon, &info));
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    CHECK_EQ(mask.bmWidth, size);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
  }
  for (int id : {IDB_PLAY, IDB_STOP}) {
    winetest::setContext("bitmap " + std::to_string(id));
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    CHECK(bitmap != nullptr);
    BITMAP picture = {};
    GetObjectA(bitmap, sizeof picture, &picture);
    CHECK_EQ(picture.bmWidth, 16);
    CHECK_EQ(picture.bmHeight, 16);
    DeleteObject(bitmap);
  }
  winetest::setContext("");
}

WINE_TEST(probeWaveIsOneSilentSample) {
  HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(IDW_PROBE), "WAVE");
  CHECK(found != nullptr);
  if (!found) return;
  const unsigned char* wave = static_cast<const unsigned char*>(LockResource(LoadResource(module(), found)));
  CHECK(SizeofResource(module(), found) >= 45);
  CHECK_EQ(std::string(reinterpret_cast<const char*>(wave), 4), "RIFF");
  CHECK_EQ(std::string(reinterpret_cast<const char*>(wave) + 8, 8), "WAVEfmt ");
  CHECK_EQ(wave[20], 1);       // PCM
  CHECK_EQ(wave[40], 1);       // one byte of data
  CHECK_EQ(wave[44], 0x80);    // the 8-bit silence level
}

// Texts whose every byte matters: double spaces, line feeds, backslashes.
WINE_TEST(stringsKeepTheirBytes) {
  const std::pair<UINT, const char*> texts[] = {
      {QuizString::kTipCopy, "Copy (Ctrl+C)"},
      {QuizString::kTipEdit, "Edit..."},
      {QuizString::kCannotSetTimer,
       "Cannot set timer. Autosave is not used. Try to close other program and  restart Verbolt'97."},
      {QuizString::kOpenNotFound, "Error to open file %s: \nFile not found."},
      {QuizString::kTitleSuffix, " - Verbolt'97"},
      {QuizString::kUntitled, "untitled"},
      {QuizString::kRestoreQuestion, "Autosavefile was found. Date: %d.%d.%d Time: %d.%d. Do you want restore it?"},
      {QuizString::kLanguageCount + 9, "Esthonian"},
      {QuizString::kInfoSummary, "Info:\n1st Language: %s\n2nd Language: %s\nAuthor: %s\nWords: %d"},
      {QuizString::kPhysicalMemory, "Physical memory: %d KB Free: %d KB\n"},
      {QuizString::kFilterOpen,
       "Word Files (.wdl)|*.wdl;*.qzl|Text Files (.txt)|*.txt|Oem Text Files (.txt)|*.txt|All Files (*.*)|*.*||"},
      {QuizString::kRegistryPath, "Software\\Quorvel\\Verbolt'97"},
      {QuizString::kToolbarLabels, "\nC&lose\nCu&t\n&Copy\n&Paste\n&New\n&Edit\n&Delete\n&Mark\n&Find\n&Sort\n"},
  };
  for (const auto& text : texts) {
    winetest::setContext("string " + std::to_string(text.first));
    CHECK_EQ(loadText(text.first), text.second);
  }
  winetest::setContext("");
}

// Every id the code may ask for is in the table.
WINE_TEST(everyStringIdLoads) {
  const UINT ids[] = {
      QuizString::kTipClose, QuizString::kTipNew, QuizString::kTipDelete, QuizString::kTipSort,
      QuizString::kTipMark, QuizString::kTipCut, QuizString::kTipPaste, QuizString::kTipFind,
      QuizString::kFontPoints, QuizString::kFontBold, QuizString::kFontItalic,
      QuizString::kErrorCaption, QuizString::kRefusedDuringTest, QuizString::kOpenInvalid,
      QuizString::kOpenUnknownFormat, QuizString::kNoMemory, QuizString::kCannotCreate,
      QuizString::kCannotWrite, QuizString::kCannotGetWords, QuizString::kNotEnoughWords,
      QuizString::kCannotDeleteFile, QuizString::kCannotRenameFile, QuizString::kCombineSameFiles,
      QuizString::kCombineEmptyName, QuizString::kCombineOpenFirst, QuizString::kCombineOpenSecond,
      QuizString::kCombineReadFirst, QuizString::kCombineReadSecond, QuizString::kCombineFirstUnknown,
      QuizString::kCombineSecondUnknown, QuizString::kCombineCreateDestination, QuizString::kCombineWrite,
      QuizString::kCombineFailed, QuizString::kCannotMoveFile, QuizString::kCannotCopyFile,
      QuizString::kCannotFindString, QuizString::kAutosaveTimeInvalid, QuizString::kInvalidTextLine,
      QuizString::kNoHelpFile, QuizString::kTitleRestored, QuizString::kFindCaption, QuizString::kTabPaths,
      QuizString::kTabColors, QuizString::kTabGeneral, QuizString::kNoSelectedWords,
      QuizString::kSaveChangesNamed, QuizString::kSaveChangesUntitled, QuizString::kOpenFileTitle,
      QuizString::kSaveFileTitle, QuizString::kSaveCaption, QuizString::kBrowseFileTitle,
      QuizString::kGetFolderTitle, QuizString::kMade, QuizString::kNewFilenamePrompt,
      QuizString::kRenameFileTitle, QuizString::kMoveFileTitle, QuizString::kCopyFileTitle,
      QuizString::kDeleteFileQuestion, QuizString::kDeleteFileCaption, QuizString::kRestoreCaption,
      QuizString::kTestTitle, QuizString::kWhatIsIn, QuizString::kWhatIs, QuizString::kRightLabel,
      QuizString::kYourLabel, QuizString::kPoints, QuizString::kWrong, QuizString::kRight,
      QuizString::kButtonOk, QuizString::kButtonCancel, QuizString::kTestStart, QuizString::kTestNext,
      QuizString::kTestGiveNumber, QuizString::kTestCharacter, QuizString::kTestWords,
      QuizString::kTestWordsInUse, QuizString::kTestPointsCaption, QuizString::kTestResultGraded,
      QuizString::kTestResult, QuizString::kGridQuestion, QuizString::kGridYourAnswer,
      QuizString::kGridRightAnswer, QuizString::kOkCaption, QuizString::kCombineDone,
      QuizString::kAutomaticOrderCaption, QuizString::kAskNormalOrder, QuizString::kAskReversibleOrder,
      QuizString::kFirstFileGroup, QuizString::kFirstFileDestinationGroup, QuizString::kInfoEmpty,
      QuizString::kInfoBadFile, QuizString::kInfoUnknownFile, QuizString::kInfoNoMemory,
      QuizString::kInfoOldFormat, QuizString::kSystemWin32s, QuizString::kSystemWindows95,
      QuizString::kSystemWindows98, QuizString::kSystemWindowsNt, QuizString::kProcessor,
      QuizString::kIntel386, QuizString::kIntel486, QuizString::kIntelPentium, QuizString::kCyrix6x86,
      QuizString::kMips, QuizString::kAlpha, QuizString::kPowerPc, QuizString::kCpus, QuizString::kModel,
      QuizString::kStep, QuizString::kRevision, QuizString::kPagedMemory, QuizString::kFilterSave,
      QuizString::kFilterWave, QuizString::kFilterWordFile, QuizString::kFilterWordOrAll,
      QuizString::kFirstWordColumn, QuizString::kSecondWordColumn, QuizString::kUnconvertibleLine,
      QuizString::kLongWordLine,
  };
  for (UINT id : ids) {
    winetest::setContext("string " + std::to_string(id));
    CHECK(!loadText(id).empty());
  }
  int languages = std::stoi(loadText(QuizString::kLanguageCount));
  CHECK_EQ(languages, 10);
  for (int i = 0; i < languages; ++i) {
    winetest::setContext("language " + std::to_string(i));
    UINT name = QuizString::kFirstLanguage + i;
    CHECK_EQ("in " + loadText(name), loadText(name + QuizString::kLanguagePhraseOffset));
  }
  winetest::setContext("");
}

}  // namespace

WINE_TEST(testAcceleratorsAreTheTable) {
  const ACCEL expected[] = {
      {FVIRTKEY | FALT, 'N', IDC_TEST_START},        {FVIRTKEY | FALT, 'S', IDC_TEST_START},
      {FVIRTKEY, VK_RETURN, IDC_TEST_START},         {FVIRTKEY | FALT, 'C', IDC_TEST_CANCEL},
      {FVIRTKEY, VK_ESCAPE, IDC_TEST_CANCEL},        {FVIRTKEY | FALT, 'G', IDC_TEST_GIVE_NUMBER},
      {FVIRTKEY | FALT, 'H', IDC_TEST_CHARACTER},    {FVIRTKEY, VK_TAB, IDM_NEXT_TAB_STOP},
      {FVIRTKEY | FCONTROL, VK_TAB, IDM_NEXT_TAB_STOP}, {FVIRTKEY | FSHIFT, VK_TAB, IDM_PREVIOUS_TAB_STOP},
  };
  checkAccelerators(IDR_TEST_ACCELERATORS, expected, sizeof expected / sizeof expected[0]);
}
