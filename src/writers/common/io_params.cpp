#include "io_params.h"

#include <array>

namespace quorvane {

namespace {
constexpr std::array<TPaperSizeInfo, 14> kPaperSizes{{
    {"A0", 2380, 3368},
    {"A1", 1684, 2380},
    {"A2", 1190, 1684},
    {"A3", 842, 1190},
    {"A4", 595, 842},
    {"A5", 421, 595},
    {"A6", 297, 421},
    {"B5", 501, 709},
    {"US Letter", 612, 792},
    {"US Legal", 612, 1008},
    {"US Ledger", 1224, 792},
    {"US Tabloid", 792, 1224},
    {"Auto", 0, 0},
    {"", 0, 0},
}};
}  // namespace

const TPaperSizeInfo& PaperSizeInfo(TIOPDFPaperSize size) { return kPaperSizes.at(size); }

void TIOParams::SetPDFPaperSize(TIOPDFPaperSize size) {
  if (PaperSizeInfo(size).width == 0 && PaperSizeInfo(size).height == 0) return;
  PDF_PaperWidth = PaperSizeInfo(size).width;
  PDF_PaperHeight = PaperSizeInfo(size).height;
}

TIOPDFPaperSize TIOParams::PDFPaperSize() const {
  for (std::size_t i = 0; i < ppUnknown; ++i) {
    if (kPaperSizes[i].width == PDF_PaperWidth && kPaperSizes[i].height == PDF_PaperHeight)
      return static_cast<TIOPDFPaperSize>(i);
  }
  return ppUnknown;
}

}  // namespace quorvane
