#include "quiz/drill/InstanceList.h"

InstanceList::Reply InstanceList::receive(WPARAM wParam, LPARAM lParam, HWND window, HINSTANCE module) {
  WORD code = LOWORD(wParam);
  DWORD sender = HIWORD(wParam);
  Reply reply;
  if (code == kHelloReply) {
    store(HIWORD(static_cast<DWORD>(lParam)));
    return reply;
  }
  if (code == kGoodbye) {
    remove(sender);
    return reply;
  }
  if (sender == ownId()) return reply;
  HWND senderWindow = reinterpret_cast<HWND>(lParam);
  switch (code) {
    case kHello:
      store(sender);
      reply = {senderWindow, kHelloReply, static_cast<LPARAM>((ownId() << 16) | sender)};
      break;
    case kWindowQuery:
      reply = {senderWindow, message(kWindowAnswer), reinterpret_cast<LPARAM>(window)};
      break;
    case kModuleQuery:
      reply = {senderWindow, message(kModuleAnswer), reinterpret_cast<LPARAM>(module)};
      break;
  }
  return reply;
}

bool InstanceList::isOther(DWORD id) const {
  for (WORD i = 0; i < settings_.otherIdCount; ++i)
    if (settings_.otherIds[i] == id) return true;
  return false;
}

WPARAM InstanceList::message(WORD code) const { return MAKEWPARAM(code, ownId()); }

// Ids already listed are not listed twice, so that one goodbye removes an
// instance that said hello and also answered ours.
void InstanceList::store(DWORD id) {
  if (id == ownId() || isOther(id) || settings_.otherIdCount >= Settings::kMaxOtherIds) return;
  settings_.otherIds[settings_.otherIdCount++] = id;
}

void InstanceList::remove(DWORD id) {
  WORD kept = 0;
  for (WORD i = 0; i < settings_.otherIdCount; ++i)
    if (settings_.otherIds[i] != id) settings_.otherIds[kept++] = settings_.otherIds[i];
  settings_.otherIdCount = kept;
}
