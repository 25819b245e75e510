#pragma once
// Settings: the stored settings of the quiz program and the run-time state its
// windows share; a member of the application object. It also owns the
// registry layout below the program's root path (string 28010), including the
// values that single windows read and write themselves. The record builds
// everywhere; loading, saving and the registry helpers are Windows only.
#include "framework/core/Text.h"
#include "quiz/drill/AnswerLeniency.h"

class Settings {
 public:
  // Status flags.
  enum : DWORD { kAutoSave = 1, kSkipRightAnswers = 2, kUseColors = 4 };
  // Run-time bits.
  enum : BYTE { kAskSecond = 1, kModified = 2 };
  enum { kMaxOtherIds = 40 };

  // Keys below the root path and the values the windows keep themselves.
  static constexpr const char* kSettingsKey = "\\Settings";
  static constexpr const char* kColorsKey = "\\Colors";
  static constexpr const char* kFindKey = "\\Find";
  static constexpr const char* kRecentStringsKey = "\\Recent Strings";
  static constexpr const char* kWordListKey = "\\WordList";
  static constexpr const char* kCharacterKey = "\\Character";
  static constexpr const char* kMainWidth = "Main Width";        // \Settings
  static constexpr const char* kTestWidth = "Test Width";        // \Settings
  static constexpr const char* kCustomColors = "CustomColors";   // \Colors, 64 bytes
  static constexpr const char* kFindDirection = "Direction";     // \Find
  static constexpr const char* kFindWholeWord = "Whole Word";    // \Find
  static constexpr const char* kFindMatchCase = "Match Case";    // \Find
  static constexpr const char* kFindLeft = "Left";               // \Find
  static constexpr const char* kFindTop = "Top";                 // \Find
  static constexpr const char* kRecentFindFormat = "Find%d";     // \Recent Strings, 0 to 9
  static constexpr const char* kColumnWidths = "Column Widths";  // \WordList, 8 bytes
  static constexpr const char* kPosition = "Position";           // \WordList, 16 bytes
  static constexpr const char* kToolbar = "Toolbar";             // \WordList
  static constexpr const char* kCharacterScript = "Script";      // \Character: the script last chosen
  // Lenient judging and the memory of the answers, stored only while on, and
  // the number Mark Hard Words asked for last.
  static constexpr const char* kWithoutAccents = "Accept Without Accents";  // \Settings
  static constexpr const char* kAlternatives = "Accept Alternatives";       // \Settings
  static constexpr const char* kRememberAnswers = "Remember Answers";       // \Settings
  static constexpr const char* kHardWords = "Hard Words";                   // \Settings
  enum : DWORD { kDefaultMainWidth = 440, kDefaultTestWidth = 270, kDefaultToolbar = 15,
                 kDefaultColumnWidth = 200, kDefaultHardWords = 20 };
  // The answer-marking colours by index: 0 base, 1 right answer, 2 wrong
  // answer, 3 difference, 4 missing and 5 extra character (0x00BBGGRR).
  enum { kColorCount = 6 };
  static constexpr COLORREF kDefaultColors[kColorCount] = {0x000000, 0xFF0000, 0x0000FF,
                                                           0x0000FF, 0x800080, 0xA00000};

  Settings();
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // Autosave counter 0, help-used clear, direction: ask the second word,
  // modified clear.
  void resetRunTimeFlags();
  static LOGFONTA defaultFont();

  bool askSecond() const { return (runBits & kAskSecond) != 0; }
  void setAskSecond(bool on);
  bool modified() const { return (runBits & kModified) != 0; }
  void setModified(bool on);
  bool statusOn(DWORD flag) const { return (Status & flag) != 0; }
  void setStatus(DWORD flag, bool on) { Status = on ? (Status | flag) : (Status & ~flag); }
  // index: 0 to kColorCount - 1, as kDefaultColors.
  COLORREF color(int index) const;
  void setColor(int index, COLORREF value);

#ifdef _WIN32
  // Remembers rootPath (below HKEY_CURRENT_USER) for every later access,
  // reads "\Settings" and "\Colors" over the defaults and creates the font
  // handle. Missing keys and values leave defaults; a text value missing
  // from an existing key reads as empty.
  void load(const char* rootPath);
  // Writes "\Settings" and "\Colors", creating them when missing, and
  // deletes the font handle; a lenient judging option or the memory of the
  // answers that is off is deleted from "\Settings". Failures are skipped
  // silently.
  void save();
  // Writes the same values as save() while the program runs on, keeping the
  // font handle.
  void store() const;

  // Single values below the root path. The reads answer false and leave the
  // destination unchanged when the key or the whole value cannot be read,
  // except that readText empties the text when only the value is missing.
  // The writes create a missing key and answer false on failure.
  bool readNumber(const char* key, const char* name, DWORD* value) const;
  bool writeNumber(const char* key, const char* name, DWORD value) const;
  bool readBytes(const char* key, const char* name, void* buffer, DWORD size) const;
  bool writeBytes(const char* key, const char* name, const void* buffer, DWORD size) const;
  bool readText(const char* key, const char* name, CText* text) const;
  bool writeText(const char* key, const char* name, const char* text) const;
  const CText& rootPath() const { return rootPath_; }
#endif

  DWORD Status = kAutoSave | kSkipRightAnswers | kUseColors;
  LONG AutoSaveTime = 300;
  LONG autoSaveCounter = 0;
  CText PlayFile1;
  CText PlayFile2;
  CText FilePath;
  DWORD instanceId = 0;     // set at start from the tick count AND 0xFFFF
  DWORD messageNumber = 0;  // set at start: the number of "WDLMESSAGE"
  BYTE helpUsed = 0;
  BYTE testOpen = 0;
  BYTE closing = 0;
  DWORD otherIds[kMaxOtherIds] = {};
  WORD otherIdCount = 0;
  COLORREF BaseColor = kDefaultColors[0];
  COLORREF RightColor = kDefaultColors[1];
  COLORREF WrongColor = kDefaultColors[2];
  COLORREF DiffColor = kDefaultColors[3];
  COLORREF MissingColor = kDefaultColors[4];
  COLORREF ExtraColor = kDefaultColors[5];
  LOGFONTA Font;  // at 96 dots per inch, as stored
  // Made from Font at the screen's scale when loading (at the main window's
  // when it moves to a monitor of another scale), deleted when saving.
  HFONT fontHandle = nullptr;
  BYTE runBits = 0;
  Leniency leniency;  // both off by default
  // The drill counts every answer into the pair's history (off by default, so
  // that a drill changes no file unless the learner asks for it).
  bool rememberAnswers = false;

 private:
#ifdef _WIN32
  CText keyPath(const char* key) const;
  void loadSettingsKey();
  void loadColorsKey();
  void saveSettingsKey() const;
  void saveColorsKey() const;

  CText rootPath_;
#endif
};
