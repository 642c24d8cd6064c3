// The document skeleton, file layout, cross-reference table and trailer.
#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>

#include "fixture_pages.h"
#include "pdf_test_tools.h"
#include "writers/pdf/pdf_builder.h"

namespace quorvane {
namespace {

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

TPDFDocumentInfo TitleAndCreator(std::string title, std::string creator) {
  TPDFDocumentInfo info;
  info.PDF_Title = std::move(title);
  info.PDF_Creator = std::move(creator);
  return info;
}


TEST(PDFBuilder, OnePageDocumentByteForByte) {
  TPageBitmap page = test::DrawLetterPage(2480, 3508, pf1Bit);
  TIOParams params;
  TPDFBuilder builder;
  EXPECT_EQ(builder.AddPageWithImage(page, params), 0);
  const test::ParsedDocument pdf(
      test::SaveBuilder(builder, TitleAndCreator("scan.pdf", "Kestrow's Quorvane 3"),
           LocalTime(2024, 1, 31, 15, 45, 2)));

  EXPECT_EQ(pdf.bytes.substr(0, 15), "%PDF-1.4\n%\xC8\xD2\xF0\xFE\n");
  ASSERT_EQ(pdf.Count(), 7);
  EXPECT_EQ(pdf.Object(1), "1 0 obj\n<< /Type /Catalog\n/Pages 7 0 R\n>>\nendobj\n");
  EXPECT_EQ(pdf.Object(2),
            "2 0 obj\n<< /ProcSet [/PDF /ImageB ]\n/XObject << /lm0 6 0 R\n>>\n/Font << >>\n"
            "/ExtGState << /GSF255 << /ca 1\n>>\n>>\n>>\nendobj\n");
  EXPECT_EQ(pdf.Object(3),
            "3 0 obj\n<< /Title (scan.pdf)\n/Creator (Kestrow's Quorvane 3)\n/CreationDate (D:20240131154502)\n"
            ">>\nendobj\n");
  const std::string content =
      "\nq\n1. 0. 0. 1. 297.50 421.50 cm\n595.00 0. 0. 841.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n"
      "/GSF255 gs\n/lm0 Do\nQ";
  ASSERT_EQ(content.size(), 108u);
  EXPECT_EQ(pdf.Object(4), "4 0 obj\n<< /Length 108\n>>\nstream\n" + content + "\nendstream\nendobj\n");
  EXPECT_EQ(pdf.Object(5),
            "5 0 obj\n<< /Type /Page\n/Resources 2 0 R\n/MediaBox [0 0 595 842 ]\n/Contents 4 0 R\n"
            "/Parent 7 0 R\n>>\nendobj\n");
  const std::string image = pdf.Object(6);
  std::smatch match;
  ASSERT_TRUE(std::regex_search(
      image, match,
      std::regex("^6 0 obj\n<< /Type /XObject\n/Subtype /Image\n/Length ([0-9]+)\n/Filter /CCITTFaxDecode\n"
                 "/DecodeParms << /K -1\n/BlackIs1 true\n/Columns 2480\n/Rows 3508\n/EndOfLine false\n"
                 "/Uncompressed true\n/EncodedByteAlign false\n/EndOfBlock false\n>>\n/ColorSpace /DeviceGray\n"
                 "/BitsPerComponent 1\n/Width 2480\n/Height 3508\n>>\nstream\n")));
  const std::size_t length = std::stoul(match[1]);
  EXPECT_EQ(length % 4, 0u);
  EXPECT_EQ(image.size(), static_cast<std::size_t>(match.length(0)) + length + std::string("\nendstream\nendobj\n").size());
  EXPECT_EQ(pdf.Object(7), "7 0 obj\n<< /Type /Pages\n/Kids [5 0 R ]\n/Count 1\n>>\nendobj\n");

  // Objects follow each other without gaps, and the table follows the last.
  for (int n = 1; n < 7; ++n) EXPECT_EQ(pdf.offsets[n] + pdf.Object(n).size(), pdf.offsets[n + 1]);
  EXPECT_EQ(pdf.bytes.substr(pdf.offsets[7] + pdf.Object(7).size(), 5), "xref\n");
  EXPECT_TRUE(std::regex_match(pdf.trailer,
                               std::regex("trailer\n<< /Size 8\n/Root 1 0 R\n/Info 3 0 R\n/ID \\[<[0-9a-f]{32}> "
                                          "<[0-9a-f]{32}>\\]>>\nstartxref\n[0-9]+\n%%EOF\n")))
      << pdf.trailer;
}

TEST(PDFBuilder, EmptyTextsLeaveOnlyTheCreationDate) {
  TPageBitmap page = test::DrawLetterPage(200, 100, pf1Bit);
  TIOParams params;
  TPDFBuilder builder;
  builder.AddPageWithImage(page, params);
  const test::ParsedDocument pdf(test::SaveBuilder(builder, {}, LocalTime(2026, 12, 1, 8, 5, 9)));
  EXPECT_EQ(pdf.Count(), 7);
  EXPECT_EQ(pdf.Object(3), "3 0 obj\n<< /CreationDate (D:20261201080509)\n>>\nendobj\n");
  EXPECT_NE(pdf.trailer.find("<< /Size 8\n"), std::string::npos);
}

TEST(PDFBuilder, AllTextsInOrderWrittenByteForByte) {
  TPageBitmap page = test::DrawLetterPage(200, 100, pf1Bit);
  TIOParams params;
  TPDFBuilder builder;
  builder.AddPageWithImage(page, params);
  const test::ParsedDocument pdf(test::SaveBuilder(builder,
                                {"Rechnung \xE4\xF6\xFC\xDF (1).pdf", "Au", "Su", "Ke\\y", "Cr", "Pr"},
                                LocalTime(2024, 1, 31, 15, 45, 2)));
  EXPECT_EQ(pdf.Object(3),
            "3 0 obj\n<< /Title (Rechnung \xE4\xF6\xFC\xDF \\(1\\).pdf)\n/Author (Au)\n/Subject (Su)\n"
            "/Keywords (Ke\\\\y)\n/Creator (Cr)\n/Producer (Pr)\n/CreationDate (D:20240131154502)\n>>\nendobj\n");
}

TEST(PDFBuilder, TwoSavesDifferInDateAndIdentifierOnly) {
  TPageBitmap page = test::DrawLetterPage(300, 200, pf1Bit);
  std::string files[2];
  std::string ids[2];
  const std::time_t times[2] = {LocalTime(2024, 1, 31, 15, 45, 2), LocalTime(2025, 6, 1, 9, 0, 0)};
  for (int k = 0; k < 2; ++k) {
    TIOParams params;
    TPDFBuilder builder;
    builder.AddPageWithImage(page, params);
    const test::ParsedDocument pdf(test::SaveBuilder(builder, TitleAndCreator("a.pdf", ""), times[k]));
    files[k] = pdf.bytes;
    ids[k] = pdf.id;
  }
  ASSERT_EQ(ids[0].size(), 32u);
  EXPECT_NE(ids[0], ids[1]);
  for (int k = 0; k < 2; ++k) {
    for (const auto& [from, to] : {std::pair{ids[k], std::string(32, 'x')},
                                   std::pair{std::string(k == 0 ? "D:20240131154502" : "D:20250601090000"),
                                             std::string("D:date")}}) {
      for (std::size_t at; (at = files[k].find(from)) != std::string::npos;) files[k].replace(at, from.size(), to);
    }
  }
  EXPECT_EQ(files[0], files[1]);
}

TEST(PDFBuilder, PagesWithoutImagesAndNamedSizes) {
  TPDFBuilder builder;
  EXPECT_EQ(builder.AddPage(ppLetter), 0);
  EXPECT_EQ(builder.AddPage(300, 200), 1);
  EXPECT_EQ(builder.AddPage(ppAuto), 2);
  EXPECT_EQ(builder.PageCount(), 3);
  EXPECT_EQ(builder.CurrentPageIndex(), 2);
  EXPECT_EQ(builder.PageSize(0).X, 612);
  EXPECT_EQ(builder.PageSize(0).Y, 792);
  const test::ParsedDocument pdf(test::SaveBuilder(builder, {}, 0));
  // catalog, resources, info, 3 x (content, page), tree
  ASSERT_EQ(pdf.Count(), 10);
  EXPECT_EQ(pdf.Object(10), "10 0 obj\n<< /Type /Pages\n/Kids [5 0 R 7 0 R 9 0 R ]\n/Count 3\n>>\nendobj\n");
  EXPECT_NE(pdf.Object(9).find("/MediaBox [0 0 0 0 ]"), std::string::npos);
  EXPECT_NE(pdf.Object(5).find("/MediaBox [0 0 612 792 ]"), std::string::npos);
  EXPECT_THROW(test::SaveBuilder(builder, {}, 0), std::logic_error);  // written once
}

}  // namespace
}  // namespace quorvane
