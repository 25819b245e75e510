#pragma once
// Reading and driving windows of another process. Texts go through WM_GETTEXT
// and WM_SETTEXT, which the system copies between processes (plain texts
// only: a text is carried up to its first 0 byte). Sent messages give up after
// kSendTimeout so that a hung program fails the test instead of the driver.
#include <windows.h>

#include <string>

namespace e2e {

const UINT kSendTimeout = 5000;

// The child of dialog with id, or null.
HWND control(HWND dialog, int id);
// The control with id anywhere below window, inside child dialogs too, or null.
HWND descendant(HWND window, int id);
// A window below window whose text is text, or null.
HWND descendantWithText(HWND window, const std::string& text);
// The window's text by WM_GETTEXT; empty when the window does not answer.
std::string text(HWND window);
// True when the window answered WM_SETTEXT with success.
bool setText(HWND window, const std::string& value);
// The same as 16-bit text, carried as UTF-8, so that characters of every
// script arrive, whatever the code pages of the two processes.
std::string utf8Text(HWND window);
bool setUtf8Text(HWND window, const std::string& value);
// UTF-8 to UTF-16 and back.
std::wstring wideOf(const std::string& utf8);
std::string utf8Of(const std::wstring& units);

std::string className(HWND window);
// A message with plain number parameters, sent with the send timeout; answers
// the window's result, or fallback when it does not answer in time.
LRESULT sendNumbers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback = 0);
// Sends message with lParam pointing to a RECT placed in window's process,
// holding initial (LVM_GETITEMRECT reads its left), and answers the RECT as
// the window left it; an empty RECT when the message fails.
RECT sendForRect(HWND window, UINT message, WPARAM wParam, const RECT& initial = RECT{0, 0, 0, 0});
// Posts WM_COMMAND with id and code as a menu, accelerator or control would.
// Use it for commands that open modal dialogs, then wait for the dialog.
bool postCommand(HWND window, int id, int code = 0);
// Sends WM_COMMAND and waits for the handler to return.
bool sendCommand(HWND window, int id, int code = 0);

// The text of a message box (its static control 0xFFFF).
std::string messageBoxText(HWND box);
// Presses the button id (IDOK, IDYES...) of a dialog or message box.
bool pressButton(HWND dialog, int id);
// A visible top-level dialog or message box of any process whose title is
// title and whose message (the static 0xFFFF) contains part, or null. For a
// program that hands its work to another process of its own.
HWND anyProcessMessageBox(const std::string& title, const std::string& part);

// Client co-ordinates of window packed for mouse messages.
LPARAM clientPoint(int x, int y);

}  // namespace e2e
