#include "memory_tiff.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace quorvane::codecs::fixtures {

namespace {

struct MemoryFile {
  std::vector<std::uint8_t>& bytes;
  toff_t position = 0;
  bool discard = false;  // count the bytes written, keep none
  toff_t size = 0;
};

MemoryFile& FileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  const toff_t available = file.position < file.bytes.size() ? file.bytes.size() - file.position : 0;
  const auto count = static_cast<tmsize_t>(std::min<toff_t>(available, static_cast<toff_t>(size)));
  if (count > 0) std::memcpy(buffer, file.bytes.data() + file.position, static_cast<std::size_t>(count));
  file.position += static_cast<toff_t>(count);
  return count;
}

tmsize_t WriteProc(thandle_t handle, void* buffer, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  const toff_t end = file.position + static_cast<toff_t>(size);
  file.size = std::max(file.size, end);
  if (!file.discard) {
    if (end > file.bytes.size()) file.bytes.resize(end);
    std::memcpy(file.bytes.data() + file.position, buffer, static_cast<std::size_t>(size));
  }
  file.position = end;
  return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  MemoryFile& file = FileOf(handle);
  if (whence == SEEK_CUR) offset += file.position;
  if (whence == SEEK_END) offset += file.size;
  file.position = offset;
  return offset;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return FileOf(handle).size; }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

thread_local std::string lastError;

void RecordError(const char* module, const char* format, va_list args) {
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  lastError = std::string(module ? module : "libtiff") + ": " + text;
}

struct Quiet {
  Quiet() {
    TIFFSetErrorHandler(RecordError);
    TIFFSetWarningHandler(nullptr);
  }
};

TIFF* Open(MemoryFile& file, const char* mode) {
  static const Quiet quiet;
  lastError.clear();
  TIFF* tiff =
      TIFFClientOpen("memory", mode, &file, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc, UnmapProc);
  if (tiff == nullptr) throw std::runtime_error("libtiff cannot open: " + lastError);
  return tiff;
}

void SetLayout(TIFF* tiff, const TiffLayout& layout) {
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(layout.width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(layout.height));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, static_cast<std::uint16_t>(layout.bitsPerSample));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, static_cast<std::uint16_t>(layout.samplesPerPixel));
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, layout.photometric);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, layout.compression);
  TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<std::uint32_t>(layout.height));
  if (layout.compression == COMPRESSION_CCITTFAX3) TIFFSetField(tiff, TIFFTAG_GROUP3OPTIONS, layout.t4Options);
  if (layout.predictor != 1) TIFFSetField(tiff, TIFFTAG_PREDICTOR, layout.predictor);
}

}  // namespace

std::vector<std::uint8_t> WrapCoded(const TiffLayout& layout, const std::vector<std::uint8_t>& coded) {
  std::vector<std::uint8_t> bytes;
  MemoryFile file{bytes};
  TIFF* tiff = Open(file, "w");
  SetLayout(tiff, layout);
  const bool written =
      TIFFWriteRawStrip(tiff, 0, const_cast<std::uint8_t*>(coded.data()), static_cast<tmsize_t>(coded.size())) >= 0 &&
      TIFFWriteDirectory(tiff) == 1;
  TIFFClose(tiff);
  if (!written) throw std::runtime_error("libtiff cannot write: " + lastError);
  return bytes;
}

Decoded TryDecodeRows(const std::vector<std::uint8_t>& fileBytes) {
  std::vector<std::uint8_t> bytes = fileBytes;
  MemoryFile file{bytes, 0, false, bytes.size()};
  TIFF* tiff = Open(file, "r");
  Decoded decoded;
  decoded.rows.resize(static_cast<std::size_t>(TIFFStripSize(tiff)));
  const tmsize_t read = TIFFReadEncodedStrip(tiff, 0, decoded.rows.data(), static_cast<tmsize_t>(decoded.rows.size()));
  TIFFClose(tiff);
  decoded.error = lastError;
  if (read != static_cast<tmsize_t>(decoded.rows.size()) && decoded.error.empty()) decoded.error = "short strip";
  return decoded;
}

std::vector<std::uint8_t> DecodeRows(const std::vector<std::uint8_t>& file) {
  Decoded decoded = TryDecodeRows(file);
  if (!decoded.error.empty()) throw std::runtime_error("libtiff cannot decode: " + decoded.error);
  return std::move(decoded.rows);
}

std::size_t EncodeWithLibtiff(const TiffLayout& layout, std::uint8_t* rows) {
  std::vector<std::uint8_t> bytes;
  MemoryFile file{bytes, 0, true};
  TIFF* tiff = Open(file, "w");
  SetLayout(tiff, layout);
  const auto size = static_cast<tmsize_t>(layout.RowBytes() * static_cast<std::size_t>(layout.height));
  const bool written = TIFFWriteEncodedStrip(tiff, 0, rows, size) >= 0 && TIFFWriteDirectory(tiff) == 1;
  TIFFClose(tiff);
  if (!written) throw std::runtime_error("libtiff cannot code: " + lastError);
  return file.size;
}

}  // namespace quorvane::codecs::fixtures
