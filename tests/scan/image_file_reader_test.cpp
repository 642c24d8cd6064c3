#include <gtest/gtest.h>

#include <array>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "scan/image_file_reader.h"

namespace quorvane {
namespace {

class ImageFileReader : public ::testing::Test {
 protected:
  QString Save(const QImage& image, const QString& name) {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path)) << name.toStdString();
    return path;
  }
  QTemporaryDir dir_;
};

QImage Filled(QImage::Format format, QRgb colour) {
  QImage image(3, 2, format);
  image.fill(colour);
  return image;
}

// (R × 21 + G × 71 + B × 8) div 100 below 124 is black.
TEST_F(ImageFileReader, BlackAndWhiteCutsAtLuminance124) {
  struct Case {
    QRgb colour;
    bool white;
  };
  const Case cases[] = {
      {qRgb(123, 123, 123), false}, {qRgb(124, 124, 124), true},
      {qRgb(255, 99, 0), false},    {qRgb(255, 100, 0), true},  // 123.84 and 124.55 before the div
      {qRgb(0, 0, 255), false},     {qRgb(255, 255, 255), true},
  };
  for (const Case& c : cases) {
    const TPage page = ReadImageFile(Save(Filled(QImage::Format_RGB32, c.colour), "t.png"), TColourMode::BlackWhite);
    ASSERT_EQ(page.Bitmap.PixelFormat(), pf1Bit);
    EXPECT_EQ(page.Bitmap.IsWhite(2, 1), c.white) << std::hex << c.colour;
    EXPECT_EQ(page.Params.BitsPerSample, 1);
    EXPECT_EQ(page.Params.SamplesPerPixel, 1);
  }
}

TEST_F(ImageFileReader, ModesDeliverWhatAScannerDelivers) {
  const QString path = Save(Filled(QImage::Format_RGB32, qRgb(200, 100, 50)), "colour.ppm");

  const TPage colour = ReadImageFile(path, TColourMode::Colour);
  ASSERT_EQ(colour.Bitmap.PixelFormat(), pf24RGB);
  const std::uint8_t* bgr = colour.Bitmap.Row(1) + 3 * 2;
  EXPECT_EQ((std::array<int, 3>{bgr[0], bgr[1], bgr[2]}), (std::array<int, 3>{50, 100, 200}));
  EXPECT_EQ(colour.Params.BitsPerSample, 8);
  EXPECT_EQ(colour.Params.SamplesPerPixel, 3);

  const TPage grey = ReadImageFile(path, TColourMode::Grey);
  ASSERT_EQ(grey.Bitmap.PixelFormat(), pf24RGB);
  const std::uint8_t* g = grey.Bitmap.Row(0);
  EXPECT_EQ(g[0], (200 * 21 + 100 * 71 + 50 * 8) / 100);
  EXPECT_EQ(g[0], g[1]);
  EXPECT_EQ(g[1], g[2]);
  EXPECT_EQ(grey.Params.BitsPerSample, 8);
  EXPECT_EQ(grey.Params.SamplesPerPixel, 1);
}

TEST_F(ImageFileReader, WithoutAModeTheImageKindDecides) {
  QImage drawn = Filled(QImage::Format_RGB32, qRgb(255, 255, 255));
  drawn.setPixel(1, 1, qRgb(0, 0, 0));
  const TPage bw = ReadImageFile(Save(drawn.convertToFormat(QImage::Format_Mono), "page.pbm"));
  EXPECT_EQ(bw.Bitmap.PixelFormat(), pf1Bit);
  EXPECT_EQ(bw.Params.BitsPerSample, 1);
  EXPECT_FALSE(bw.Bitmap.IsWhite(1, 1));
  EXPECT_TRUE(bw.Bitmap.IsWhite(0, 1));

  const TPage grey = ReadImageFile(Save(Filled(QImage::Format_Grayscale8, qRgb(77, 77, 77)), "page.pgm"));
  EXPECT_EQ(grey.Params.SamplesPerPixel, 1);
  EXPECT_EQ(grey.Bitmap.Row(0)[0], 77);

  const TPage colour = ReadImageFile(Save(Filled(QImage::Format_RGB32, qRgb(1, 2, 3)), "page.bmp"));
  EXPECT_EQ(colour.Params.SamplesPerPixel, 3);
}

TEST_F(ImageFileReader, TransparentPixelsLieOnWhitePaper) {
  const TPage page = ReadImageFile(Save(Filled(QImage::Format_ARGB32, qRgba(0, 0, 0, 0)), "clear.png"),
                                   TColourMode::BlackWhite);
  EXPECT_TRUE(page.Bitmap.IsWhite(0, 0));
}

TEST_F(ImageFileReader, ResolutionIsTheFilesOwnElse300) {
  QImage image = Filled(QImage::Format_RGB32, qRgb(9, 9, 9));
  image.setDotsPerMeterX(7874);  // 200 dpi
  image.setDotsPerMeterY(3937);  // 100 dpi
  for (const char* name : {"r.png", "r.tif", "r.jpg"}) {
    const TPage page = ReadImageFile(Save(image, name));
    EXPECT_EQ(page.Params.DpiX, 200) << name;
    EXPECT_EQ(page.Params.DpiY, 100) << name;
  }
  // Files that state no resolution, and one that states Qt's own default density.
  const TPage ppm = ReadImageFile(Save(image, "r.ppm"));
  EXPECT_EQ(ppm.Params.DpiX, 300);
  EXPECT_EQ(ppm.Params.DpiY, 300);
  QImage screenshot = Filled(QImage::Format_RGB32, qRgb(9, 9, 9));
  screenshot.setDotsPerMeterX(QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX());
  screenshot.setDotsPerMeterY(QImage(1, 1, QImage::Format_RGB32).dotsPerMeterY());
  const TPage stated = ReadImageFile(Save(screenshot, "s.png"));
  EXPECT_EQ(stated.Params.DpiX, qRound(screenshot.dotsPerMeterX() * 0.0254));
}

TEST_F(ImageFileReader, UnreadableFileIsAClearError) {
  const QString path = dir_.filePath("broken.png");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not an image");
  file.close();
  try {
    ReadImageFile(path);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("broken.png"), std::string::npos) << error.what();
  }
  EXPECT_THROW(ReadImageFile(dir_.filePath("missing.png")), std::runtime_error);
}

}  // namespace
}  // namespace quorvane
