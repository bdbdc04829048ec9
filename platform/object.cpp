// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/object.h"

#include "platform/exceptions.h"

void TPersistent::AssignFrom(TPersistent* source) {
  throw EConvertError::CannotAssign(source ? source->ClassName() : "nil", ClassName());
}
