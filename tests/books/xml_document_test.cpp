// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/xml_document.h"

#include <gmock/gmock.h>

#include <string>

#include "platform/cancellation.h"

using namespace books;

// One long document is one library call, a tree or a stream: it stops within it, at the
// first question answered yes.
TEST(XmlDocument, ParsesStopWithinTheDocumentWhenAsked) {
  const std::string document = "<book><p>" + std::string(1 << 20, 'x') + "</p></book>";
  int asked = 0;
  const TCancelScope scope([&] { return ++asked % 10 == 0; });
  EXPECT_THROW(ParseXml(document, "the book"), ERunCancelled);
  EXPECT_EQ(asked, 10);
  const TByteSource source = SourceOfBytes(document);
  TXmlStream stream(source, "the book");
  EXPECT_THROW(while (stream.Next()){}, ERunCancelled);
  EXPECT_EQ(asked, 20);
}
