#pragma once
// InstanceLock: the named mutex that lets only one Install.exe run at a
// time, across the users of the computer. The lock is held while the object
// lives.
#include <windows.h>

class InstanceLock {
 public:
  InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  // False when another Install.exe holds the lock.
  bool acquired() const { return acquired_; }

 private:
  HANDLE mutex_;
  bool acquired_;
};
