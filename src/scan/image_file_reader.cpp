#include "image_file_reader.h"

#include <QImage>
#include <QImageReader>

#include <stdexcept>

#include "scan/image_resolution_probe.h"
#include "writers/common/luminance.h"
#include "writers/common/pixel_rows.h"

namespace quorvane {

namespace {

TColourMode OwnMode(const QImage& image) {
  if (image.depth() == 1) return TColourMode::BlackWhite;
  if (image.isGrayscale()) return TColourMode::Grey;
  return TColourMode::Colour;
}

int Dpi(int dotsPerMeter) {
  if (dotsPerMeter <= 0) return kImageFileDefaultDpi;
  return qRound(dotsPerMeter * 0.0254);
}

TPage Convert(const QImage& source, TColourMode mode) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  TPage page;
  page.Bitmap = TPageBitmap(image.width(), image.height(), mode == TColourMode::BlackWhite ? pf1Bit : pf24RGB);
  page.Params.BitsPerSample = mode == TColourMode::BlackWhite ? 1 : 8;
  page.Params.SamplesPerPixel = mode == TColourMode::Colour ? 3 : 1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* out = page.Bitmap.Row(y);
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      const int r = OverWhite(qRed(line[x]), alpha);
      const int g = OverWhite(qGreen(line[x]), alpha);
      const int b = OverWhite(qBlue(line[x]), alpha);
      switch (mode) {
        case TColourMode::BlackWhite:
          page.Bitmap.SetWhite(x, y, IsWhiteLuminance(r, g, b));
          break;
        case TColourMode::Grey:
          out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = static_cast<std::uint8_t>(Luminance(r, g, b));
          break;
        case TColourMode::Colour:
          out[3 * x] = static_cast<std::uint8_t>(b);
          out[3 * x + 1] = static_cast<std::uint8_t>(g);
          out[3 * x + 2] = static_cast<std::uint8_t>(r);
          break;
      }
    }
  }
  return page;
}

}  // namespace

TPage ReadImageFile(const QString& path, std::optional<TColourMode> mode) {
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QByteArray format = reader.format();  // forgotten once read
  const QImage image = reader.read();
  if (image.isNull())
    throw std::runtime_error(("cannot read image \"" + path + "\": " + reader.errorString()).toStdString());
  TPage page = Convert(image, mode.value_or(OwnMode(image)));
  if (FileRecordsResolution(path, format)) {
    page.Params.DpiX = Dpi(image.dotsPerMeterX());
    page.Params.DpiY = Dpi(image.dotsPerMeterY());
  } else {
    page.Params.DpiX = page.Params.DpiY = kImageFileDefaultDpi;
  }
  return page;
}

}  // namespace quorvane
