// SPDX-License-Identifier: GPL-3.0-or-later
// A second opinion on the cascade: litehtml computes the styles of generated pages with the
// same defaults and stylesheet, and every element's font style, boldness, alignment, display,
// text indent, font size and margins must agree with ours.
#include <gmock/gmock.h>
#include <litehtml/litehtml.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/css/cascade.h"
#include "app/css/user_agent_sheet.h"
#include "css/css_fixture.h"

using namespace css;

namespace {

// What litehtml asks of a window to lay out and draw in; here it only computes styles.
class TNoWindow final : public litehtml::document_container {
public:
  litehtml::uint_ptr create_font(const char*, int size, int, litehtml::font_style, unsigned int,
                                 litehtml::font_metrics* metrics) override {
    if (metrics) {
      metrics->height = size;
      metrics->ascent = size * 4 / 5;
      metrics->descent = size / 5;
      metrics->x_height = size / 2;
    }
    return 1;
  }
  void delete_font(litehtml::uint_ptr) override {}
  int text_width(const char* text, litehtml::uint_ptr) override { return int(std::strlen(text)) * 8; }
  void draw_text(litehtml::uint_ptr, const char*, litehtml::uint_ptr, litehtml::web_color,
                 const litehtml::position&) override {}
  int pt_to_px(int pt) const override { return pt * 96 / 72; }
  int get_default_font_size() const override { return 16; }
  const char* get_default_font_name() const override { return "serif"; }
  void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker&) override {}
  void load_image(const char*, const char*, bool) override {}
  void get_image_size(const char*, const char*, litehtml::size& size) override { size = {}; }
  void draw_background(litehtml::uint_ptr, const litehtml::background_paint&) override {}
  void draw_borders(litehtml::uint_ptr, const litehtml::borders&, const litehtml::position&, bool) override {}
  void set_caption(const char*) override {}
  void set_base_url(const char*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const char*, const litehtml::element::ptr&) override {}
  void set_cursor(const char*) override {}
  void transform_text(litehtml::tstring&, litehtml::text_transform) override {}
  void import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) override {}
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}
  void get_client_rect(litehtml::position& client) const override { client = {0, 0, 480, 272}; }
  std::shared_ptr<litehtml::element> create_element(const char*, const litehtml::string_map&,
                                                    const std::shared_ptr<litehtml::document>&) override {
    return nullptr;  // litehtml's own elements
  }
  void get_media_features(litehtml::media_features& media) const override {
    media = {};
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = 480;
    media.height = media.device_height = 272;
    media.color = 8;
  }
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
    language = "en";
    culture.clear();
  }
};

// A random page of nested elements with classes, and a stylesheet of rules over them, kept
// to what both engines read alike.
struct TGeneratedPage {
  std::string sheet;
  std::string xhtml;
};

TGeneratedPage Generate(unsigned seed) {
  std::mt19937 random(seed);
  const auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  const std::vector<std::string> tags = {"div", "p",  "span",       "em", "b",
                                         "h1",  "h2", "blockquote", "i",  "strong"};
  const std::vector<std::string> classes = {"c0", "c1", "c2", "c3"};
  const std::vector<std::string> declarations = {
      "font-style: italic", "font-style: normal",     "font-weight: bold",  "font-weight: normal",
      "font-weight: 700",   "text-align: right",      "text-align: center", "text-align: justify",
      "text-align: left",   "display: none",          "display: block",     "display: inline",
      "text-indent: 12px",  "text-indent: 0",         "font-size: 20px",    "font-size: 1.5em",
      "font-size: 0.75em",  "font-size: 125%",        "margin-left: 2em",   "margin-top: 10px",
      "margin: 1em 4px",    "margin: 3px 1em 2px 5px"};
  TGeneratedPage page;
  for (int rule = 0; rule < 14; ++rule) {
    std::string selector;
    switch (random() % 6) {
      case 0:
        selector = pick(tags);
        break;
      case 1:
        selector = "." + pick(classes);
        break;
      case 2:
        selector = pick(tags) + "." + pick(classes);
        break;
      case 3:
        selector = pick(tags) + " ." + pick(classes);
        break;
      case 4:
        selector = pick(tags) + " > " + pick(tags);
        break;
      default:
        selector = "." + pick(classes) + " " + pick(tags);
        break;
    }
    page.sheet += selector + " { ";
    for (int n = 1 + int(random() % 3); n > 0; --n)
      page.sheet += pick(declarations) + (random() % 8 == 0 ? " !important; " : "; ");
    page.sheet += "}\n";
  }
  // Blocks only in blocks, so that an HTML parser builds the very tree an XML parser does.
  const std::vector<std::string> inlines = {"span", "em", "b", "i", "strong"};
  const auto isContainer = [](const std::string& tag) { return tag == "div" || tag == "blockquote"; };
  std::string body;
  std::vector<std::string> open;
  for (int element = 0; element < 40; ++element) {
    while (!open.empty() && (random() % 3 == 0 || open.size() > 6)) {
      body += "</" + open.back() + ">";
      open.pop_back();
    }
    const std::string tag = open.empty() || isContainer(open.back()) ? pick(tags) : pick(inlines);
    body += "<" + tag;
    if (random() % 2) body += " class=\"" + pick(classes) + (random() % 3 ? "" : " " + pick(classes)) + "\"";
    if (random() % 10 == 0) body += " style=\"" + pick(declarations) + "\"";
    body += ">t";
    open.push_back(tag);
  }
  while (!open.empty()) {
    body += "</" + open.back() + ">";
    open.pop_back();
  }
  page.xhtml = "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>t</title><style>" + page.sheet +
               "</style></head><body>" + body + "</body></html>";
  return page;
}

