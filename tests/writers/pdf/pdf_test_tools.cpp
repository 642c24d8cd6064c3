#include "pdf_test_tools.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>

#include <gtest/gtest.h>

namespace quorvane::test {

TempFolder::TempFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("qv-pdf-test-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ToolResult RunTool(const std::string& command) {
  ToolResult result;
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, got);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileText(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

Netpbm ReadNetpbm(const std::string& path) {
  const std::string bytes = ReadFileText(path);
  std::istringstream in(bytes);
  std::string magic;
  Netpbm image;
  in >> magic >> image.width >> image.height;
  if (magic.size() != 2 || magic[0] != 'P') throw std::runtime_error("not a netpbm file: " + path);
  image.kind = magic[1];
  if (image.kind != '4') {
    int maxval = 0;
    in >> maxval;
  }
  in.get();  // the single white space before the samples
  const auto start = static_cast<std::size_t>(in.tellg());
  image.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
  if (image.data.size() < image.RowBytes() * static_cast<std::size_t>(image.height))
    throw std::runtime_error("short netpbm file: " + path);
  return image;
}

long CountBilevelDifferences(const TPageBitmap& page, const Netpbm& image, int scale) {
  if (image.kind != '4' || image.width != scale * page.Width() || image.height != scale * page.Height()) return -1;
  long differences = 0;
  for (int y = 0; y < page.Height(); ++y) {
    const std::uint8_t* row = image.data.data() + image.RowBytes() * static_cast<std::size_t>(scale * y + scale / 2);
    for (int x = 0; x < page.Width(); ++x) {
      const int ix = scale * x + scale / 2;
      const bool black = (row[ix >> 3] & (0x80 >> (ix & 7))) != 0;
      if (black == page.IsWhite(x, y)) ++differences;
    }
  }
  return differences;
}

double MeanColourDifference(const TPageBitmap& page, const Netpbm& image, int scale) {
  if (image.kind != '6' || image.width != scale * page.Width() || image.height != scale * page.Height()) return 1e9;
  double sum = 0;
  for (int y = 0; y < page.Height(); ++y) {
    const std::uint8_t* bgr = page.Row(y);
    const std::uint8_t* rgb = image.data.data() + image.RowBytes() * static_cast<std::size_t>(scale * y + scale / 2);
    for (int x = 0; x < page.Width(); ++x)
      for (int c = 0; c < 3; ++c)
        sum += std::abs(int(bgr[3 * x + 2 - c]) - int(rgb[3 * (scale * x + scale / 2) + c]));
  }
  return sum / (3.0 * page.Width() * page.Height());
}

std::string SaveBuilder(TPDFBuilder& builder, const TPDFDocumentInfo& info, std::time_t when) {
  std::vector<std::uint8_t> bytes;
  VectorSink sink(bytes);
  builder.SaveToStream(sink, info, when);
  return std::string(bytes.begin(), bytes.end());
}

ParsedDocument::ParsedDocument(std::string file) : bytes(std::move(file)) {
  const std::size_t startxref = bytes.rfind("startxref\n");
  if (startxref == std::string::npos) {
    ADD_FAILURE() << "no startxref";
    return;
  }
  const std::size_t xref = std::stoul(bytes.substr(startxref + 10));
  EXPECT_EQ(bytes.compare(xref, 5, "xref\n"), 0);
  std::size_t at = xref + 5;
  EXPECT_EQ(bytes.compare(at, 2, "0 "), 0);
  const int size = std::stoi(bytes.substr(at + 2));
  at = bytes.find('\n', at) + 1;
  EXPECT_EQ(bytes.substr(at, 20), "0000000000 65535 f \n");
  offsets.push_back(0);
  for (int i = 1; i < size; ++i) {
    const std::string entry = bytes.substr(at + 20 * static_cast<std::size_t>(i), 20);
    EXPECT_TRUE(std::regex_match(entry, std::regex("[0-9]{10} 00000 n \n"))) << entry;
    offsets.push_back(std::stoul(entry.substr(0, 10)));
  }
  trailer = bytes.substr(at + 20 * static_cast<std::size_t>(size));
  std::smatch match;
  if (std::regex_search(trailer, match, std::regex("/ID \\[<([0-9a-f]{32})> <([0-9a-f]{32})>\\]"))) {
    EXPECT_EQ(match[1], match[2]);
    id = match[1];
  }
}

std::string ParsedDocument::Object(int n) const {
  const std::size_t start = offsets.at(static_cast<std::size_t>(n));
  const std::string head = std::to_string(n) + " 0 obj\n";
  EXPECT_EQ(bytes.compare(start, head.size(), head), 0) << "object " << n;
  const std::size_t end = bytes.find("\nendobj\n", start);
  return bytes.substr(start, end + 8 - start);
}

}  // namespace quorvane::test
