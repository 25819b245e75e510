#include "installer/wizard/InstanceLock.h"

namespace {

const char kMutexName[] = "Global\\Quorvel Verbolt'97 Install";

}  // namespace

// A mutex that already exists belongs to a running Install.exe, even when
// this process may not open it (another user's elevated one).
InstanceLock::InstanceLock() : mutex_(nullptr), acquired_(false) {
  SetLastError(ERROR_SUCCESS);
  mutex_ = CreateMutexA(nullptr, FALSE, kMutexName);
  acquired_ = mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

InstanceLock::~InstanceLock() {
  if (mutex_) CloseHandle(mutex_);
}
