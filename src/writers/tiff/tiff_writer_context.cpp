#include "tiff_writer_context.h"

#include <string>

#include "writers/tiff/tiff_stream.h"

namespace quorvane {

namespace {

TTIFFOutputKind OutputKind(const TPageBitmap& image, const TIOParams& params) {
  if (params.BitsPerSample == 1) {
    if (image.PixelFormat() != pf1Bit)
      throw TTIFFError("a 1-bit page was requested for a colour image; reduce it to black and white first");
    return TTIFFOutputKind::Bilevel;
  }
  if (params.SamplesPerPixel == 1) return TTIFFOutputKind::Grey;  // palette decided by the grey test
  return TTIFFOutputKind::Rgb;
}

std::uint32_t CompressionTag(TIOTIFFCompression compression, TTIFFOutputKind kind) {
  switch (compression) {
    case ioTIFF_UNCOMPRESSED:
    case ioTIFF_UNKNOWN:
      return kTIFFCompressionNone;
    case ioTIFF_LZW:
      return kTIFFCompressionLzw;
    case ioTIFF_G4FAX:
      if (kind != TTIFFOutputKind::Bilevel)
        throw TTIFFError("Group 4 coding needs a black-and-white page");
      return kTIFFCompressionGroup4;
    default:
      throw TTIFFError("TIFF compression " + std::to_string(static_cast<int>(compression)) + " is not supported");
  }
}

}  // namespace

TTIFFWriterContext MakeTIFFWriterContext(const TPageBitmap& image, const TIOParams& params) {
  if (image.IsEmpty()) throw TTIFFError("a page without pixels cannot be written as TIFF");
  TTIFFWriterContext context;
  context.RefParams = &params;
  context.Kind = OutputKind(image, params);
  context.Compression = CompressionTag(params.TIFF_Compression, context.Kind);
  if (context.Kind == TTIFFOutputKind::Grey && image.PixelFormat() == pf24RGB) {
    context.qt.emplace(image.View());
    if (!context.qt->IsGrey()) context.Kind = TTIFFOutputKind::Palette;
  }
  switch (context.Kind) {
    case TTIFFOutputKind::Bilevel:
      context.BitsPerSample = 1;
      context.SamplesPerPixel = 1;
      // Group 4 codes black as 1, so the data reads as WhiteIsZero.
      context.Photomet = context.Compression == kTIFFCompressionGroup4 ? 0 : 1;
      context.FillOrder = params.TIFF_FillOrder == 2 ? 2 : 1;
      break;
    case TTIFFOutputKind::Grey:
      context.SamplesPerPixel = 1;
      context.Photomet = 1;
      break;
    case TTIFFOutputKind::Palette:
      context.SamplesPerPixel = 1;
      context.Photomet = 3;
      break;
    case TTIFFOutputKind::Rgb:
      context.SamplesPerPixel = 3;
      context.Photomet = 2;
      break;
  }
  // Differencing pays only on 8-bit RGB; grey and palette LZW pages go without.
  if (context.Compression == kTIFFCompressionLzw && context.Kind == TTIFFOutputKind::Rgb) context.Predictor = 2;
  return context;
}

}  // namespace quorvane
