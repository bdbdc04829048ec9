// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run's request to stop, reachable from deep inside its long steps (reading, unpacking,
// parsing, wrapping, paginating) without a parameter through every call: the run installs
// its question for its own thread with a TCancelScope, and those steps call
// CheckCancelled() in their loops, every few milliseconds of work at most.
#include <functional>

#include "platform/exceptions.h"

// A run ended on request: nothing of it reached the target folder.
class ERunCancelled : public Exception {
public:
  ERunCancelled() : Exception("Przerwano: poprzednie strony zostały bez zmian.") {}
};

class TCancelScope {
public:
  // Until the scope ends, CheckCancelled on this thread asks `requested`, which must be
  // cheap and safe to call from this thread.
  explicit TCancelScope(std::function<bool()> requested);
  // Puts back the scope that was in force before.
  ~TCancelScope();
  TCancelScope(const TCancelScope&) = delete;
  TCancelScope& operator=(const TCancelScope&) = delete;

private:
  std::function<bool()> requested_;
  const TCancelScope* outer_;

  friend void CheckCancelled();
};

// Raises ERunCancelled when the run on this thread has been asked to stop; nothing outside a scope.
void CheckCancelled();
