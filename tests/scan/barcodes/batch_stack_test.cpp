// A scanned stack as a batch sees it: blank pages removed, then every page
// read for codes that pass the profile's keywords.
#include <gtest/gtest.h>
#include <zint.h>

#include "fixture_pages.h"
#include "log_capture.h"
#include "scan/barcodes/barcode_keywords.h"
#include "scan/barcodes/barcode_readers.h"
#include "scan/blank/blank_pages.h"
#include "scan/page_list.h"

namespace quorvane {
namespace {

using testing::DrawBlankPage;
using testing::DrawDocumentPage;
using testing::TFixtureCode;
using testing::TFixtureColour;

constexpr double kPageHeightMm = 120;  // the top of each page is enough and keeps the test quick

TPage Page(TPageBitmap bitmap) {
  return TPage{std::move(bitmap), TIOParams{}};
}

using BatchStack = testing::LogCapture;

TEST_F(BatchStack, BlankPagesGoAndKeywordsDecideWhereDocumentsStart) {
  TPageList pages;
  pages.AddPage(Page(DrawDocumentPage(300, TFixtureColour::BlackWhite,
                                      {{BARCODE_CODE128, "RE-2020-1", 0.33, 0, 155, 28}}, kPageHeightMm)));
  pages.AddPage(Page(DrawBlankPage(300, TFixtureColour::BlackWhite, kPageHeightMm)));
  pages.AddPage(Page(DrawDocumentPage(300, TFixtureColour::Grey, {}, kPageHeightMm)));
  pages.AddPage(Page(DrawDocumentPage(200, TFixtureColour::Colour,
                                      {{BARCODE_QRCODE, "XY-9", 0.5, 0, 150, 60}}, kPageHeightMm)));
  pages.AddPage(Page(DrawBlankPage(200, TFixtureColour::Colour, kPageHeightMm)));
  pages.AddPage(Page(DrawDocumentPage(200, TFixtureColour::Grey,
                                      {{BARCODE_DATAMATRIX, "ls-2020-2", 0.5, 90, 150, 60}}, kPageHeightMm)));
  pages.AddPage(Page(DrawDocumentPage(300, TFixtureColour::Colour, {}, kPageHeightMm)));

  RemoveBlankPages(pages, 5 / 1000.0);
  ASSERT_EQ(pages.PageCount(), 5);

  const QStringList keyWords = KeyWordLines("RE\nLS");
  QStringList stapelPages(pages.PageCount());
  for (int i = 0; i < pages.PageCount(); ++i) {
    const TBorrowedImage image = pages.BorrowImage(i);
    ReadPageBarcodes(image.Image().View(), i, keyWords, stapelPages, ReadPageCodes);
  }

  EXPECT_EQ(stapelPages, QStringList({"RE-2020-1", "<Page>", "<Page>", "ls-2020-2", "<Page>"}));
  EXPECT_EQ(LogLines(), QStringList({"Found Code RE-2020-1 on Page 1", "Found Code XY-9 on Page 3",
                                     "Ignore Code XY-9 on Page 3", "Ignore Code XY-9 on Page 3",
                                     "Found Code ls-2020-2 on Page 4", "Ignore Code ls-2020-2 on Page 4"}));
}

}  // namespace
}  // namespace quorvane
