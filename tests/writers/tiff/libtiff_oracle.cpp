#include "libtiff_oracle.h"

#include <gtest/gtest.h>
#include <tiffio.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace quorvane::testing {

namespace {

std::string& LastLibtiffError() {
  static std::string message;
  return message;
}

void CollectError(const char* module, const char* format, va_list args) {
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  LastLibtiffError() += std::string(module ? module : "") + ": " + text + "\n";
}

TDecodedPage DecodeDirectory(TIFF* tiff) {
  TDecodedPage page;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &page.width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &page.height);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &page.bitsPerSample);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &page.samplesPerPixel);
  TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &page.photometric);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &page.compression);
  page.hasPredictorTag = TIFFGetField(tiff, TIFFTAG_PREDICTOR, &page.predictor) == 1;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &page.rowsPerStrip);
  page.strips = TIFFNumberOfStrips(tiff);
  TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &page.xResolution);
  TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &page.yResolution);
  TIFFGetField(tiff, TIFFTAG_RESOLUTIONUNIT, &page.resolutionUnit);
  std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
  if (TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue) == 1) {
    const std::size_t entries = std::size_t{1} << page.bitsPerSample;
    page.colorMap.insert(page.colorMap.end(), red, red + entries);
    page.colorMap.insert(page.colorMap.end(), green, green + entries);
    page.colorMap.insert(page.colorMap.end(), blue, blue + entries);
  }
  std::vector<std::uint8_t> line(static_cast<std::size_t>(TIFFScanlineSize(tiff)));
  for (std::uint32_t y = 0; y < page.height; ++y) {
    if (TIFFReadScanline(tiff, line.data(), y, 0) != 1) break;
    page.rows.push_back(line);
  }
  return page;
}

}  // namespace

std::vector<TDecodedPage> DecodeFileWithLibtiff(const std::string& path) {
  LastLibtiffError().clear();
  TIFFSetErrorHandler(CollectError);
  TIFFSetWarningHandler(nullptr);  // T4Options beside Group 4 data is legal but unknown to its G4 codec
  std::vector<TDecodedPage> pages;
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (!tiff) {
    ADD_FAILURE() << "libtiff cannot open the file: " << LastLibtiffError();
    return pages;
  }
  do {
    pages.push_back(DecodeDirectory(tiff));
  } while (TIFFReadDirectory(tiff) == 1);
  TIFFClose(tiff);
  EXPECT_EQ(LastLibtiffError(), "");
  return pages;
}

std::vector<TDecodedPage> DecodeWithLibtiff(const std::vector<std::uint8_t>& bytes) {
  static int counter = 0;
  const auto path = std::filesystem::temp_directory_path() /
                    ("quorvane-tiff-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tif");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  auto pages = DecodeFileWithLibtiff(path.string());
  std::filesystem::remove(path);
  return pages;
}

}  // namespace quorvane::testing
