#include "writers/pdf/pdf_image_coding.h"

#include <cstring>

#include "writers/codecs/fax_encoder.h"
#include "writers/common/pixel_rows.h"
#include "writers/codecs/lzw_encoder.h"
#include "writers/pdf/jpeg_coder.h"
#include "writers/pdf/run_length_encoder.h"

namespace quorvane {

namespace {

void SetSampleLayout(TPDFStreamObject& image, const char* colorSpace, int bitsPerComponent) {
  image.dict.Add("ColorSpace", MakeName(colorSpace));
  image.dict.Add("BitsPerComponent", MakeInteger(bitsPerComponent));
}

// The rows' used bytes, back to back, in one buffer sized up front.
void CopyRows(const TPageBitmap& bitmap, std::vector<std::uint8_t>& out) {
  const std::size_t rowBytes = bitmap.UsedRowBytes();
  out.resize(rowBytes * static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(out.data() + rowBytes * static_cast<std::size_t>(y), bitmap.Row(y), rowBytes);
}

void CodeFax(const TPageBitmap& bitmap, codecs::FaxScheme scheme, TPDFStreamObject& image) {
  VectorSink sink(image.databuf);
  // Stored 0 bits are coded as white runs; with BlackIs1 the reader gets the
  // stored bits back and DeviceGray shows them as stored.
  codecs::FaxEncoder coder(sink, bitmap.Width(), scheme, codecs::FaxWhiteBit::Zero);
  for (int y = 0; y < bitmap.Height(); ++y) coder.EncodeRow(bitmap.Row(y));
  coder.Finish();
  while (image.databuf.size() % 4 != 0) image.databuf.push_back(0);

  auto parms = std::make_unique<TPDFDictionaryObject>();
  parms->Add("K", MakeInteger(scheme == codecs::FaxScheme::Group4 ? -1 : 1));
  parms->Add("BlackIs1", std::make_unique<TPDFBooleanObject>(true));
  parms->Add("Columns", MakeInteger(bitmap.Width()));
  parms->Add("Rows", MakeInteger(bitmap.Height()));
  parms->Add("EndOfLine", std::make_unique<TPDFBooleanObject>(false));
  parms->Add("Uncompressed", std::make_unique<TPDFBooleanObject>(true));
  parms->Add("EncodedByteAlign", std::make_unique<TPDFBooleanObject>(false));
  parms->Add("EndOfBlock", std::make_unique<TPDFBooleanObject>(false));
  image.dict.Add("Filter", MakeName("CCITTFaxDecode"));
  image.dict.Add("DecodeParms", std::move(parms));
}

template <typename RowSource>
void CodeLzw(const TPageBitmap& bitmap, std::size_t rowBytes, RowSource row, TPDFStreamObject& image) {
  VectorSink sink(image.databuf);
  codecs::LzwEncoder coder(sink);
  std::vector<std::uint8_t> buffer(rowBytes);
  for (int y = 0; y < bitmap.Height(); ++y) coder.Encode(row(y, buffer.data()), rowBytes);
  coder.Finish();
  image.dict.Add("Filter", MakeName("LZWDecode"));
}

}  // namespace

std::unique_ptr<TPDFStreamObject> CodeBilevelImage(const TPageBitmap& bitmap, TIOParams& params) {
  if (params.PDF_Compression == ioPDF_JPEG) params.PDF_Compression = ioPDF_G3FAX2D;
  auto image = std::make_unique<TPDFStreamObject>();
  const std::size_t rowBytes = bitmap.UsedRowBytes();
  switch (params.PDF_Compression) {
    case ioPDF_RLE: {
      VectorSink sink(image->databuf);
      RunLengthEncoder coder(sink);
      for (int y = 0; y < bitmap.Height(); ++y) coder.Encode(bitmap.Row(y), rowBytes);
      coder.Finish();
      auto filters = std::make_unique<TPDFArrayObject>();
      filters->Add(MakeName("RunLengthDecode"));
      image->dict.Add("Filter", std::move(filters));
      break;
    }
    case ioPDF_G4FAX: CodeFax(bitmap, codecs::FaxScheme::Group4, *image); break;
    case ioPDF_G3FAX2D: CodeFax(bitmap, codecs::FaxScheme::Group3TwoD, *image); break;
    case ioPDF_LZW:
      CodeLzw(bitmap, rowBytes, [&](int y, std::uint8_t*) { return bitmap.Row(y); }, *image);
      break;
    default: CopyRows(bitmap, image->databuf); break;
  }
  SetSampleLayout(*image, "DeviceGray", 1);
  return image;
}

std::unique_ptr<TPDFStreamObject> CodeColourImage(const TPageBitmap& bitmap, const TIOParams& params,
                                                  const TProgressRecord& progress) {
  auto image = std::make_unique<TPDFStreamObject>();
  const std::size_t rowBytes = 3 * static_cast<std::size_t>(bitmap.Width());
  if (params.PDF_Compression == ioPDF_JPEG) {
    VectorSink sink(image->databuf);
    EncodeJPEG(bitmap, params, sink, progress);
    image->dict.Add("Filter", MakeName("DCTDecode"));
    SetSampleLayout(*image, params.JPEG_ColorSpace == ioJPEG_GRAYLEV ? "DeviceGray" : "DeviceRGB", 8);
    return image;
  }
  // Only 24-bit pages take these codings.
  if (params.PDF_Compression == ioPDF_LZW) {
    CodeLzw(bitmap, rowBytes, [&](int y, std::uint8_t* buffer) { BgrToRgbRow(bitmap.Row(y), bitmap.Width(), buffer); return buffer; }, *image);
  } else {
    image->databuf.resize(rowBytes * static_cast<std::size_t>(bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
      BgrToRgbRow(bitmap.Row(y), bitmap.Width(), image->databuf.data() + rowBytes * static_cast<std::size_t>(y));
  }
  SetSampleLayout(*image, "DeviceRGB", 8);
  return image;
}

std::unique_ptr<TPDFStreamObject> MakeSoftMask(const TPageBitmap& bitmap) {
  auto mask = std::make_unique<TPDFStreamObject>();
  mask->dict.Add("Type", MakeName("XObject"));
  mask->dict.Add("Subtype", MakeName("Image"));
  SetSampleLayout(*mask, "DeviceGray", 8);
  mask->dict.Add("Width", MakeInteger(bitmap.Width()));
  mask->dict.Add("Height", MakeInteger(bitmap.Height()));
  const std::size_t rowBytes = static_cast<std::size_t>(bitmap.Width());
  mask->databuf.resize(rowBytes * static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(mask->databuf.data() + rowBytes * static_cast<std::size_t>(y), bitmap.AlphaRow(y), rowBytes);
  return mask;
}

}  // namespace quorvane
