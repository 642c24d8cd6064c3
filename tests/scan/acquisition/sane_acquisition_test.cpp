// The test backend as a real scanner: feeder runs, modes, resolutions, scan
// areas, the empty feeder and the error statuses it can be told to answer.
#include <gtest/gtest.h>

#include <cmath>

#include "test_scanner.h"

namespace quorvane {
namespace {

using testing::AcquireAll;
using testing::OpenTestScanner;
using testing::SetOption;

constexpr int kFeederSheets = 10;  // the test backend's feeder holds ten sheets

int Pixels(double mm, int dpi) { return static_cast<int>(mm / 25.4 * dpi); }

TScanSettings Settings(int farbe, int dpi, int inputSize) {
  TScanSettings settings;
  settings.Farbe = farbe;
  settings.DPI = dpi;
  settings.InputSize = inputSize;
  return settings;
}

// A small area keeps the runs fast where the size does not matter.
std::unique_ptr<TDeviceSource> SmallAreaScanner() {
  auto source = OpenTestScanner();
  SetOption(*source, "br-x", 20.0);
  SetOption(*source, "br-y", 15.0);
  return source;
}

struct ModeCase {
  int Farbe;
  TPagePixelFormat Format;
  int BitsPerSample;
  int SamplesPerPixel;
};

class FeederRunInMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(FeederRunInMode, DeliversEverySheetInThePagesFormat) {
  const ModeCase mode = GetParam();
  auto source = SmallAreaScanner();
  SetOption(*source, "test-picture", QStringLiteral("Grid"));
  source->Prepare(Settings(mode.Farbe, 100, 2));

  const testing::TAcquired run = AcquireAll(*source);

