// Frames of every shape the reader accepts, through a fake device that splits
// rows between reads: byte order, depths, line art, unknown and short heights.
#include <gtest/gtest.h>

#include "fake_device.h"
#include "scan/acquisition/frame_reader.h"

namespace quorvane {
namespace {

using testing::TFakeDevice;

TPage Read(TFakeDevice& device) {
  std::vector<std::uint8_t> staging;
  device.Start();
  return ReadFrame(device, 150, 100, staging);
}

struct FrameCase {
  SANE_Frame Format;
  int Depth;
  int BitsPerSample, SamplesPerPixel;
};

class FrameReader : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameReader, PixelsArriveAsThePageStoresThem) {
  const FrameCase c = GetParam();
  TFakeDevice device;
  device.Width = 37;
  device.Height = 23;
  device.Format = c.Format;
  device.Depth = c.Depth;
  device.ReadLimit = 7;
  const TPage page = Read(device);

  ASSERT_EQ(page.Bitmap.Width(), 37);
  ASSERT_EQ(page.Bitmap.Height(), 23);
  EXPECT_EQ(page.Params.BitsPerSample, c.BitsPerSample);
  EXPECT_EQ(page.Params.SamplesPerPixel, c.SamplesPerPixel);
  EXPECT_EQ(page.Params.DpiX, 150);
  EXPECT_EQ(page.Params.DpiY, 100);
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 37; ++x) {
      if (c.Depth == 1) {
        // SANE's 1 is black; the page's 1 is white.
        ASSERT_EQ(page.Bitmap.IsWhite(x, y), (x + y) % 2 == 0) << x << "," << y;
        continue;
      }
      const std::uint8_t* bgr = page.Bitmap.Row(y) + 3 * x;
      const int channels = c.Format == SANE_FRAME_RGB ? 3 : 1;
      for (int i = 0; i < 3; ++i) {
        const int deviceChannel = channels == 1 ? 0 : 2 - i;  // the page keeps blue, green, red
        ASSERT_EQ(bgr[i], TFakeDevice::SampleAt(x, y, deviceChannel, c.Format)) << x << "," << y << "," << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FrameReader,
                         ::testing::Values(FrameCase{SANE_FRAME_GRAY, 1, 1, 1}, FrameCase{SANE_FRAME_GRAY, 8, 8, 1},
                                           FrameCase{SANE_FRAME_GRAY, 16, 8, 1}, FrameCase{SANE_FRAME_RGB, 8, 8, 3},
                                           FrameCase{SANE_FRAME_RGB, 16, 8, 3}));

TEST(FrameReaderHeight, UnknownHeightGrowsWithTheRows) {
  TFakeDevice device;
  device.HeightAnnounced = false;
  device.Height = 200;
  device.ReadLimit = 1000;
  const TPage page = Read(device);
  EXPECT_EQ(page.Bitmap.Height(), 200);
  EXPECT_EQ(page.Bitmap.Row(199)[0], TFakeDevice::SampleAt(0, 199, 0, SANE_FRAME_GRAY));
}

TEST(FrameReaderHeight, FrameEndingEarlyKeepsTheRowsThatArrived) {
  TFakeDevice device;
  device.Height = 50;
  device.RowsDelivered = 30;
  EXPECT_EQ(Read(device).Bitmap.Height(), 30);
}

TEST(FrameReaderHeight, FrameWithoutRowsIsAnError) {
  TFakeDevice device;
  device.RowsDelivered = 0;
  try {
    Read(device);
    FAIL() << "an empty frame is no page";
  } catch (const TDeviceStatusError& error) {
    EXPECT_EQ(error.Status(), SANE_STATUS_IO_ERROR);
  }
}

}  // namespace
}  // namespace quorvane
