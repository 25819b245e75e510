#pragma once
// InstallWorker: the installation run on a thread of its own, for the
// installing dialog. The run's texts, progress steps and questions reach the
// dialog as kWorkerRequest messages, sent, so that the dialog's thread
// handles them while the worker waits. The dialog may hold the worker, which
// then waits at its next call to the user, and may tell it to stop, which it
// does at its next safe point (before an entry), never in the middle of a
// write. Nothing ends the thread from outside.
#include "framework/win/AppThread.h"
#include "installer/phases/InstallUser.h"

class PayloadSource;
class SetupScript;

const UINT kWorkerRequest = WM_APP + 1;  // lParam: the WorkerRequest
const UINT kWorkerEnded = WM_APP + 2;    // posted once the run has ended

struct WorkerRequest {
  enum Kind { kPhase, kStatus, kRange, kStep, kAsk };
  Kind kind;
  const char* text;
  const char* caption;
  UINT style;
  int number;  // the progress range
  int answer;  // set by the dialog for kAsk; 0 when nobody answered
};

class InstallWorker : public CAppThread, private InstallUser {
 public:
  InstallWorker(SetupScript& script, const PayloadSource& payloads);
  ~InstallWorker() override;

  // Starts the run, its requests going to dialog. False when the thread
  // cannot be made.
  bool begin(HWND dialog);
  void hold();
  void release();
  // The run ends at its next safe point; a held worker goes on to it.
  void stop();
  // Returns once the run has ended (at once when it never started); messages
  // sent to this thread meanwhile are handled.
  void waitUntilEnded();
  // Whether every phase ran.
  bool complete() const { return complete_; }

 private:
  int instanceInit() override;

  void showPhase(const char* text) override;
  void showStatus(const char* text) override;
  void setProgressRange(int steps) override;
  void stepProgress() override;
  int ask(const char* text, const char* caption, UINT style) override;
  HWND owner() override { return dialog_; }
  bool stopRequested() override;

  // Waits while held; false, sending nothing, once a stop was asked for.
  bool send(WorkerRequest& request);

  SetupScript& script_;
  const PayloadSource& payloads_;
  HWND dialog_ = nullptr;
  HANDLE going_;  // manual-reset event, signalled while the worker is not held
  volatile LONG stopping_ = 0;
  bool complete_ = false;
};
