#include "writers/pdf/jpeg_coder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "writers/common/pixel_rows.h"

namespace quorvane {

namespace {

constexpr std::size_t kOutputBlock = 64 * 1024;
constexpr int kAPP14 = JPEG_APP0 + 14;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

struct Destination {
  jpeg_destination_mgr base;
  ByteSink* sink;
  JOCTET buffer[kOutputBlock];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->message);
  std::longjmp(errors->jump, 1);
}

void InitDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
  dest->base.next_output_byte = dest->buffer;
  dest->base.free_in_buffer = kOutputBlock;
}

// Called from inside libjpeg: exceptions must not cross it, so a failed
// write becomes a libjpeg error.
bool Deliver(j_compress_ptr cinfo, std::size_t size) {
  auto* dest = reinterpret_cast<Destination*>(cinfo->dest);
  try {
    dest->sink->Write(dest->buffer, size);
  } catch (...) {
    return false;
  }
  dest->base.next_output_byte = dest->buffer;
  dest->base.free_in_buffer = kOutputBlock;
  return true;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  if (!Deliver(cinfo, kOutputBlock)) ERREXIT(cinfo, JERR_FILE_WRITE);
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  if (!Deliver(cinfo, kOutputBlock - cinfo->dest->free_in_buffer)) ERREXIT(cinfo, JERR_FILE_WRITE);
}

// One stored row as red, green, blue, composited onto white where there is alpha.
void RowToRGB(const TPageBitmap& bitmap, int y, JSAMPLE* rgb) {
  const std::uint8_t* row = bitmap.Row(y);
  const int width = bitmap.Width();
  if (bitmap.PixelFormat() == pf1Bit) {
    SpreadBitRow(row, width, 3, rgb);
    return;
  }
  BgrToRgbRow(row, width, rgb);
  if (!bitmap.HasAlpha()) return;
  const std::uint8_t* alpha = bitmap.AlphaRow(y);
  for (int x = 0; x < width; ++x) {
    for (int c = 0; c < 3; ++c) {
      JSAMPLE& v = rgb[3 * x + c];
      v = OverWhite(v, alpha[x]);
    }
  }
}

J_COLOR_SPACE OutputColorSpace(TIOJPEGColorspace space) {
  switch (space) {
    case ioJPEG_RGB: return JCS_RGB;
    case ioJPEG_GRAYLEV: return JCS_GRAYSCALE;
    default: return JCS_YCbCr;
  }
}

J_DCT_METHOD DctMethod(TIOJPEGDCTMethod method) {
  switch (method) {
    case ioJPEG_IFAST: return JDCT_IFAST;
    case ioJPEG_FLOAT: return JDCT_FLOAT;
    default: return JDCT_ISLOW;
  }
}

void Configure(jpeg_compress_struct& cinfo, const TIOParams& params) {
  jpeg_set_defaults(&cinfo);
  const J_COLOR_SPACE space = OutputColorSpace(params.JPEG_ColorSpace);
  jpeg_set_colorspace(&cinfo, space);
  jpeg_set_quality(&cinfo, std::clamp(params.JPEG_Quality, 1, 100), TRUE);
  cinfo.optimize_coding = params.JPEG_OptimalHuffman ? TRUE : FALSE;
  cinfo.dct_method = DctMethod(params.JPEG_DCTMethod);
  cinfo.smoothing_factor = std::clamp(params.JPEG_Smooth, 0, 100);
  if (space == JCS_YCbCr) {
    const int h = params.JPEG_CromaSubsampling == ioJPEG_NONE ? 1 : 2;
    const int v = params.JPEG_CromaSubsampling == ioJPEG_HIGH ? 2 : 1;
    cinfo.comp_info[0].h_samp_factor = h;
    cinfo.comp_info[0].v_samp_factor = v;
    for (int c = 1; c < 3; ++c) cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  }
  cinfo.write_JFIF_header = TRUE;
  cinfo.density_unit = 1;  // dots per inch
  cinfo.X_density = static_cast<UINT16>(std::clamp(params.DpiX == 0 ? 300 : params.DpiX, 1, 65535));
  cinfo.Y_density = static_cast<UINT16>(std::clamp(params.DpiY == 0 ? 300 : params.DpiY, 1, 65535));
  if (params.JPEG_Progressive) jpeg_simple_progression(&cinfo);
}

}  // namespace

void EncodeJPEG(const TPageBitmap& bitmap, const TIOParams& params, ByteSink& out,
                const TProgressRecord& progress) {
  for (const TJPEGMarker& marker : params.JPEG_MarkerList) {
    if (marker.data.size() > 65533) throw std::runtime_error("JPEG marker longer than 65533 bytes");
  }
  // Everything with a destructor lives before setjmp: a libjpeg error jumps back here.
  std::vector<JSAMPLE> row(static_cast<std::size_t>(bitmap.Width()) * 3);
  auto dest = std::make_unique<Destination>();
  dest->sink = &out;
  dest->base.init_destination = InitDestination;
  dest->base.empty_output_buffer = EmptyOutputBuffer;
  dest->base.term_destination = TermDestination;
  jpeg_compress_struct cinfo{};
  ErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_compress(&cinfo);
    throw std::runtime_error(std::string("JPEG coding failed: ") + errors.message);
  }
  try {
    jpeg_create_compress(&cinfo);
    cinfo.dest = &dest->base;
    cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
    cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    Configure(cinfo, params);
    jpeg_start_compress(&cinfo, TRUE);
    for (const TJPEGMarker& marker : params.JPEG_MarkerList) {
      if (marker.code == kAPP14) continue;  // libjpeg writes its own Adobe marker when one is needed
      jpeg_write_marker(&cinfo, marker.code, marker.data.data(), static_cast<unsigned>(marker.data.size()));
    }
    const int height = bitmap.Height();
    for (int y = 0; y < height; ++y) {
      RowToRGB(bitmap, y, row.data());
      JSAMPROW rows[1] = {row.data()};
      jpeg_write_scanlines(&cinfo, rows, 1);
      progress.Report(static_cast<int>(static_cast<long long>(y + 1) * 100 / height));
    }
    jpeg_finish_compress(&cinfo);
  } catch (...) {  // from the progress handler
    jpeg_destroy_compress(&cinfo);
    throw;
  }
  jpeg_destroy_compress(&cinfo);
}

}  // namespace quorvane
