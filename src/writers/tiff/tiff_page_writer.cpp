#include "tiff_page_writer.h"

#include <algorithm>
#include <array>

#include "writers/tiff/tiff_ifd_writer.h"
#include "writers/tiff/tiff_stream.h"
#include "writers/tiff/tiff_strips.h"
#include "writers/tiff/tiff_writer_context.h"

namespace quorvane {

namespace {

// Where a new directory is linked in: the pointer to overwrite and the offset it held.
struct TLinkPoint {
  std::uint32_t pointerOffset = 4;
  std::uint32_t oldValue = 0;
};

void CheckHeader(TTIFFStream& stream) {
  stream.SeekOffset(0);
  std::uint8_t order[2] = {0, 0};
  if (stream.Sink().Read(order, 2) != 2 || order[0] != 'I' || order[1] != 'I' || stream.ReadU16() != 42)
    throw TTIFFError("cannot append a page: the stream does not hold a little-endian TIFF");
}

// Follows the directory chain up to directory number imageIndex, or to its end.
TLinkPoint FindLinkPoint(TTIFFStream& stream, int imageIndex) {
  const std::uint64_t size = stream.Sink().Size();
  TLinkPoint link;
  for (int i = 0;; ++i) {
    stream.SeekOffset(link.pointerOffset);
    link.oldValue = stream.ReadU32();
    if (i == imageIndex || link.oldValue == 0) return link;
    // A chain that points outside the file or runs longer than the file
    // could hold directories is damaged; stop instead of looping.
    if (link.oldValue + std::uint64_t{2} > size || static_cast<std::uint64_t>(i) > size / 14)
      throw TTIFFError("cannot append a page: the TIFF's directory chain is damaged");
    stream.SeekOffset(link.oldValue);
    const std::uint16_t count = stream.ReadU16();
    link.pointerOffset = link.oldValue + 2 + 12u * count;
  }
}

void WriteColorMap(TTIFFIFDWriter& ifd, const TTIFFPixelMapper& mapper) {
  // 256 reds, then greens, then blues, 16 bits each.
  std::array<std::uint16_t, 3 * 256> values{};
  const auto& palette = mapper.Palette();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    for (std::size_t c = 0; c < 3; ++c) values[c * 256 + i] = static_cast<std::uint16_t>(palette[i][c] * 257);
  }
  ifd.WriteMultiShort(320, values);
}

// Entries and their out-of-line values in the order the file holds them.
void WritePageData(TTIFFStream& stream, TTIFFIFDWriter& ifd, const TPageBitmap& image, const TIOParams& params,
                   const TTIFFWriterContext& context) {
  const bool group4 = context.Compression == kTIFFCompressionGroup4;
  ifd.WriteString(270, params.TIFF_ImageDescription);
  ifd.WriteSingleRational(282, params.DpiX);
  ifd.WriteSingleRational(283, params.DpiY);
  ifd.WriteSingleShort(296, 2);
  ifd.WriteSingleLong(256, static_cast<std::uint32_t>(image.Width()));
  ifd.WriteSingleLong(257, static_cast<std::uint32_t>(image.Height()));
  if (context.SamplesPerPixel == 3) {
    const std::array<std::uint16_t, 3> bits{8, 8, 8};
    ifd.WriteMultiShort(258, bits);
  } else {
    ifd.WriteSingleShort(258, static_cast<std::uint16_t>(context.BitsPerSample));
  }
  ifd.WriteSingleShort(259, static_cast<std::uint16_t>(context.Compression));
  ifd.WriteSingleShort(262, context.Photomet);
  if (context.Kind == TTIFFOutputKind::Palette) WriteColorMap(ifd, *context.qt);
  ifd.WriteString(269, params.TIFF_DocumentName);
  if (group4) {
    ifd.WriteSingleShort(266, static_cast<std::uint16_t>(context.FillOrder));
    ifd.WriteSingleShort(284, 1);
    ifd.WriteSingleShort(327, 0);
  }
  WriteTIFFStrips(stream, image, ifd, context);
  ifd.WriteSingleShort(277, static_cast<std::uint16_t>(context.SamplesPerPixel));
  if (context.Predictor == 2) ifd.WriteSingleShort(317, 2);
  ifd.WriteString(285, params.TIFF_PageName);
  if (params.TIFF_XPos != 0) ifd.WriteSingleRational(286, params.TIFF_XPos);
  if (params.TIFF_YPos != 0) ifd.WriteSingleRational(287, params.TIFF_YPos);
  if (group4) {
    ifd.WriteSingleLong(292, context.T4Options);
    ifd.WriteSingleLong(293, 0);
  }
  ifd.WriteSingleLong(254, static_cast<std::uint32_t>(params.TIFF_NewSubfileType));
  if (params.TIFF_PageNumber >= 0 || params.TIFF_PageCount >= 0) {
    const std::array<std::uint16_t, 2> pageNumber{static_cast<std::uint16_t>(std::max(params.TIFF_PageNumber, 0)),
                                                  static_cast<std::uint16_t>(std::max(params.TIFF_PageCount, 0))};
    ifd.WriteMultiShort(297, pageNumber);
  }
}

}  // namespace

void WriteTIFFPage(SeekableSink& sink, bool append, const TPageBitmap& image, const TIOParams& params) {
  const TTIFFWriterContext context = MakeTIFFWriterContext(image, params);
  TTIFFStream stream(sink, sink.Position());
  TLinkPoint link;
  if (append) {
    CheckHeader(stream);
    link = FindLinkPoint(stream, params.TIFF_ImageIndex);
    stream.SeekEnd();
  } else {
    const std::array<std::uint8_t, 8> placeholder{};
    stream.Write(placeholder.data(), placeholder.size());
  }

  TTIFFIFDWriter ifd(stream);
  WritePageData(stream, ifd, image, params, context);

  stream.PadToEven();
  const std::uint32_t directory = stream.Offset();
  if (append) {
    stream.SeekOffset(link.pointerOffset);
    stream.WriteU32(directory);
  } else {
    stream.SeekOffset(0);
    const std::uint8_t order[2] = {'I', 'I'};
    stream.Write(order, 2);
    stream.WriteU16(42);
    stream.WriteU32(directory);
  }
  stream.SeekOffset(directory);
  ifd.WriteDirectory(link.oldValue);
}

}  // namespace quorvane
