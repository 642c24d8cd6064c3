// Page images: sizing and drawing operators, every coding checked by
// decoding with poppler, soft masks, and the JPEG coder's settings.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "fixture_pages.h"
#include "pdf_test_tools.h"
#include "writers/pdf/jpeg_coder.h"
#include "writers/pdf/pdf_builder.h"

namespace quorvane {
namespace {

// Content stream text of object 4 (the first page's content).
std::string ContentOf(const test::ParsedDocument& pdf) {
  const std::string object = pdf.Object(4);
  const std::size_t start = object.find("stream\n") + 7;
  return object.substr(start, object.rfind("\nendstream") - start);
}

TEST(PDFPageImage, PageSizeAndPlacement) {
  const struct {
    const char* what;
    int width, height, paperWidth, paperHeight, margin;
    const char* mediaBox;
    const char* content;
  } cases[] = {
      {"A4 page", 2480, 3508, 595, 842, 0, "[0 0 595 842 ]",
       "\nq\n1. 0. 0. 1. 297.50 421.50 cm\n595.00 0. 0. 841.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
      {"page takes the image size", 2480, 3508, 0, 842, 0, "[0 0 2480 3508 ]",
       "\nq\n1. 0. 0. 1. 1240.00 1754.00 cm\n2480.00 0. 0. 3508.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
      {"landscape image on portrait A4, top half", 3508, 2480, 595, 842, 0, "[0 0 595 842 ]",
       "\nq\n1. 0. 0. 1. 297.50 632.00 cm\n595.00 0. 0. 420.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
      {"margin 36 from the top-left", 2480, 3508, 595, 842, 36, "[0 0 595 842 ]",
       "\nq\n1. 0. 0. 1. 297.50 436.50 cm\n523.00 0. 0. 739.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
      {"image size plus margins", 100, 50, 0, 0, 10, "[0 0 120 70 ]",
       "\nq\n1. 0. 0. 1. 60.00 35.00 cm\n100.00 0. 0. 50.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
      {"tiny drawn side stays one point", 3000, 1, 595, 842, 0, "[0 0 595 842 ]",
       "\nq\n1. 0. 0. 1. 297.50 841.50 cm\n595.00 0. 0. 1.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm0 Do\nQ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPageBitmap page(c.width, c.height, pf1Bit);
    TIOParams params;
    params.PDF_PaperWidth = c.paperWidth;
    params.PDF_PaperHeight = c.paperHeight;
    params.PDF_PageMargin = c.margin;
    params.PDF_Compression = ioPDF_UNCOMPRESSED;
    TPDFBuilder builder;
    builder.AddPageWithImage(page, params);
    const test::ParsedDocument pdf(test::SaveBuilder(builder));
    EXPECT_EQ(ContentOf(pdf), c.content);
    EXPECT_NE(pdf.Object(5).find(std::string("/MediaBox ") + c.mediaBox), std::string::npos);
    EXPECT_NE(pdf.Object(6).find("/Width " + std::to_string(c.width) + "\n/Height " + std::to_string(c.height) + "\n"),
              std::string::npos);
  }
}

TEST(PDFPageImage, RotationOpacityAndDrawnSizeRules) {
  TPageBitmap page(200, 100, pf1Bit);
  TIOParams params;
  TPDFBuilder builder;
  builder.AddPage(400, 300);
  builder.AddImage(10, 20, 0, 0, page, 0, 0.5, params, {});     // pixel size
  builder.AddImage(10, 20, 50, -1, page, 90, 1, params, {});    // height from width
  builder.AddImage(10, 20, -1, 10, page, 0, 1, params, {});     // width from height
  const test::ParsedDocument pdf(test::SaveBuilder(builder));
  EXPECT_EQ(ContentOf(pdf),
            "\nq\n1. 0. 0. 1. 110.00 230.00 cm\n200.00 0. 0. 100.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n"
            "/GSF127 gs\n/lm0 Do\nQ"
            "\nq\n1. 0. 0. 1. 35.00 267.50 cm\n0.00 1.00 -1.00 0.00 0 0 cm\n50.00 0. 0. 25.00 0. 0. cm\n"
            "1. 0. 0. 1. -0.50 -0.50 cm\n/GSF255 gs\n/lm1 Do\nQ"
            "\nq\n1. 0. 0. 1. 20.00 275.00 cm\n20.00 0. 0. 10.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n"
            "/GSF255 gs\n/lm2 Do\nQ");
  EXPECT_NE(pdf.Object(2).find("/ExtGState << /GSF127 << /ca 0.50\n>>\n/GSF255 << /ca 1\n>>\n>>"), std::string::npos);
}

TEST(PDFPageImage, TwoPagesNameTheirImagesAndShareOneOpacityState) {
  TPageBitmap page = test::DrawLetterPage(300, 400, pf1Bit);
  TIOParams first;
  TIOParams second;
  TPDFBuilder builder;
  builder.AddPageWithImage(page, first);
  builder.AddPageWithImage(page, second);
  const test::ParsedDocument pdf(test::SaveBuilder(builder));
  ASSERT_EQ(pdf.Count(), 10);
  EXPECT_EQ(pdf.Object(2),
            "2 0 obj\n<< /ProcSet [/PDF /ImageB ]\n/XObject << /lm0 6 0 R\n/lm1 9 0 R\n>>\n/Font << >>\n"
            "/ExtGState << /GSF255 << /ca 1\n>>\n>>\n>>\nendobj\n");
  EXPECT_NE(pdf.Object(7).find("/lm1 Do"), std::string::npos);
  EXPECT_EQ(pdf.Object(10), "10 0 obj\n<< /Type /Pages\n/Kids [5 0 R 8 0 R ]\n/Count 2\n>>\nendobj\n");
}

// Writes one page whose size is the image's pixel size: one point per pixel.
// Poppler smooths images drawn at less than four times their size, so pages
// are rendered at 288 dpi, where every image pixel becomes a 4 x 4 block.
constexpr int kRenderScale = 4;
const std::string kRenderOptions = "pdftoppm -r 288 ";

std::string WriteOnePage(const test::TempFolder& folder, const TPageBitmap& page, TIOParams& params) {
  params.PDF_PaperWidth = 0;
  TPDFBuilder builder;
  builder.AddPageWithImage(page, params);
  const std::string path = folder.File("page.pdf");
  test::WriteFileText(path, test::SaveBuilder(builder));
  const test::ToolResult check = test::RunTool("qpdf --check " + path);
  EXPECT_EQ(check.status, 0) << check.output;
  return path;
}

test::Netpbm ExtractImage(const test::TempFolder& folder, const std::string& pdf) {
  const test::ToolResult result = test::RunTool("pdfimages " + pdf + " " + folder.File("image"));
  EXPECT_EQ(result.status, 0) << result.output;
  for (const char* name : {"image-000.pbm", "image-000.pgm", "image-000.ppm"}) {
    if (std::filesystem::exists(folder.File(name))) {
      test::Netpbm image = test::ReadNetpbm(folder.File(name));
      std::filesystem::remove(folder.File(name));
      return image;
    }
  }
  ADD_FAILURE() << "pdfimages wrote no image";
  return {};
}

TEST(PDFPageImage, BilevelCodingsDecodeToTheStoredPixels) {
  const struct {
    TIOPDFCompression compression;
    const char* filter;  // as in the image dictionary
    TIOPDFCompression after;
  } cases[] = {
      {ioPDF_UNCOMPRESSED, nullptr, ioPDF_UNCOMPRESSED},
      {ioPDF_RLE, "/Filter [/RunLengthDecode ]\n", ioPDF_RLE},
      {ioPDF_G4FAX, "/Filter /CCITTFaxDecode\n/DecodeParms << /K -1\n", ioPDF_G4FAX},
      {ioPDF_G3FAX2D, "/Filter /CCITTFaxDecode\n/DecodeParms << /K 1\n", ioPDF_G3FAX2D},
      {ioPDF_JPEG, "/Filter /CCITTFaxDecode\n/DecodeParms << /K 1\n", ioPDF_G3FAX2D},
      {ioPDF_LZW, "/Filter /LZWDecode\n", ioPDF_LZW},
  };
  test::TempFolder folder;
  // 621 pixels: rows of 78 bytes whose last byte is partly padding.
  const TPageBitmap page = test::DrawLetterPage(621, 877, pf1Bit);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.compression));
    TIOParams params;
    params.PDF_Compression = c.compression;
    const std::string path = WriteOnePage(folder, page, params);
    EXPECT_EQ(params.PDF_Compression, c.after);
    EXPECT_EQ(params.BitsPerSample, 1);
    EXPECT_EQ(params.SamplesPerPixel, 1);

    const test::ParsedDocument pdf(test::ReadFileText(path));
    const std::string image = pdf.Object(6);
    std::smatch length;
    ASSERT_TRUE(std::regex_search(image, length, std::regex("/Length ([0-9]+)\n")));
    if (c.filter) {
      EXPECT_NE(image.find(c.filter), std::string::npos);
    } else {
      EXPECT_EQ(image.find("/Filter"), std::string::npos);
      EXPECT_EQ(std::stoul(length[1]), 78u * 877u);
    }
    if (c.after == ioPDF_G4FAX || c.after == ioPDF_G3FAX2D) {
      EXPECT_EQ(std::stoul(length[1]) % 4, 0u);
      EXPECT_NE(image.find("/BlackIs1 true\n/Columns 621\n/Rows 877\n/EndOfLine false\n/Uncompressed true\n"
                           "/EncodedByteAlign false\n/EndOfBlock false\n>>\n"),
                std::string::npos);
    }
    EXPECT_NE(image.find("/ColorSpace /DeviceGray\n/BitsPerComponent 1\n/Width 621\n/Height 877\n"),
              std::string::npos);
    EXPECT_EQ(test::CountBilevelDifferences(page, ExtractImage(folder, path)), 0);
  }
}

TEST(PDFPageImage, BilevelPageRendersBackToItsPixels) {
  test::TempFolder folder;
  // A4 at 75 dpi, 621 pixels wide.
  const TPageBitmap page = test::DrawLetterPage(621, 877, pf1Bit);
  TIOParams params;  // the saver's choice for black and white: Group 4
  const std::string path = WriteOnePage(folder, page, params);
  const test::ToolResult render = test::RunTool(kRenderOptions + "-mono " + path + " " + folder.File("render"));
  ASSERT_EQ(render.status, 0) << render.output;
  EXPECT_EQ(test::CountBilevelDifferences(page, test::ReadNetpbm(folder.File("render-1.pbm")), kRenderScale), 0);
}

TEST(PDFPageImage, ColourCodings) {
  const struct {
    TIOPDFCompression compression;
    TIOJPEGColorspace space;
    const char* keys;
    double tolerance;  // mean difference per sample after decoding
  } cases[] = {
      {ioPDF_JPEG, ioJPEG_YCbCr, "/Filter /DCTDecode\n/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n", 3.0},
      {ioPDF_JPEG, ioJPEG_RGB, "/Filter /DCTDecode\n/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n", 3.0},
      {ioPDF_LZW, ioJPEG_YCbCr, "/Filter /LZWDecode\n/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n", 0},
      {ioPDF_G4FAX, ioJPEG_YCbCr, "/Length 726570\n/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n", 0},
      {ioPDF_RLE, ioJPEG_YCbCr, "/Length 726570\n/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n", 0},
  };
  test::TempFolder folder;
  const TPageBitmap page = test::DrawLetterPage(414, 585, pf24RGB);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.compression));
    TIOParams params;
    params.BitsPerSample = 1;  // set from the image
    params.PDF_Compression = c.compression;
    params.JPEG_ColorSpace = c.space;
    const std::string path = WriteOnePage(folder, page, params);
    EXPECT_EQ(params.BitsPerSample, 8);
    EXPECT_EQ(params.SamplesPerPixel, 3);
    EXPECT_EQ(params.PDF_Compression, c.compression);
    const test::ParsedDocument pdf(test::ReadFileText(path));
    EXPECT_NE(pdf.Object(6).find(c.keys), std::string::npos) << pdf.Object(6).substr(0, 200);
    const double difference = test::MeanColourDifference(page, ExtractImage(folder, path));
    EXPECT_LE(difference, c.tolerance);
  }
}

TEST(PDFPageImage, GreyJpegPageIsOneComponentDeviceGray) {
  test::TempFolder folder;
  const TPageBitmap page = test::DrawLetterPage(414, 585, pf24RGB);
  TIOParams params;
  params.PDF_Compression = ioPDF_JPEG;
  params.JPEG_ColorSpace = ioJPEG_GRAYLEV;
  const std::string path = WriteOnePage(folder, page, params);
  const test::ParsedDocument pdf(test::ReadFileText(path));
  EXPECT_NE(pdf.Object(6).find("/Filter /DCTDecode\n/ColorSpace /DeviceGray\n/BitsPerComponent 8\n"), std::string::npos);
  const test::ToolResult list = test::RunTool("pdfimages -list " + path);
  EXPECT_TRUE(std::regex_search(list.output, std::regex("image +414 +585 +gray +1 +8 +jpeg"))) << list.output;
}

TEST(PDFPageImage, JpegColourPageRendersCloseToItsPixels) {
  test::TempFolder folder;
  const TPageBitmap page = test::DrawLetterPage(414, 585, pf24RGB);
  TIOParams params;  // what the saver sets for grey and colour pages
  params.PDF_Compression = ioPDF_JPEG;
  params.JPEG_Quality = 80;
  params.JPEG_OptimalHuffman = true;
  const std::string path = WriteOnePage(folder, page, params);
  const test::ToolResult render = test::RunTool(kRenderOptions + path + " " + folder.File("render"));
  ASSERT_EQ(render.status, 0) << render.output;
  EXPECT_LE(test::MeanColourDifference(page, test::ReadNetpbm(folder.File("render-1.ppm")), kRenderScale), 3.0);
}

TEST(PDFPageImage, AlphaBecomesASoftMask) {
  test::TempFolder folder;
  TPageBitmap page = test::DrawLetterPage(400, 300, pf24RGB);
  page.AddAlpha(255);
  for (int y = 0; y < 150; ++y) std::fill_n(page.AlphaRow(y), 400, std::uint8_t{0});  // top half transparent
  TIOParams params;
  params.PDF_Compression = ioPDF_UNCOMPRESSED;
  const std::string path = WriteOnePage(folder, page, params);
  const test::ParsedDocument pdf(test::ReadFileText(path));
  ASSERT_EQ(pdf.Count(), 8);
  const std::string mask =
      "6 0 obj\n<< /Length 120000\n/Type /XObject\n/Subtype /Image\n/ColorSpace /DeviceGray\n"
      "/BitsPerComponent 8\n/Width 400\n/Height 300\n>>\nstream\n";
  EXPECT_EQ(pdf.Object(6).substr(0, mask.size()), mask);
  EXPECT_NE(pdf.Object(7).find("/Width 400\n/Height 300\n/SMask 6 0 R\n>>\nstream\n"), std::string::npos);
  // The mask holds a place in the image list without a name.
  EXPECT_NE(pdf.Object(2).find("/XObject << /lm1 7 0 R\n>>"), std::string::npos);
  EXPECT_NE(ContentOf(pdf).find("/lm1 Do"), std::string::npos);

  const test::ToolResult render = test::RunTool("pdftoppm -r 72 " + path + " " + folder.File("render"));
  ASSERT_EQ(render.status, 0) << render.output;
  const test::Netpbm image = test::ReadNetpbm(folder.File("render-1.ppm"));
  ASSERT_EQ(image.width, 400);
  const auto sample = [&](int x, int y, int c) { return image.data[3 * (400 * static_cast<std::size_t>(y) + x) + c]; };
  // The red logo lies in the transparent half: white paper shows there.
  for (int c = 0; c < 3; ++c) EXPECT_EQ(sample(340, 60, c), 255);
  // The opaque half keeps the page's tint (250, 248, 240).
  EXPECT_NEAR(sample(395, 295, 2), 240, 2);
}

TEST(PDFPageImage, BilevelImageNeverGetsAMask) {
  TPageBitmap page(64, 64, pf1Bit);
  page.AddAlpha(0);
  TIOParams params;
  TPDFBuilder builder;
  builder.AddPageWithImage(page, params);
  const test::ParsedDocument pdf(test::SaveBuilder(builder));
  EXPECT_EQ(pdf.Count(), 7);
  EXPECT_EQ(pdf.Object(6).find("/SMask"), std::string::npos);
}

}  // namespace
}  // namespace quorvane
