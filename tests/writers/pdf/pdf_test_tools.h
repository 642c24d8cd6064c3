#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "writers/common/page_bitmap.h"
#include "writers/pdf/pdf_builder.h"

namespace quorvane::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

struct ToolResult {
  int status = -1;
  std::string output;  // stdout and stderr
};
ToolResult RunTool(const std::string& command);

std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& bytes);

// P4 (bitmap, 1 = black), P5 (grey) or P6 (RGB) as written by poppler.
struct Netpbm {
  char kind = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> data;  // rows, P4 rows padded to whole bytes
  std::size_t RowBytes() const { return kind == '4' ? (width + 7) / 8 : kind == '5' ? width : 3 * width; }
};
Netpbm ReadNetpbm(const std::string& path);

// Pixels of a 1-bit page that differ from a P4 image (black = ink in both).
// With scale k the image holds k x k pixels per page pixel; their centre is compared.
long CountBilevelDifferences(const TPageBitmap& page, const Netpbm& image, int scale = 1);
// Mean absolute difference per sample between a 24-bit page and a P6 image.
double MeanColourDifference(const TPageBitmap& page, const Netpbm& image, int scale = 1);

std::string SaveBuilder(TPDFBuilder& builder, const TPDFDocumentInfo& info = {}, std::time_t when = 0);

// A written document taken apart through its cross-reference table, which
// must point at every object line. Failures are reported as test failures.
struct ParsedDocument {
  std::string bytes;
  std::vector<std::size_t> offsets;  // index 1..N
  std::string trailer;
  std::string id;  // the 32 hex digits of /ID

  explicit ParsedDocument(std::string file);
  int Count() const { return static_cast<int>(offsets.size()) - 1; }
  // "n 0 obj\n" ... "\nendobj\n" of object n.
  std::string Object(int n) const;
};

}  // namespace quorvane::test
