#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "writers/common/byte_sink.h"
#include "writers/common/io_params.h"
#include "writers/common/multi_page_io.h"
#include "writers/common/page_bitmap.h"
#include "writers/pdf/pdf_objects.h"

namespace quorvane {

// The document's information texts: 8-bit, written as they are; empty ones are left out.
struct TPDFDocumentInfo {
  std::string PDF_Title;
  std::string PDF_Author;
  std::string PDF_Subject;
  std::string PDF_Keywords;
  std::string PDF_Creator;
  std::string PDF_Producer;
};

struct TPDFPageSize {
  double X = 0;  // width, points
  double Y = 0;  // height, points
};

// Builds one PDF 1.4 document in memory (images parked in temporary files)
// and writes it in one forward pass. A builder is written once.
class TPDFBuilder {
 public:
  TPDFBuilder();
  ~TPDFBuilder();
  TPDFBuilder(const TPDFBuilder&) = delete;
  TPDFBuilder& operator=(const TPDFBuilder&) = delete;

  // Adds an empty page and makes it current; returns its 0-based index.
  int AddPage(int paperWidth, int paperHeight);
  int AddPage(TIOPDFPaperSize size);
  // Adds a page showing one page image (sizing, coding, drawing); may change
  // BitsPerSample, SamplesPerPixel and PDF_Compression of params.
  int AddPageWithImage(const TPageBitmap& bitmap, TIOParams& params, const TProgressRecord& progress = {});
  // Places an image on the current page: x, y from the page's top-left corner,
  // width and height in points (0 = pixel size, -1 = keep proportions).
  void AddImage(double x, double y, int width, int height, const TPageBitmap& bitmap, double rotation,
                double opacity, TIOParams& params, const TProgressRecord& progress);
  // The graphics-state name for a fill opacity, defined on first use.
  std::string FillOpacityName(double opacity);

  // creationTime 0 = now.
  void SaveToStream(ByteSink& stream, const TPDFDocumentInfo& info, std::time_t creationTime = 0);

  int PageCount() const { return static_cast<int>(pages.size()); }
  int CurrentPageIndex() const { return fPageIndex; }
  void SetCurrentPageIndex(int index) { fPageIndex = index; }
  TPDFPageSize PageSize(int index) const { return pagesSizes.at(static_cast<std::size_t>(index)); }

 private:
  void AddIndirectObject(TPDFObject& obj);
  void AppendPageContent(int pageIndex, std::string_view text);
  TPDFDictionaryObject& ResourceDictionary(std::string_view key);
  int AddImageObject(std::unique_ptr<TPDFStreamObject> image);

  void BuildInfo(const TPDFDocumentInfo& info, std::time_t creationTime);
  std::unique_ptr<TPDFDictionaryObject> BuildPagesTree();
  void WriteHeader(CountingSink& out);
  void WriteObjects(CountingSink& out);
  void WriteXrefAndTrailer(CountingSink& out);

  std::vector<TPDFObject*> indirectObjects;
  std::vector<std::unique_ptr<TPDFDictionaryObject>> pages;
  std::vector<std::unique_ptr<TPDFStreamObject>> images;
  std::vector<std::unique_ptr<TPDFStreamObject>> contentStreams;
  TPDFDictionaryObject resources;
  TPDFDictionaryObject catalog;
  TPDFDictionaryObject info;
  std::array<bool, 256> usedFillTransps{};
  std::vector<TPDFPageSize> pagesSizes;
  int fPageIndex = -1;
  bool written_ = false;
};

}  // namespace quorvane
