// Profile values on option shapes the test backend lacks, through a fake device.
#include <gtest/gtest.h>

#include <sane/saneopts.h>

#include "fake_device.h"
#include "scan/acquisition/device_source.h"
#include "scan/acquisition/scan_policy.h"

namespace quorvane {
namespace {

using testing::TFakeDevice;

TScanSettings Settings(int farbe, int dpi, int inputSize, bool duplex = false) {
  TScanSettings settings;
  settings.Farbe = farbe;
  settings.DPI = dpi;
  settings.InputSize = inputSize;
  settings.Duplex = duplex;
  return settings;
}

QString Text(TFakeDevice& device, const char* name) {
  return QString::fromStdString(device.Value(device.IndexOf(QLatin1String(name))).Text);
}

double Number(TFakeDevice& device, const char* name) {
  const int index = device.IndexOf(QLatin1String(name));
  const SANE_Word word = device.Value(index).Words.front();
  return device.Option(index).Type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : word;
}

struct SourceCase {
  QStringList Sources;
  bool Duplex;
  QString Expected;
};

TEST(ScanPolicy, FeederAndDuplexChooseTheSource) {
  const QStringList fujitsu = {"Flatbed", "ADF Front", "ADF Back", "ADF Duplex"};
  const QStringList simplexOnly = {"Flatbed", "ADF"};
  const QStringList flatbedOnly = {"Flatbed"};
  for (const SourceCase& c : {SourceCase{fujitsu, true, "ADF Duplex"}, SourceCase{fujitsu, false, "ADF Front"},
                              SourceCase{simplexOnly, true, "ADF"}, SourceCase{simplexOnly, false, "ADF"},
                              SourceCase{flatbedOnly, true, "Flatbed"}}) {
    TFakeDevice device;
    device.AddString(SANE_NAME_SCAN_SOURCE, c.Sources, "Flatbed");
    TDeviceOptions options(device);
    ApplyScanSettings(options, Settings(1, 200, 2, c.Duplex));
    EXPECT_EQ(Text(device, SANE_NAME_SCAN_SOURCE), c.Expected) << c.Sources.join(',').toStdString() << c.Duplex;
  }
}

TEST(ScanPolicy, DuplexSwitchFollowsTheProfile) {
  TFakeDevice device;
  device.AddString(SANE_NAME_SCAN_SOURCE, {"Flatbed", "ADF"}, "Flatbed");
  device.AddNumber("duplex", SANE_TYPE_BOOL, SANE_UNIT_NONE, 0);
  TDeviceOptions options(device);
  ApplyScanSettings(options, Settings(1, 200, 2, true));
  EXPECT_EQ(Number(device, "duplex"), 1);
  ApplyScanSettings(options, Settings(1, 200, 2, false));
  EXPECT_EQ(Number(device, "duplex"), 0);
}

struct PaperCase {
  bool HasSensor;
  bool Loaded;
  const char* Source;  // nullptr: a sheet-fed device without a source option
  bool EmptyFeeder;
};

TEST(ScanPolicy, PaperSensorTellsAnEmptyFeeder) {
  for (const PaperCase& c : {PaperCase{true, false, "ADF", true}, PaperCase{true, true, "ADF", false},
                             PaperCase{true, false, "Flatbed", false}, PaperCase{false, false, "ADF", false},
                             PaperCase{true, false, nullptr, true}}) {
    TFakeDevice device;
    if (c.Source) device.AddString(SANE_NAME_SCAN_SOURCE, {"Flatbed", "ADF"}, QLatin1String(c.Source));
    if (c.HasSensor) {
      const int sensor = device.AddNumber(SANE_NAME_PAGE_LOADED, SANE_TYPE_BOOL, SANE_UNIT_NONE, c.Loaded);
      device.At(sensor).Descriptor.Cap = SANE_CAP_SOFT_DETECT | SANE_CAP_HARD_SELECT;
    }
    TDeviceSource source(std::make_unique<TFakeDevice>(device), "fake");
    EXPECT_EQ(source.PaperState().IsEmptyFeeder(), c.EmptyFeeder)
        << c.HasSensor << c.Loaded << (c.Source ? c.Source : "sheet-fed");
  }
}

TEST(ScanPolicy, SeparateXAndYResolutionsTakeTheNearestAllowedValue) {
  auto device = std::make_unique<TFakeDevice>();
  device->AddString(SANE_NAME_SCAN_SOURCE, {"ADF"}, "ADF");
  device->AddWordList(SANE_NAME_SCAN_X_RESOLUTION, SANE_UNIT_DPI, {75, 150, 300, 600}, 300);
  device->AddWordList(SANE_NAME_SCAN_Y_RESOLUTION, SANE_UNIT_DPI, {100, 200, 400}, 400);
  device->PagesInFeeder = 2;
  TDeviceSource source(std::move(device), "fake");
  source.Prepare(Settings(3, 190, 2));
  std::vector<TPage> pages;
  const TAcquireOutcome outcome = source.Acquire([&](TPage&& page) { pages.push_back(std::move(page)); });
  EXPECT_EQ(outcome.PageCount, 2);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].Params.DpiX, 150);
  EXPECT_EQ(pages[0].Params.DpiY, 200);
}

struct ModeCase {
  QStringList Modes;
  int Farbe;
  QString Mode;
  int Depth;
};

