#pragma once
// ParseProgress: told how far the setup script parser has come, so that the
// preparing dialog can show it.

class ParseProgress {
 public:
  virtual ~ParseProgress() = default;
  // Before parsing: the progress runs from 1 to last.
  virtual void start(int last) = 0;
  virtual void step() = 0;
};
