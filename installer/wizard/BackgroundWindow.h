#pragma once
// BackgroundWindow: the installer's full-screen window (class "INSTALLWND")
// with the script's colour gradient and shadowed title. Soon after it shows
// it runs the wizard, then, when the wizard left a destination, the
// installing dialog, shows the final message and closes; closing it ends the
// message loop.
#include "framework/win/WinFrame.h"
#include "installer/script/InstallCommandLine.h"

class PayloadSource;
class SetupScript;
class SizeText;

class BackgroundWindow : public CWinFrame {
 public:
  BackgroundWindow(SetupScript& script, const PayloadSource& payloads, const SizeText& sizes);

  // Registers the class, makes the window over the whole screen and runs the
  // message loop until the window is gone. False when the class cannot be
  // registered or the window made: nothing was shown then.
  bool run();
  // The exit code of the installation as it ended, whatever the answer to
  // the final question.
  int exitCode() const { return installExitCode(outcome_, removable_); }
  // Whether the user answered Yes to restarting the computer.
  bool restartAgreed() const { return restartAgreed_; }

  LRESULT onCreate(CREATESTRUCTA* create) override;
  LRESULT onPaint() override;
  LRESULT onTimer(UINT_PTR id) override;
  // Refused: the window closes itself after the final message, and nothing
  // may end the wizard or a running installation under it.
  LRESULT onClose() override { return 0; }
  LRESULT onDestroy() override;

 private:
  void paintBackground(HDC dc, const RECT& client) const;
  void paintTitle(HDC dc) const;
  void showFinalMessage();

  SetupScript& script_;
  const PayloadSource& payloads_;
  const SizeText& sizes_;
  unsigned char outcome_ = 0;  // the restart flag before the final question
  bool removable_ = true;
  bool restartAgreed_ = false;
};