  EXPECT_FALSE(run.Outcome.Interrupted.has_value());
  EXPECT_EQ(run.Outcome.PageCount, kFeederSheets);
  ASSERT_EQ(run.Pages.size(), static_cast<std::size_t>(kFeederSheets));
  for (const TPage& page : run.Pages) {
    EXPECT_EQ(page.Bitmap.PixelFormat(), mode.Format);
    EXPECT_EQ(page.Params.BitsPerSample, mode.BitsPerSample);
    EXPECT_EQ(page.Params.SamplesPerPixel, mode.SamplesPerPixel);
    EXPECT_EQ(page.Params.DpiX, 100);
    EXPECT_EQ(page.Params.DpiY, 100);
    EXPECT_NEAR(page.Bitmap.Width(), Pixels(20, 100), 1);
    EXPECT_NEAR(page.Bitmap.Height(), Pixels(15, 100), 1);
  }
  // The grid's lines are black, the squares white: both must arrive the right way round.
  const TPageBitmap& page = run.Pages.front().Bitmap;
  const TPageBitmap rgb = page.ToRGB24();
  bool black = false, white = false, equalGrey = true;
  for (int y = 0; y < rgb.Height(); ++y) {
    const std::uint8_t* row = rgb.Row(y);
    for (int x = 0; x < rgb.Width(); ++x) {
      black |= row[3 * x] == 0;
      white |= row[3 * x] == 255;
      equalGrey &= row[3 * x] == row[3 * x + 1] && row[3 * x + 1] == row[3 * x + 2];
    }
  }
  EXPECT_TRUE(black);
  EXPECT_TRUE(white);
  if (mode.Farbe != 2) {
    EXPECT_TRUE(equalGrey);
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, FeederRunInMode,
                         ::testing::Values(ModeCase{1, pf1Bit, 1, 1}, ModeCase{2, pf24RGB, 8, 3},
                                           ModeCase{3, pf24RGB, 8, 1}));

TEST(SaneAcquisition, ScansAtTheProfilesResolution) {
  for (int dpi : {70, 150, 400}) {
    auto source = OpenTestScanner();
    SetOption(*source, "br-x", 10.0);
    SetOption(*source, "br-y", 10.0);
    source->Prepare(Settings(3, dpi, 2));
    const testing::TAcquired run = AcquireAll(*source);
    ASSERT_FALSE(run.Pages.empty());
    const TPage& page = run.Pages.front();
    EXPECT_EQ(page.Params.DpiX, dpi);
    EXPECT_EQ(page.Params.DpiY, dpi);
    EXPECT_NEAR(page.Bitmap.Width(), Pixels(10, dpi), 1) << dpi;
  }
}

TEST(SaneAcquisition, ScanAreaFollowsThePaperSize) {
  struct Case {
    int InputSize;
    double WidthMm, HeightMm;
  };
  // A4, and Auto: the whole area the device offers (300 x 300 mm in our configuration).
  for (const Case c : {Case{1, 210, 297}, Case{0, 300, 300}}) {
    auto source = OpenTestScanner();
    source->Prepare(Settings(1, 20, c.InputSize));
    const testing::TAcquired run = AcquireAll(*source);
    ASSERT_FALSE(run.Pages.empty());
    EXPECT_NEAR(run.Pages.front().Bitmap.Width(), Pixels(c.WidthMm, 20), 1) << c.InputSize;
    EXPECT_NEAR(run.Pages.front().Bitmap.Height(), Pixels(c.HeightMm, 20), 1) << c.InputSize;
  }
}

TEST(SaneAcquisition, EmptyFeederAtTheFirstPageAsksForPaper) {
  // The backend's feeder is empty at every eleventh start, flatbed starts included.
  auto source = SmallAreaScanner();
  for (int sheet = 0; sheet < kFeederSheets; ++sheet) ASSERT_EQ(AcquireAll(*source).Pages.size(), 1u);
  source->Prepare(Settings(1, 50, 2));
  try {
    AcquireAll(*source);
    FAIL() << "a scan from an empty feeder must fail";
  } catch (const TAcquisitionError& error) {
    EXPECT_EQ(error.Kind(), TAcquisitionErrorKind::NoPaper);
    EXPECT_EQ(error.Message(), QStringLiteral("Bitte legen Sie Papier ein."));
  }
}

struct StatusCase {
  const char* ReadReturnValue;
  TAcquisitionErrorKind Kind;
  const char* Message;
};

class ReadStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ReadStatus, BecomesTheUsersMessage) {
  const StatusCase c = GetParam();
  auto source = OpenTestScanner();
  SetOption(*source, "br-x", 20.0);
  source->Prepare(Settings(3, 50, 2));
  SetOption(*source, "read-return-value", QString::fromLatin1(c.ReadReturnValue));
  try {
    AcquireAll(*source);
    FAIL() << c.ReadReturnValue;
  } catch (const TAcquisitionError& error) {
    EXPECT_EQ(error.Kind(), c.Kind);
    EXPECT_EQ(error.Message(), QString::fromUtf8(c.Message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ReadStatus,
    ::testing::Values(
        StatusCase{"SANE_STATUS_JAMMED", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Document feeder jammed"},
        StatusCase{"SANE_STATUS_COVER_OPEN", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Scanner cover is open"},
        StatusCase{"SANE_STATUS_IO_ERROR", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Error during device I/O"},
        StatusCase{"SANE_STATUS_DEVICE_BUSY", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Device busy"},
        StatusCase{"SANE_STATUS_NO_MEM", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Out of memory"},
        StatusCase{"SANE_STATUS_ACCESS_DENIED", TAcquisitionErrorKind::DeviceError, "Scan Fehler: Access to resource has been denied"},
        StatusCase{"SANE_STATUS_NO_DOCS", TAcquisitionErrorKind::NoPaper, "Bitte legen Sie Papier ein."}));

TEST(ReadStatusMidStack, JamKeepsThePagesThatArrived) {
  auto source = OpenTestScanner();
  SetOption(*source, "br-x", 20.0);
  source->Prepare(Settings(1, 50, 2));
  std::vector<TPage> pages;
  const TAcquireOutcome outcome = source->Acquire([&](TPage&& page) {
    pages.push_back(std::move(page));
    if (pages.size() == 4) SetOption(*source, "read-return-value", QStringLiteral("SANE_STATUS_JAMMED"));
  });
  EXPECT_EQ(outcome.PageCount, 4);
  EXPECT_EQ(pages.size(), 4u);
  ASSERT_TRUE(outcome.Interrupted.has_value());
  EXPECT_EQ(outcome.Interrupted->Message(), QStringLiteral("Scan Fehler: Document feeder jammed"));
}

}  // namespace
}  // namespace quorvane
