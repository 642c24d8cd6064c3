// The text of every object kind, byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "comma_locale.h"
#include "pdf_test_tools.h"
#include "writers/pdf/pdf_objects.h"
#include "writers/pdf/pdf_text.h"

namespace quorvane {
namespace {

std::string Text(TPDFObject& object) {
  std::vector<std::uint8_t> bytes;
  VectorSink sink(bytes);
  CountingSink out(sink);
  object.Write(out);
  return std::string(bytes.begin(), bytes.end());
}

TEST(PDFText, RealsAreWholeOrTwoDecimals) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{1.0, "1"}, {-2.0, "-2"}, {0.0, "0"}, {0.5, "0.50"}, {297.5, "297.50"},
               {-0.5, "-0.50"}, {0.125, "0.12"}, {1234567.25, "1234567.25"}, {3e9, "3000000000"}};
  for (const auto& c : cases) {
    TPDFRealObject real(c.value);
    EXPECT_EQ(Text(real), c.text) << c.value;
  }
  EXPECT_EQ(FormatPDFFixed(595), "595.00");
  EXPECT_EQ(FormatPDFFixed(-0.5), "-0.50");
}

TEST(PDFText, NumbersIgnoreADecimalCommaLocale) {
  test::CommaLocale german;
  if (!german.Active()) GTEST_SKIP() << "no German locale available";
  TPDFRealObject half(0.5);
  EXPECT_EQ(Text(half), "0.50");
  EXPECT_EQ(FormatPDFFixed(421.5), "421.50");
  TPDFIntegerObject big(1234567);
  EXPECT_EQ(Text(big), "1234567");

  TPDFBuilder builder;
  TPageBitmap page(101, 51, pf1Bit);
  TIOParams params;
  params.PDF_PaperWidth = 0;
  builder.AddPageWithImage(page, params);
  builder.FillOpacityName(0.5);
  const test::ParsedDocument pdf(test::SaveBuilder(builder));
  EXPECT_NE(pdf.Object(4).find("\nq\n1. 0. 0. 1. 50.50 25.50 cm\n101.00 0. 0. 51.00 0. 0. cm\n1. 0. 0. 1. -0.50 -0.50 cm\n"),
            std::string::npos);
  EXPECT_NE(pdf.Object(2).find("/GSF127 << /ca 0.50\n>>"), std::string::npos);
}

