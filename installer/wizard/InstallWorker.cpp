#include "installer/wizard/InstallWorker.h"

#include "installer/phases/InstallRun.h"

InstallWorker::InstallWorker(SetupScript& script, const PayloadSource& payloads)
    : script_(script), payloads_(payloads), going_(CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

InstallWorker::~InstallWorker() {
  if (going_) CloseHandle(going_);
}

bool InstallWorker::begin(HWND dialog) {
  dialog_ = dialog;
  if (!start(CREATE_SUSPENDED)) return false;
  ResumeThread(threadHandle);
  return true;
}

int InstallWorker::instanceInit() {
  complete_ = InstallRun(script_, payloads_, *this).run();
  PostMessageA(dialog_, kWorkerEnded, 0, 0);
  return 0;
}

void InstallWorker::hold() { ResetEvent(going_); }

void InstallWorker::release() { SetEvent(going_); }

void InstallWorker::stop() {
  InterlockedExchange(&stopping_, 1);
  release();
}

void InstallWorker::waitUntilEnded() {
  if (!threadHandle) return;
  while (MsgWaitForMultipleObjects(1, &threadHandle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  }
}

bool InstallWorker::send(WorkerRequest& request) {
  WaitForSingleObject(going_, INFINITE);
  if (stopping_) return false;
  SendMessageA(dialog_, kWorkerRequest, 0, reinterpret_cast<LPARAM>(&request));
  return true;
}

void InstallWorker::showPhase(const char* text) {
  WorkerRequest request = {WorkerRequest::kPhase, text, nullptr, 0, 0, 0};
  send(request);
}

void InstallWorker::showStatus(const char* text) {
  WorkerRequest request = {WorkerRequest::kStatus, text, nullptr, 0, 0, 0};
  send(request);
}

void InstallWorker::setProgressRange(int steps) {
  WorkerRequest request = {WorkerRequest::kRange, nullptr, nullptr, 0, steps, 0};
  send(request);
}

void InstallWorker::stepProgress() {
  WorkerRequest request = {WorkerRequest::kStep, nullptr, nullptr, 0, 0, 0};
  send(request);
}

int InstallWorker::ask(const char* text, const char* caption, UINT style) {
  WorkerRequest request = {WorkerRequest::kAsk, text, caption, style, 0, 0};
  if (!send(request) || request.answer == 0) return unattendedAnswer(style);
  return request.answer;
}

bool InstallWorker::stopRequested() {
  WaitForSingleObject(going_, INFINITE);
  return stopping_ != 0;
}
