// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/layout_reach.h"

#include <hb-ot.h>
#include <hb.h>

#include <QByteArray>
#include <QRawFont>
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace {

// Features a shaper leaves off unless asked, kerning among them: our pages are drawn without
// it. Marks are positioned only where a mark glyph is, and marks are refused by other means.
// Whatever is not named here counts as on, which errs on the safe side.
constexpr std::array<std::string_view, 58> kLeftOff = {
    "aalt", "afrc", "c2pc", "c2sc", "case", "cpsp", "cswh", "dnom", "expt", "falt", "frac", "fwid",
    "halt", "hist", "hkna", "hngl", "hojo", "hwid", "ital", "jalt", "jp04", "jp78", "jp83", "jp90",
    "kern", "lnum", "mark", "mgrk", "mkmk", "nalt", "nlck", "numr", "onum", "ordn", "ornm", "palt",
    "pcap", "pkna", "pnum", "pwid", "qwid", "ruby", "salt", "sinf", "size", "smcp", "smpl", "subs",
    "sups", "swsh", "titl", "tnum", "twid", "unic", "valt", "vert", "vkrn", "zero"};

bool LeftOff(hb_tag_t tag) {
  char name[4];
  hb_tag_to_string(tag, name);
  const std::string_view text(name, 4);
  // Stylistic sets and character variants are numbered: ss01…ss20, cv01…cv99.
  if ((text.starts_with("ss") || text.starts_with("cv")) && std::isdigit(static_cast<unsigned char>(text[2])))
    return true;
  return std::find(kLeftOff.begin(), kLeftOff.end(), text) != kLeftOff.end();
}

// Hands HarfBuzz the tables Qt reads from the font, copied.
hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* userData) {
  char name[5] = {};
  hb_tag_to_string(tag, name);
  const QByteArray table = static_cast<const QRawFont*>(userData)->fontTable(name);
  if (table.isEmpty()) return hb_blob_get_empty();
  return hb_blob_create(table.constData(), static_cast<unsigned>(table.size()), HB_MEMORY_MODE_DUPLICATE,
                        nullptr, nullptr);
}

struct TSetDeleter {
  void operator()(hb_set_t* set) const { hb_set_destroy(set); }
};
using TSet = std::unique_ptr<hb_set_t, TSetDeleter>;
TSet MakeSet() { return TSet(hb_set_create()); }

struct TFaceDeleter {
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
};

}  // namespace

struct TLayoutReach::TGlyphSet {
  TSet set = MakeSet();
};

TLayoutReach::TLayoutReach(const QRawFont& font) : glyphs_(std::make_unique<TGlyphSet>()) {
  // The face reads the font's tables only while the reach is gathered here.
  const std::unique_ptr<hb_face_t, TFaceDeleter> owned(
      hb_face_create_for_tables(ReferenceTable, const_cast<QRawFont*>(&font), nullptr));
  hb_face_t* face = owned.get();
  hb_set_t* reach = glyphs_->set.get();
  for (const hb_tag_t table : {HB_OT_TAG_GSUB, HB_OT_TAG_GPOS}) {
    std::vector<hb_tag_t> features(hb_ot_layout_table_get_feature_tags(face, table, 0, nullptr, nullptr));
    unsigned count = static_cast<unsigned>(features.size());
    hb_ot_layout_table_get_feature_tags(face, table, 0, &count, features.data());
    std::erase_if(features, LeftOff);
    features.push_back(HB_TAG_NONE);
    const TSet lookups = MakeSet();
    hb_ot_layout_collect_lookups(face, table, nullptr, nullptr, features.data(), lookups.get());
    for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups.get(), &lookup);) {
      const TSet before = MakeSet(), input = MakeSet(), after = MakeSet();
      hb_ot_layout_lookup_collect_glyphs(face, table, lookup, before.get(), input.get(), after.get(),
                                         nullptr);
      for (const hb_set_t* set : {before.get(), input.get(), after.get()}) hb_set_union(reach, set);
    }
  }
  hb_ot_layout_get_glyphs_in_class(face, HB_OT_LAYOUT_GLYPH_CLASS_MARK, reach);
}

TLayoutReach::~TLayoutReach() = default;

bool TLayoutReach::MayChange(std::uint32_t glyph) const { return hb_set_has(glyphs_->set.get(), glyph); }