TEST(PDFText, NonFiniteNumbersAreRefused) {
  EXPECT_THROW(FormatPDFReal(std::numeric_limits<double>::infinity()), std::invalid_argument);
  EXPECT_THROW(FormatPDFFixed(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
}

TEST(PDFText, NamesEscapeBytesOutsideThePrintableRange) {
  const struct {
    std::string name;
    std::string text;
  } cases[] = {
      {"My Name", "/My#20Name"},
      {"A#(b)/c", "/A#(b)/c"},  // delimiters and "#" stay
      {std::string("\x7F\x80\xFF\x21\x7E", 5), "/#7F#80#FF!~"},
      {std::string("a\0b", 3), "/a#00b"},
      {"", "/"},
  };
  for (const auto& c : cases) {
    TPDFNameObject name(c.name);
    EXPECT_EQ(Text(name), c.text);
  }
}

TEST(PDFText, StringsEscapeParenthesesBackslashAndControls) {
  const struct {
    std::string value;
    std::string text;
  } cases[] = {
      {"a(b)c\\d", "(a\\(b\\)c\\\\d)"},
      {"\n\r\t\b\f", "(\\n\\r\\t\\b\\f)"},
      {"Stra\xDF" "e \xE4\xF6\xFC \x80", "(Stra\xDF" "e \xE4\xF6\xFC \x80)"},  // 8-bit text unchanged
      {std::string("x\0y\x1B", 4), std::string("(x\0y\x1B)", 6)},
      {"", "()"},
  };
  for (const auto& c : cases) {
    TPDFStringObject string(c.value);
    EXPECT_EQ(Text(string), c.text);
  }
}

TEST(PDFText, CrossReferenceEntriesAreTwentyBytesAlsoPastTwoGiB) {
  const struct {
    std::uint64_t offset;
    const char* entry;
  } cases[] = {{0, "0000000000 00000 n \n"},
               {15, "0000000015 00000 n \n"},
               {2'147'483'648ULL, "2147483648 00000 n \n"},  // past a 32-bit signed offset
               {9'999'999'999ULL, "9999999999 00000 n \n"}};
  for (const auto& c : cases) EXPECT_EQ(FormatXrefEntry(c.offset), c.entry);
  EXPECT_THROW(FormatXrefEntry(10'000'000'000ULL), std::length_error);
}

TEST(PDFObjects, SimpleKinds) {
  TPDFRefObject ref(5);
  TPDFIntegerObject negative(-42);
  TPDFIntegerObject large(5'000'000'000LL);
  TPDFBooleanObject yes(true);
  TPDFBooleanObject no(false);
  EXPECT_EQ(Text(ref), "5 0 R");
  EXPECT_EQ(Text(negative), "-42");
  EXPECT_EQ(Text(large), "5000000000");
  EXPECT_EQ(Text(yes), "true");
  EXPECT_EQ(Text(no), "false");
}

TEST(PDFObjects, ArraysEndEveryItemWithASpace) {
  TPDFArrayObject empty;
  EXPECT_EQ(Text(empty), "[]");
  TPDFArrayObject box;
  for (int v : {0, 0, 595, 842}) box.Add(MakeInteger(v));
  EXPECT_EQ(Text(box), "[0 0 595 842 ]");
  TPDFArrayObject procs;
  procs.Add(MakeName("PDF"));
  procs.Add(MakeName("ImageB"));
  EXPECT_EQ(Text(procs), "[/PDF /ImageB ]");
}

TEST(PDFObjects, DictionariesKeepOrderAndMatchKeysWithoutCase) {
  TPDFDictionaryObject empty;
  EXPECT_EQ(Text(empty), "<< >>");

  TPDFDictionaryObject dict;
  dict.Add("Type", MakeName("Page"));
  dict.Add("Count", MakeInteger(1));
  dict.Add("count", MakeInteger(2));  // same key: replaced in place
  dict.Insert(0, "First", std::make_unique<TPDFBooleanObject>(false));
  auto inner = std::make_unique<TPDFDictionaryObject>();
  inner->Add("ca", std::make_unique<TPDFRealObject>(1.0));
  dict.Add("GS", std::move(inner));
  EXPECT_EQ(Text(dict), "<< /First false\n/Type /Page\n/Count 2\n/GS << /ca 1\n>>\n>>");
  EXPECT_NE(dict.Find("TYPE"), nullptr);
  EXPECT_EQ(dict.Find("Missing"), nullptr);
}

TEST(PDFObjects, StreamLengthCountsTheDataOnly) {
  TPDFStreamObject empty;
  EXPECT_EQ(Text(empty), "<< /Length 0\n>>\nstream\n\nendstream");

  const std::uint8_t data[] = {'a', 0, 0xFF, '\n'};
  TPDFStreamObject copy(data, sizeof data);
  copy.dict.Add("Filter", MakeName("X"));
  constexpr char kExpected[] = "<< /Length 4\n/Filter /X\n>>\nstream\na\0\xFF\n\nendstream";
  EXPECT_EQ(Text(copy), std::string(kExpected, sizeof kExpected - 1));
}

TEST(PDFObjects, CachedStreamWritesTheSameBytes) {
  std::string data;
  for (int i = 0; i < 500'000; ++i) data += static_cast<char>(i * 7 % 251);
  TPDFStreamObject memory;
  memory.AddContent(data);
  TPDFStreamObject cached;
  cached.AddContent(data);
  cached.FlushToCache();
  EXPECT_TRUE(cached.databuf.empty());
  EXPECT_EQ(cached.cacheLength, data.size());
  EXPECT_EQ(Text(cached), Text(memory));
  EXPECT_EQ(Text(cached), Text(memory));  // written again: the cache is read from its start
}

TEST(PDFObjects, PositionIsWhereTheTextBegins) {
  std::vector<std::uint8_t> bytes;
  VectorSink sink(bytes);
  CountingSink out(sink, 100);
  TPDFArrayObject array;
  array.Add(MakeInteger(7));
  array.Add(MakeInteger(8));
  array.Write(out);
  EXPECT_EQ(array.Position, 100u);
  EXPECT_EQ(array.Items[1]->Position, 103u);
}

}  // namespace
}  // namespace quorvane
