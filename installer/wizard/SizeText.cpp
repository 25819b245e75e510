#include "installer/wizard/SizeText.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/script/WizardRules.h"

#include <cstdio>
#include <cstdlib>

namespace {

UINT localeNumber(LCTYPE type) {
  char text[8] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
  return static_cast<UINT>(std::atoi(text));
}

// "3;2;0" in the locale becomes 32, as the number format record wants it.
UINT grouping() {
  char text[16] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, text, sizeof text);
  UINT value = 0;
  for (const char* p = text; *p; ++p) {
    if (*p >= '1' && *p <= '9') value = value * 10 + (*p - '0');
  }
  return value;
}

}  // namespace

SizeText::SizeText() : format_() {}

void SizeText::readUserFormat() {
  format_.NumDigits = 0;
  format_.LeadingZero = localeNumber(LOCALE_ILZERO);
  format_.Grouping = grouping();
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal_, sizeof decimal_);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand_, sizeof thousand_);
  format_.lpDecimalSep = decimal_;
  format_.lpThousandSep = thousand_;
  format_.NegativeOrder = localeNumber(LOCALE_INEGNUMBER);
  read_ = true;
}

CText SizeText::kilobytes(long long bytes) const {
  char digits[32], number[64];
  std::snprintf(digits, sizeof digits, "%lld", WizardRules::kilobyteCount(bytes));
  NUMBERFMTA format = format_;
  if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, digits, read_ ? &format : nullptr, number, sizeof number) == 0)
    std::snprintf(number, sizeof number, "%s", digits);
  CText text;
  text.formatResource(InstallString::kKilobytes, number);
  return text;
}

void SizeText::showFreeSpace(HWND control, const char* path) const {
  long long available = 0;
  if (freeSpace(volumeRoot(path).c_str(), &available)) SetWindowTextA(control, kilobytes(available).c_str());
}

CText volumeRoot(const char* path) {
  CText root;
  if (path[0] && path[1] == ':') {
    root = CText(path, 2);
    root.append('\\');
    return root;
  }
  if (path[0] != '\\' || path[1] != '\\') return root;
  int slashes = 0, length = 2;
  for (; path[length]; ++length) {
    if (path[length] == '\\' && ++slashes == 2) break;
  }
  root = CText(path, length);
  root.append('\\');
  return root;
}

bool freeSpace(const char* root, long long* bytes) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!*root || !GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
  *bytes = static_cast<long long>(freeClusters) * sectorsPerCluster * bytesPerSector;
  return true;
}
