#include "editor/PropertiesDialog.h"

#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/LanguageTable.h"
#include "wordlist/MarkerBytes.h"
#include "wordlist/WordFileLayout.h"

#include <initializer_list>
#include <utility>

namespace {

// Typing in a language box's edit, choosing from its list, or closing the
// list counts as editing the language.
bool editsLanguage(UINT code) { return code == CBN_EDITCHANGE || code == CBN_SELCHANGE || code == CBN_CLOSEUP; }

}  // namespace

PropertiesDialog::PropertiesDialog(WordList& list, Settings& settings)
    : CWinDialog(IDD_PROPERTIES), list_(list), settings_(settings) {}

LRESULT PropertiesDialog::onInitDialog(HWND) {
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  LanguageTable languages;
  for (int box : {IDC_PROPERTIES_FIRST_LANGUAGE, IDC_PROPERTIES_SECOND_LANGUAGE})
    for (int i = 0; i < languages.count(); ++i)
      SendDlgItemMessageA(hwnd, box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(languages.name(i).c_str()));
  // No longer than a word file's reader takes, or the list would not open again.
  for (int box : {IDC_PROPERTIES_FIRST_LANGUAGE, IDC_PROPERTIES_SECOND_LANGUAGE})
    SendDlgItemMessageA(hwnd, box, CB_LIMITTEXT, kLongestWordFileText, 0);
  for (int edit : {IDC_PROPERTIES_AUTHOR, IDC_PROPERTIES_INFORMATION})
    SendDlgItemMessageA(hwnd, edit, EM_LIMITTEXT, kLongestWordFileText, 0);
  SetDlgItemTextA(hwnd, IDC_PROPERTIES_FIRST_LANGUAGE, list_.firstLanguage.c_str());
  SetDlgItemTextA(hwnd, IDC_PROPERTIES_SECOND_LANGUAGE, list_.secondLanguage.c_str());
  SetDlgItemTextA(hwnd, IDC_PROPERTIES_AUTHOR, list_.author.c_str());
  SetDlgItemTextA(hwnd, IDC_PROPERTIES_INFORMATION, list_.information.c_str());
  // Filling the fields reported changes of their own.
  changed_ = false;
  return TRUE;
}

LRESULT PropertiesDialog::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_PROPERTIES_FIRST_LANGUAGE:
    case IDC_PROPERTIES_SECOND_LANGUAGE:
      if (editsLanguage(code)) changed_ = true;
      break;
    case IDC_PROPERTIES_AUTHOR:
    case IDC_PROPERTIES_INFORMATION:
      if (code == EN_CHANGE) changed_ = true;
      break;
    case IDC_PROPERTIES_OK:
      if (changed_) store();
      EndDialog(hwnd, IDOK);
      break;
    case IDC_PROPERTIES_CANCEL: EndDialog(hwnd, IDCANCEL); break;
  }
  return 0;
}

void PropertiesDialog::store() {
  const std::pair<int, CText*> fields[] = {{IDC_PROPERTIES_FIRST_LANGUAGE, &list_.firstLanguage},
                                           {IDC_PROPERTIES_SECOND_LANGUAGE, &list_.secondLanguage},
                                           {IDC_PROPERTIES_AUTHOR, &list_.author},
                                           {IDC_PROPERTIES_INFORMATION, &list_.information}};
  for (const auto& field : fields) {
    getItemText(field.first, *field.second);
    dropMarkerBytes(field.second);
  }
  settings_.setModified(true);
}
