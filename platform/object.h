// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Root of the class tree: a run-time class name (used by "Cannot assign a %s to a %s")
// and the assignment protocol of persistent objects.
#include <string_view>

class TObject {
public:
  virtual ~TObject() = default;
  virtual std::string_view ClassName() const = 0;
};

class TPersistent : public TObject {
public:
  // Copies `source` into this object. The base accepts nothing: it raises
  // EConvertError "Cannot assign a <source class> to a <this class>".
  virtual void AssignFrom(TPersistent* source);
};
