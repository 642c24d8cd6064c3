#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

enum TIOTIFFCompression : std::uint8_t {
  ioTIFF_UNCOMPRESSED,
  ioTIFF_CCITT1D,
  ioTIFF_G3FAX1D,
  ioTIFF_G3FAX2D,
  ioTIFF_G4FAX,
  ioTIFF_LZW,
  ioTIFF_OLDJPEG,
  ioTIFF_JPEG,
  ioTIFF_PACKBITS,
  ioTIFF_ZIP,
  ioTIFF_DEFLATE,
  ioTIFF_UNKNOWN,
};

// Requested photometric interpretation; scanned pages keep the default.
enum TIOTIFFPhotometInterpret : std::uint8_t {
  ioTIFF_WHITEISZERO,
  ioTIFF_BLACKISZERO,
  ioTIFF_RGB,
  ioTIFF_RGBPALETTE,
  ioTIFF_TRANSPMASK,
  ioTIFF_CMYK,
  ioTIFF_YCBCR,
  ioTIFF_CIELAB,
};

enum TIOPDFCompression : std::uint8_t {
  ioPDF_UNCOMPRESSED,
  ioPDF_RLE,
  ioPDF_G4FAX,
  ioPDF_G3FAX2D,
  ioPDF_JPEG,
  ioPDF_LZW,
};

enum TIOJPEGColorspace : std::uint8_t { ioJPEG_RGB, ioJPEG_GRAYLEV, ioJPEG_YCbCr, ioJPEG_CMYK, ioJPEG_YCbCrK };
enum TIOJPEGDCTMethod : std::uint8_t { ioJPEG_ISLOW, ioJPEG_IFAST, ioJPEG_FLOAT };
enum TIOJPEGCromaSubsampling : std::uint8_t { ioJPEG_MEDIUM, ioJPEG_HIGH, ioJPEG_NONE };

// ppAuto (0 x 0) lets each page take its image's size; ppUnknown names no row.
enum TIOPDFPaperSize : std::uint8_t {
  ppA0, ppA1, ppA2, ppA3, ppA4, ppA5, ppA6, ppB5, ppLetter, ppLegal, ppLedger, ppTabloid, ppAuto, ppUnknown,
};

struct TPaperSizeInfo {
  const char* label;
  int width;   // points
  int height;  // points
};
const TPaperSizeInfo& PaperSizeInfo(TIOPDFPaperSize size);

// An extra JPEG marker written into coded JPEG data (APPn, COM, ...).
struct TJPEGMarker {
  std::uint8_t code = 0;  // the byte after 0xFF
  std::vector<std::uint8_t> data;
};

// Parameters of one page: set by acquisition and document saving, read by the writers.
// Texts are 8-bit (Windows-1252) strings, written into documents as they are.
struct TIOParams {
  // Acquisition
  std::int32_t BitsPerSample = 8;
  std::int32_t SamplesPerPixel = 3;
  std::int32_t DpiX = 300;
  std::int32_t DpiY = 300;

  // TIFF writer
  TIOTIFFCompression TIFF_Compression = ioTIFF_UNCOMPRESSED;
  TIOTIFFPhotometInterpret TIFF_PhotometInterpret = ioTIFF_RGB;
  std::int32_t TIFF_FillOrder = 1;
  std::int32_t TIFF_StripCount = 0;  // 0 = compute
  std::int32_t TIFF_NewSubfileType = 0;
  std::string TIFF_ImageDescription;
  std::string TIFF_DocumentName;
  std::string TIFF_PageName;
  std::int32_t TIFF_PageNumber = -1;
  std::int32_t TIFF_PageCount = -1;
  std::int32_t TIFF_XPos = 0;
  std::int32_t TIFF_YPos = 0;
  std::int32_t TIFF_ImageIndex = 0;

  // PDF writer
  TIOPDFCompression PDF_Compression = ioPDF_G4FAX;
  std::int32_t PDF_PaperWidth = 595;
  std::int32_t PDF_PaperHeight = 842;
  std::int32_t PDF_PageMargin = 0;
  std::string PDF_Title;
  std::string PDF_Author;
  std::string PDF_Subject;
  std::string PDF_Keywords;
  std::string PDF_Creator;
  std::string PDF_Producer;

  // JPEG coder
  std::int32_t JPEG_Quality = 80;
  TIOJPEGColorspace JPEG_ColorSpace = ioJPEG_YCbCr;
  TIOJPEGDCTMethod JPEG_DCTMethod = ioJPEG_ISLOW;
  TIOJPEGCromaSubsampling JPEG_CromaSubsampling = ioJPEG_HIGH;
  bool JPEG_OptimalHuffman = false;
  std::int32_t JPEG_Smooth = 0;
  bool JPEG_Progressive = false;
  std::vector<TJPEGMarker> JPEG_MarkerList;

  // Sets PDF_PaperWidth and PDF_PaperHeight from the named size; ppAuto and ppUnknown change nothing.
  void SetPDFPaperSize(TIOPDFPaperSize size);
  // The named size matching the current width and height (0 x 0 reads ppAuto), else ppUnknown.
  TIOPDFPaperSize PDFPaperSize() const;
};

}  // namespace quorvane
