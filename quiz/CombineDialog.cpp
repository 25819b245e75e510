#include "quiz/CombineDialog.h"

#include "dialogs/QuizFileDialog.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinControl.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/LanguageTable.h"

#include <initializer_list>

namespace {

const int kNameLimit = 260;

// After these the general failure message follows.
bool followedByGeneralFailure(CombineResult result) {
  return result != CombineResult::CannotOpenFirst && result != CombineResult::CannotOpenSecond &&
         result != CombineResult::NoMemory;
}

}  // namespace

CombineDialog::CombineDialog(Settings& settings) : CWinDialog(IDD_COMBINE), settings_(settings) {}

LRESULT CombineDialog::onInitDialog(HWND) {
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  LanguageTable languages;
  for (int combo : {IDC_COMBINE_FIRST_LANGUAGE, IDC_COMBINE_SECOND_LANGUAGE})
    for (int i = 0; i < languages.count(); ++i)
      SendDlgItemMessageA(hwnd, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(languages.name(i).c_str()));
  for (int edit : {IDC_COMBINE_FIRST, IDC_COMBINE_SECOND, IDC_COMBINE_DESTINATION})
    SendDlgItemMessageA(hwnd, edit, EM_LIMITTEXT, kNameLimit, 0);
  CheckRadioButton(hwnd, IDC_COMBINE_AUTOMATIC, IDC_COMBINE_REVERSED, IDC_COMBINE_AUTOMATIC);
  CheckDlgButton(hwnd, IDC_COMBINE_NEW_DESTINATION, BST_CHECKED);
  refreshDestination();
  return TRUE;
}

LRESULT CombineDialog::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_COMBINE_GET_FIRST: browse(IDC_COMBINE_FIRST, true); break;
    case IDC_COMBINE_GET_SECOND: browse(IDC_COMBINE_SECOND, true); break;
    case IDC_COMBINE_GET_DESTINATION: browse(IDC_COMBINE_DESTINATION, false); break;
    case IDC_COMBINE_FIRST:
    case IDC_COMBINE_SECOND:
      if (code == EN_SETFOCUS) SendDlgItemMessageA(hwnd, id, EM_SETSEL, 0, -1);
      else if (code == EN_CHANGE && id == IDC_COMBINE_FIRST) showSummary(id, IDC_COMBINE_FIRST_INFO, true);
      else if (code == EN_CHANGE) showSummary(id, IDC_COMBINE_SECOND_INFO, false);
      break;
    case IDC_COMBINE_NEW_DESTINATION: refreshDestination(); break;
    case IDC_COMBINE_COMBINE: combine(); break;
    case IDC_COMBINE_CLOSE: EndDialog(hwnd, IDCANCEL); break;
  }
  return 0;
}

