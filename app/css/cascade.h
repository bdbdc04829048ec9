// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cascade over a libxml2 tree: the user agent's defaults, the sheets added, and each
// element's style attribute, weighed by importance, origin, specificity and order, with
// inheritance from the parent. One walk computes every element's style.
#include <libxml/tree.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/css/computed_style.h"
#include "app/css/limits.h"
#include "app/css/rule_index.h"
#include "app/css/stylesheet.h"

namespace css {

class TCascade {
public:
  // Style attributes draw on `limits`, which must outlive the cascade; so does the tree
  // ComputeAll is given. Without `styleAttributes` they are not read: the styles the sheets
  // alone give, to tell what the attributes change.
  explicit TCascade(TLimits& limits, bool styleAttributes = true);

  // In the order the document links or holds them; a later sheet wins at equal weight.
  void AddSheet(TStyleSheet sheet);
  // A sheet shared with other cascades (a book's, linked from many of its documents).
  void AddSheet(std::shared_ptr<const TStyleSheet> sheet);

  // Computes the style of `root` and of every element below it, replacing those of an
  // earlier call.
  void ComputeAll(const xmlNode* root);

  // An element's style; an element the last ComputeAll did not reach has the initial style.
  const TComputedStyle& StyleOf(const xmlNode* element) const;

private:
  TLimits& limits_;
  bool styleAttributes_;
  std::vector<std::shared_ptr<const TStyleSheet>> sheets_;
  TRuleIndex index_;
  std::unordered_map<const xmlNode*, std::uint32_t> places_;
  std::vector<TComputedStyle> styles_;
};

}  // namespace css
