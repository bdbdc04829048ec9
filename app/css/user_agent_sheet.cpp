// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/user_agent_sheet.h"

namespace css {

std::string_view UserAgentSheetText() {
  return R"css(
html, body, div, p, blockquote, address, center, dl, dt, dd, figure, figcaption, form, header,
footer, section, article, aside, nav, main, hr, pre, h1, h2, h3, h4, h5, h6, ul, ol, menu, dir,
fieldset, legend, details, summary, hgroup, listing, xmp, plaintext { display: block }
head, script, style, template, meta, link, base, [hidden] { display: none }
li { display: list-item }
table { display: table }
tr { display: table-row }
thead, tbody, tfoot { display: table-row-group }
td, th { display: table-cell }
col, colgroup { display: table-column }
caption { display: table-caption; text-align: center }
th { font-weight: bold }
b, strong { font-weight: bold }
i, em, cite, var, dfn, address, emphasis { font-style: italic }
code, pre, tt, kbd, samp, listing, xmp, plaintext { font-family: monospace }
h1, h2, h3, h4, h5, h6 { font-weight: bold }
h1 { font-size: 2em; margin: 0.67em 0 }
h2 { font-size: 1.5em; margin: 0.83em 0 }
h3 { font-size: 1.17em; margin: 1em 0 }
h4 { margin: 1.33em 0 }
h5 { font-size: 0.83em; margin: 1.67em 0 }
h6 { font-size: 0.67em; margin: 2.33em 0 }
p, dl, pre, figure { margin: 1em 0 }
blockquote { margin: 1em 40px }
ul, ol, menu, dir { margin: 1em 0; padding-left: 40px }
dd { margin-left: 40px }
body { margin: 8px }
sup { vertical-align: super; font-size: smaller }
sub { vertical-align: sub; font-size: smaller }
small { font-size: smaller }
big { font-size: larger }
u, ins { text-decoration: underline }
s, strike, del, strikethrough { text-decoration: line-through }
center { text-align: center }
pre, listing, xmp, plaintext { white-space: pre }
nobr { white-space: nowrap }
)css";
}

std::shared_ptr<const TStyleSheet> UserAgentSheet() {
  static const std::shared_ptr<const TStyleSheet> sheet = [] {
    TLimits limits;  // its own budget: the defaults are not the book's to pay for
    return std::make_shared<const TStyleSheet>(
        ParseStyleSheet(UserAgentSheetText(), ESheetOrigin::UserAgent, limits));
  }();
  return sheet;
}

}  // namespace css
