#include "tiff_strips.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "writers/codecs/fax_encoder.h"
#include "writers/codecs/lzw_encoder.h"
#include "writers/tiff/tiff_row_formatter.h"

namespace quorvane {

namespace {

// FillOrder 2: the least significant bit of each byte comes first.
class BitReversingSink final : public ByteSink {
 public:
  explicit BitReversingSink(ByteSink& next) : next_(next) {}
  void Write(const std::uint8_t* data, std::size_t size) override {
    buffer_.resize(size);
    for (std::size_t i = 0; i < size; ++i) buffer_[i] = Reverse(data[i]);
    next_.Write(buffer_.data(), size);
  }
  using ByteSink::Write;

 private:
  static std::uint8_t Reverse(std::uint8_t b) {
    b = static_cast<std::uint8_t>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
    b = static_cast<std::uint8_t>((b & 0xCC) >> 2 | (b & 0x33) << 2);
    return static_cast<std::uint8_t>((b & 0xAA) >> 1 | (b & 0x55) << 1);
  }
  ByteSink& next_;
  std::vector<std::uint8_t> buffer_;
};

// Codes the rows of one strip; every strip is a code stream of its own.
class StripCoder {
 public:
  StripCoder(ByteSink& out, const TTIFFWriterContext& context, int width) : out_(out) {
    if (context.Compression == kTIFFCompressionGroup4) {
      if (context.FillOrder == 2) reversed_.emplace(out);
      // Rows enter as held in memory; the coder takes 1 as white, so no inverted copy is needed.
      fax_ = std::make_unique<codecs::FaxEncoder>(reversed_ ? static_cast<ByteSink&>(*reversed_) : out, width,
                                                  codecs::FaxScheme::Group4, codecs::FaxWhiteBit::One);
    } else if (context.Compression == kTIFFCompressionLzw) {
      lzw_ = std::make_unique<codecs::LzwEncoder>(out);
    }
  }

  void EncodeRow(const std::uint8_t* row, std::size_t size) {
    if (fax_)
      fax_->EncodeRow(row);
    else if (lzw_)
      lzw_->Encode(row, size);
    else
      out_.Write(row, size);
  }

  void Finish() {
    if (fax_) fax_->Finish();
    if (lzw_) lzw_->Finish();
  }

 private:
  ByteSink& out_;
  std::optional<BitReversingSink> reversed_;
  std::unique_ptr<codecs::FaxEncoder> fax_;
  std::unique_ptr<codecs::LzwEncoder> lzw_;
};

}  // namespace

TTIFFStripLayout ComputeTIFFStripLayout(int height, std::size_t memoryRowBytes, int requestedStrips) {
  std::uint64_t strips = requestedStrips > 0
                             ? static_cast<std::uint64_t>(requestedStrips)
                             : static_cast<std::uint64_t>(height) * memoryRowBytes / kTIFFStripTargetBytes;
  strips = std::clamp<std::uint64_t>(strips, 1, static_cast<std::uint64_t>(std::max(height, 1)));
  TTIFFStripLayout layout;
  layout.RowsPerStrip = static_cast<int>(static_cast<std::uint64_t>(height) / strips);
  layout.StripCount = height / layout.RowsPerStrip + (height % layout.RowsPerStrip != 0 ? 1 : 0);
  return layout;
}

void WriteTIFFStrips(TTIFFStream& stream, const TPageBitmap& image, TTIFFIFDWriter& ifd,
                     const TTIFFWriterContext& context) {
  // Pages written with more than one bit per pixel are cut as 24-bit images, whatever their output rows hold.
  const std::size_t memoryRowBytes =
      PaddedRowStride(image.Width(), context.Kind == TTIFFOutputKind::Bilevel ? 1 : 24);
  const TTIFFStripLayout layout =
      ComputeTIFFStripLayout(image.Height(), memoryRowBytes, context.RefParams->TIFF_StripCount);

  TTIFFRowFormatter rows(image, context);
  std::vector<std::uint32_t> offsets;
  std::vector<std::uint32_t> byteCounts;
  offsets.reserve(static_cast<std::size_t>(layout.StripCount));
  byteCounts.reserve(static_cast<std::size_t>(layout.StripCount));
  for (int first = 0; first < image.Height(); first += layout.RowsPerStrip) {
    const int last = std::min(image.Height(), first + layout.RowsPerStrip);
    const std::uint32_t start = stream.Offset();
    StripCoder coder(stream.Sink(), context, image.Width());
    for (int y = first; y < last; ++y) coder.EncodeRow(rows.Row(y), rows.RowBytes());
    coder.Finish();
    offsets.push_back(start);
    byteCounts.push_back(stream.Offset() - start);
  }

  ifd.WriteSingleLong(278, static_cast<std::uint32_t>(layout.RowsPerStrip));
  if (offsets.size() == 1) {
    ifd.WriteSingleLong(273, offsets.front());
    ifd.WriteSingleLong(279, byteCounts.front());
  } else {
    ifd.WriteMultiLongEx(273, offsets);
    ifd.WriteMultiLongEx(279, byteCounts);
  }
}

}  // namespace quorvane