TEST(ScanPolicy, ColourModeChoosesModeAndDepth) {
  const QStringList withLineArt = {"Lineart", "Gray", "Color"};
  const QStringList greyAndColour = {"Gray", "Color"};
  for (const ModeCase& c : {ModeCase{withLineArt, 1, "Lineart", 16}, ModeCase{greyAndColour, 1, "Gray", 1},
                            ModeCase{greyAndColour, 2, "Color", 8}, ModeCase{withLineArt, 3, "Gray", 8},
                            ModeCase{withLineArt, 0, "Color", 16}, ModeCase{withLineArt, 4, "Color", 16}}) {
    TFakeDevice device;
    device.AddString(SANE_NAME_SCAN_MODE, c.Modes, "Color");
    device.AddWordList(SANE_NAME_BIT_DEPTH, SANE_UNIT_BIT, {1, 8, 16}, 16);
    TDeviceOptions options(device);
    ApplyScanSettings(options, Settings(c.Farbe, 200, 2));
    EXPECT_EQ(Text(device, SANE_NAME_SCAN_MODE), c.Mode) << c.Farbe;
    EXPECT_EQ(Number(device, SANE_NAME_BIT_DEPTH), c.Depth) << c.Farbe;
  }
}

struct AreaCase {
  int InputSize;
  double MaxWidth, MaxHeight;
  double Width, Height;  // expected br-x, br-y and page size
};

TEST(ScanPolicy, PaperSizeSetsPageSizeAndScanAreaWithinTheDevicesRange) {
  for (const AreaCase& c : {AreaCase{1, 215.9, 355.6, 210, 297}, AreaCase{1, 200, 280, 200, 280},
                            AreaCase{0, 215.9, 355.6, 215.9, 355.6}, AreaCase{2, 215.9, 355.6, 100, 100}}) {
    TFakeDevice device;
    device.AddRange(SANE_NAME_PAGE_WIDTH, SANE_UNIT_MM, 0, c.MaxWidth, 100);
    device.AddRange(SANE_NAME_PAGE_HEIGHT, SANE_UNIT_MM, 0, c.MaxHeight, 100);
    device.AddRange(SANE_NAME_SCAN_TL_X, SANE_UNIT_MM, 0, c.MaxWidth, 5);
    device.AddRange(SANE_NAME_SCAN_TL_Y, SANE_UNIT_MM, 0, c.MaxHeight, 5);
    device.AddRange(SANE_NAME_SCAN_BR_X, SANE_UNIT_MM, 0, c.MaxWidth, 100);
    device.AddRange(SANE_NAME_SCAN_BR_Y, SANE_UNIT_MM, 0, c.MaxHeight, 100);
    TDeviceOptions options(device);
    ApplyScanSettings(options, Settings(1, 200, c.InputSize));
    EXPECT_NEAR(Number(device, SANE_NAME_PAGE_WIDTH), c.Width, 0.01) << c.InputSize;
    EXPECT_NEAR(Number(device, SANE_NAME_PAGE_HEIGHT), c.Height, 0.01) << c.InputSize;
    EXPECT_NEAR(Number(device, SANE_NAME_SCAN_BR_X), c.Width, 0.01) << c.InputSize;
    EXPECT_NEAR(Number(device, SANE_NAME_SCAN_BR_Y), c.Height, 0.01) << c.InputSize;
    EXPECT_NEAR(Number(device, SANE_NAME_SCAN_TL_X), c.InputSize == 2 ? 5 : 0, 0.01) << c.InputSize;
  }
}

TEST(DeviceSource, FlatbedDeliversOnePage) {
  auto device = std::make_unique<TFakeDevice>();
  device->AddString(SANE_NAME_SCAN_SOURCE, {"Flatbed"}, "Flatbed");
  TDeviceSource source(std::move(device), "fake");
  source.Prepare(Settings(3, 200, 2));
  EXPECT_EQ(source.Acquire([](TPage&&) {}).PageCount, 1);
}

TEST(DeviceSource, FailureBeforeTheFirstPageEndsTheJobAndAfterItKeepsThePages) {
  for (int failingPage : {1, 3}) {
    auto device = std::make_unique<TFakeDevice>();
    device->AddString(SANE_NAME_SCAN_SOURCE, {"ADF"}, "ADF");
    device->PagesInFeeder = 5;
    device->FailAtPage = failingPage;
    device->FailWith = SANE_STATUS_COVER_OPEN;
    TDeviceSource source(std::move(device), "fake");
    int arrived = 0;
    if (failingPage == 1) {
      try {
        source.Acquire([&](TPage&&) { ++arrived; });
        ADD_FAILURE() << "no page arrived, the acquisition must fail";
      } catch (const TAcquisitionError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Scan Fehler: Scanner cover is open"));
      }
    } else {
      const TAcquireOutcome outcome = source.Acquire([&](TPage&&) { ++arrived; });
      EXPECT_EQ(outcome.PageCount, 2);
      ASSERT_TRUE(outcome.Interrupted.has_value());
      EXPECT_EQ(outcome.Interrupted->Message(), QStringLiteral("Scan Fehler: Scanner cover is open"));
    }
    EXPECT_EQ(arrived, failingPage - 1);
  }
}

}  // namespace
}  // namespace quorvane
