#pragma once
// The instance protocol of the registered message "WDLMESSAGE": every running
// quiz program keeps the ids of the others (in the settings record), so that
// the autosave restore leaves their files alone.
#include "quiz/drill/Settings.h"

class InstanceList {
 public:
  enum : WORD {
    kHello = 0xAA01,
    kHelloReply = 0xAA02,
    kWindowQuery = 0xAA03,
    kModuleQuery = 0xAA04,
    kWindowAnswer = 0xAA05,
    kModuleAnswer = 0xAA06,
    kGoodbye = 0xAA07,
  };

  // A message to send in answer: nothing when to is null.
  struct Reply {
    HWND to = nullptr;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };

  // Borrows settings for its lifetime.
  explicit InstanceList(Settings& settings) : settings_(settings) {}

  // wParam of the broadcasts: the code and the own id.
  WPARAM hello() const { return message(kHello); }
  WPARAM goodbye() const { return message(kGoodbye); }

  // Acts on a received "WDLMESSAGE"; window and module are the own ones,
  // given in the answers to the queries.
  Reply receive(WPARAM wParam, LPARAM lParam, HWND window, HINSTANCE module);

  // True when id belongs to another running instance.
  bool isOther(DWORD id) const;

 private:
  WPARAM message(WORD code) const;
  void store(DWORD id);
  void remove(DWORD id);
  DWORD ownId() const { return settings_.instanceId & 0xFFFF; }

  Settings& settings_;
};