void CombineDialog::combine() {
  CText first, second, destination;
  getItemText(IDC_COMBINE_FIRST, first);
  getItemText(IDC_COMBINE_SECOND, second);
  bool newDestination = IsDlgButtonChecked(hwnd, IDC_COMBINE_NEW_DESTINATION) == BST_CHECKED;
  if (newDestination) getItemText(IDC_COMBINE_DESTINATION, destination);
  else destination = first;
  if (first.empty() || second.empty() || destination.empty()) {
    messageBox(QuizString::kCombineEmptyName, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
    return;
  }
  if (sameSourceFiles(first.c_str(), second.c_str())) {
    messageBox(QuizString::kCombineSameFiles, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
    return;
  }
  WordOrder order;
  if (!chooseOrder(first, second, &order)) return;
  FileInfo header;
  CWinControl(GetDlgItem(hwnd, IDC_COMBINE_FIRST_LANGUAGE)).getText(header.firstLanguage);
  CWinControl(GetDlgItem(hwnd, IDC_COMBINE_SECOND_LANGUAGE)).getText(header.secondLanguage);
  CWinControl(GetDlgItem(hwnd, IDC_COMBINE_AUTHOR)).getText(header.author);
  CWinControl(GetDlgItem(hwnd, IDC_COMBINE_INFORMATION)).getText(header.information);
  CombineResult result;
  {
    CWaitCursor wait;
    result = combineWordFiles(first.c_str(), second.c_str(), destination.c_str(), header, order);
  }
  if (result != CombineResult::Ok) {
    reportFailure(result);
    return;
  }
  showSummary(IDC_COMBINE_FIRST, IDC_COMBINE_FIRST_INFO, false);
  showSummary(IDC_COMBINE_SECOND, IDC_COMBINE_SECOND_INFO, false);
  messageBox(QuizString::kCombineDone, QuizString::kOkCaption, MB_OK | MB_ICONINFORMATION);
}

bool CombineDialog::chooseOrder(const CText& first, const CText& second, WordOrder* order) {
  if (IsDlgButtonChecked(hwnd, IDC_COMBINE_SAME) == BST_CHECKED) {
    *order = WordOrder::Same;
    return true;
  }
  if (IsDlgButtonChecked(hwnd, IDC_COMBINE_REVERSED) == BST_CHECKED) {
    *order = WordOrder::Reversed;
    return true;
  }
  FileInfo one, other;
  if (readSummary(first.c_str(), &one) != FileResult::Ok || readSummary(second.c_str(), &other) != FileResult::Ok) {
    messageBox(QuizString::kCombineFailed, QuizString::kErrorCaption, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  const UINT question = MB_YESNOCANCEL | MB_ICONQUESTION;
  switch (automaticOrder(one, other)) {
    case AutomaticOrder::Same: *order = WordOrder::Same; return true;
    case AutomaticOrder::Reversed: *order = WordOrder::Reversed; return true;
    case AutomaticOrder::AskNormalOrder:
      switch (messageBox(QuizString::kAskNormalOrder, QuizString::kAutomaticOrderCaption, question)) {
        case IDYES: *order = WordOrder::Same; return true;
        case IDNO: *order = WordOrder::Reversed; return true;
        default: return false;
      }
    case AutomaticOrder::AskReversibleOrder:
      switch (messageBox(QuizString::kAskReversibleOrder, QuizString::kAutomaticOrderCaption, question)) {
        case IDYES: *order = WordOrder::Reversed; return true;
        case IDNO: *order = WordOrder::Same; return true;
        default: return false;
      }
  }
  return false;
}

void CombineDialog::showSummary(int editId, int infoId, bool fillProperties) {
  CText path, text;
  getItemText(editId, path);
  FileInfo info;
  FileResult result = path.empty() ? FileResult::CannotOpen : readSummary(path.c_str(), &info);
  switch (result) {
    case FileResult::Ok:
      text.formatResource(QuizString::kInfoSummary, info.firstLanguage.c_str(), info.secondLanguage.c_str(),
                          info.author.c_str(), info.wordCount);
      break;
    case FileResult::Invalid: text.load(QuizString::kInfoBadFile); break;
    case FileResult::UnknownFormat: text.load(QuizString::kInfoUnknownFile); break;
    case FileResult::NoMemory: text.load(QuizString::kInfoNoMemory); break;
    case FileResult::OldFormat: text.load(QuizString::kInfoOldFormat); break;
    default: text.load(QuizString::kInfoEmpty); break;
  }
  SetDlgItemTextA(hwnd, infoId, text.c_str());
  if (result != FileResult::Ok || !fillProperties) return;
  SetDlgItemTextA(hwnd, IDC_COMBINE_FIRST_LANGUAGE, info.firstLanguage.c_str());
  SetDlgItemTextA(hwnd, IDC_COMBINE_SECOND_LANGUAGE, info.secondLanguage.c_str());
  SetDlgItemTextA(hwnd, IDC_COMBINE_AUTHOR, info.author.c_str());
  SetDlgItemTextA(hwnd, IDC_COMBINE_INFORMATION, info.information.c_str());
}

void CombineDialog::browse(int editId, bool open) {
  CText path;
  getItemText(editId, path);
  int type = kFormatWordFile;
  QuizFileDialog dialog(settings_);
  if (dialog.run(hwnd, CText::loaded(QuizString::kBrowseFileTitle).c_str(), open,
                 open ? QuizFileDialog::kWordOrAllFiles : QuizFileDialog::kWordFiles, &path, &type))
    SetDlgItemTextA(hwnd, editId, path.c_str());
}

// Without a new destination the result replaces the first file.
void CombineDialog::refreshDestination() {
  bool newDestination = IsDlgButtonChecked(hwnd, IDC_COMBINE_NEW_DESTINATION) == BST_CHECKED;
  EnableWindow(GetDlgItem(hwnd, IDC_COMBINE_DESTINATION), newDestination);
  EnableWindow(GetDlgItem(hwnd, IDC_COMBINE_GET_DESTINATION), newDestination);
  SetDlgItemTextA(hwnd, IDC_COMBINE_FIRST_GROUP,
                  CText::loaded(newDestination ? QuizString::kFirstFileGroup : QuizString::kFirstFileDestinationGroup)
                      .c_str());
}

void CombineDialog::reportFailure(CombineResult result) {
  messageBox(combineResultMessageId(result), QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
  if (followedByGeneralFailure(result))
    messageBox(QuizString::kCombineFailed, QuizString::kErrorCaption, MB_OK | MB_ICONINFORMATION);
}