std::string Alignment(ETextAlign align) {
  switch (align) {
    case ETextAlign::Start:
    case ETextAlign::Left:
      return "left";
    case ETextAlign::End:
    case ETextAlign::Right:
      return "right";
    case ETextAlign::Center:
      return "center";
    case ETextAlign::Justify:
      return "justify";
  }
  return "";
}

std::string DisplayKind(EDisplay display) {
  return display == EDisplay::None ? "none" : display == EDisplay::Inline ? "inline" : "block";
}
std::string DisplayKind(litehtml::style_display display) {
  return display == litehtml::display_none                                                  ? "none"
         : display == litehtml::display_inline || display == litehtml::display_inline_block ? "inline"
                                                                                            : "block";
}

std::string Property(const litehtml::element::ptr& element, const char* name, bool inherited,
                     const char* initial) {
  const char* value = element->get_style_property(name, inherited, initial);
  return value ? value : initial;
}

// litehtml rounds each font size to whole px, ours keeps fractions.
bool NearlyEqual(float ours, int theirs) {
  return std::abs(ours - float(theirs)) <= std::max(1.5f, ours * 0.04f);
}

class TComparison {
public:
  TComparison(const TCascade& cascade, litehtml::document& document)
      : cascade_(cascade), document_(document) {}

  void Compare(const xmlNode* ours, const litehtml::element::ptr& theirs, const std::string& path) {
    const TComputedStyle& style = cascade_.StyleOf(ours);
    const std::string where = path + "/" + reinterpret_cast<const char*>(ours->name);
    SCOPED_TRACE(where);
    const std::string fontStyle = Property(theirs, "font-style", true, "normal");
    EXPECT_EQ(style.italic, fontStyle == "italic" || fontStyle == "oblique");
    const std::string weight = Property(theirs, "font-weight", true, "normal");
    EXPECT_EQ(style.Bold(), weight == "bold" || std::atoi(weight.c_str()) >= 600) << weight;
    EXPECT_EQ(Alignment(style.textAlign), Property(theirs, "text-align", true, "left"));
    EXPECT_EQ(DisplayKind(style.display), DisplayKind(theirs->get_display()));
    const int fontSize = theirs->get_font_size();
    EXPECT_PRED2(NearlyEqual, style.fontSize, fontSize);
    const auto length = [&](const char* property, bool inherited) {
      return document_.cvt_units(Property(theirs, property, inherited, "0").c_str(), fontSize);
    };
    EXPECT_PRED2(NearlyEqual, style.textIndent.value, length("text-indent", true));
    EXPECT_PRED2(NearlyEqual, style.marginLeft.value, length("margin-left", false));
    EXPECT_PRED2(NearlyEqual, style.marginRight.value, length("margin-right", false));
    EXPECT_PRED2(NearlyEqual, style.marginTop.value, length("margin-top", false));
    EXPECT_PRED2(NearlyEqual, style.marginBottom.value, length("margin-bottom", false));

    std::vector<litehtml::element::ptr> theirChildren;
    for (std::size_t i = 0; i < theirs->get_children_count(); ++i) {
      const litehtml::element::ptr child = theirs->get_child(int(i));
      if (*child->get_tagName()) theirChildren.push_back(child);  // text and spaces have no name
    }
    std::size_t next = 0;
    for (const xmlNode* child = ours->children; child; child = child->next) {
      if (child->type != XML_ELEMENT_NODE) continue;
      ASSERT_LT(next, theirChildren.size()) << where;
      ASSERT_STREQ(reinterpret_cast<const char*>(child->name), theirChildren[next]->get_tagName());
      Compare(child, theirChildren[next++], where);
    }
    EXPECT_EQ(next, theirChildren.size()) << where;
    ++compared_;
  }
  int Compared() const { return compared_; }

private:
  const TCascade& cascade_;
  litehtml::document& document_;
  int compared_ = 0;
};

}  // namespace

TEST(CascadeLitehtml, AgreesOnGeneratedPages) {
  TNoWindow window;
  litehtml::context context;
  context.load_master_stylesheet(std::string(UserAgentSheetText()).c_str());
  int compared = 0;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    const TGeneratedPage page = Generate(seed);
    SCOPED_TRACE(page.xhtml);
    const litehtml::document::ptr theirs =
        litehtml::document::createFromUTF8(page.xhtml.c_str(), &window, &context);
    ASSERT_TRUE(theirs && theirs->root());
    const css_test::TDoc ours = css_test::ParseXhtml(page.xhtml);
    ASSERT_TRUE(ours);
    TLimits limits;
    TCascade cascade(limits);
    cascade.AddSheet(ParseStyleSheet(page.sheet, ESheetOrigin::Author, limits));
    cascade.ComputeAll(xmlDocGetRootElement(ours.get()));
    // The body and all in it; the head's elements have no style worth comparing.
    const xmlNode* ourBody = xmlDocGetRootElement(ours.get())->children->next;
    ASSERT_TRUE(ourBody && xmlStrEqual(ourBody->name, BAD_CAST "body"));
    const litehtml::element::ptr theirBody = theirs->root()->select_one("body");
    ASSERT_TRUE(theirBody);
    TComparison comparison(cascade, *theirs);
    comparison.Compare(ourBody, theirBody, "");
    compared += comparison.Compared();
  }
  EXPECT_GT(compared, 8 * 40);  // every element of every page, the bodies too
}
