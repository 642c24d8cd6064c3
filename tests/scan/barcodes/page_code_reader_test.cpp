#include "scan/barcodes/page_code_reader.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <string>
#include <vector>

#include "fixture_pages.h"
#include "log_capture.h"

namespace quorvane {
namespace {

using testing::DrawBlankPage;
using testing::DrawDocumentPage;
using testing::TFixtureCode;
using testing::TFixtureColour;

// Codes where documents carry them: a label at the top right, one turned along
// the right margin, a skewed one beside the address, one upside down under the
// text, and a light-on-dark label.
std::vector<TFixtureCode> DocumentCodes() {
  return {
      {BARCODE_CODE128, "RE-2020-4711", 0.33, 0, 155, 28},
      {BARCODE_CODE39, "LS-17", 0.3, 90, 200, 100},
      {BARCODE_QRCODE, "Lieferschein 0815", 0.5, 12, 150, 60},
      {BARCODE_DATAMATRIX, "DM-4711", 0.5, 270, 120, 62},
      {BARCODE_EANX, "400638133393", 0.33, 180, 150, 150},
      {BARCODE_CODE128, "INV-42", 0.4, 0, 55, 150, true},
  };
}

std::string Sorted(QStringList texts) {
  texts.sort();
  return texts.join(" | ").toStdString();
}

TEST(PageCodeReader, FindsEveryCodeOnScannedPages) {
  const std::string expected = Sorted({"RE-2020-4711", "LS-17", "Lieferschein 0815", "DM-4711",
                                       "4006381333931",  // zint adds the check digit
                                       "INV-42"});
  for (const int dpi : {200, 300}) {
    for (const TFixtureColour colour : {TFixtureColour::BlackWhite, TFixtureColour::Grey, TFixtureColour::Colour}) {
      const TPageBitmap page = DrawDocumentPage(dpi, colour, DocumentCodes(), 165);
      EXPECT_EQ(Sorted(ReadPageCodes(page.View())), expected) << dpi << " dpi, colour mode " << int(colour);
    }
  }
}

TEST(PageCodeReader, GivesTheSameOrderEveryTime) {
  const TPageBitmap page = DrawDocumentPage(200, TFixtureColour::Grey, DocumentCodes(), 165);
  const QStringList first = ReadPageCodes(page.View());
  EXPECT_EQ(ReadPageCodes(page.View()), first);
}

TEST(PageCodeReader, KeepsACodePrintedTwiceOnAPage) {
  // Found by the whole-page pass (QR) and by the region search (Data Matrix);
  // a later pass must not swallow a second copy elsewhere on the page.
  for (const int symbology : {BARCODE_QRCODE, BARCODE_DATAMATRIX}) {
    const TPageBitmap page = DrawDocumentPage(
        200, TFixtureColour::Grey, {{symbology, "SAME-1", 0.5, 0, 150, 28}, {symbology, "SAME-1", 0.5, 90, 150, 62}},
        80);
    EXPECT_EQ(ReadPageCodes(page.View()), QStringList({"SAME-1", "SAME-1"})) << symbology;
  }
}

TEST(PageCodeReader, FindsNothingOnPagesWithoutCodes) {
  EXPECT_TRUE(ReadPageCodes(DrawBlankPage(200, TFixtureColour::Grey, 100).View()).isEmpty());
  EXPECT_TRUE(ReadPageCodes(DrawDocumentPage(300, TFixtureColour::BlackWhite, {}).View()).isEmpty());
}

TEST(PageCodeReader, RefusesAPageWithoutPixels) {
  const TPageBitmap empty;
  EXPECT_THROW(ReadPageCodes(empty.View()), std::invalid_argument);
}

TEST(PageCodeReader, PluginAnswers) {
  EXPECT_TRUE(IsBarcodePluginAvailable());
}

}  // namespace
}  // namespace quorvane
