// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cancellation.h"

namespace {

thread_local const TCancelScope* current = nullptr;

}  // namespace

TCancelScope::TCancelScope(std::function<bool()> requested)
    : requested_(std::move(requested)), outer_(current) {
  current = this;
}

TCancelScope::~TCancelScope() { current = outer_; }

void CheckCancelled() {
  if (current && current->requested_()) throw ERunCancelled();
}
