// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_calls.h"

#include <sys/stat.h>
#include <unistd.h>

TSystemCalls& SystemCalls() {
  static TSystemCalls calls{::fsync, ::fchmod, ::readdir};
  return calls;
}
