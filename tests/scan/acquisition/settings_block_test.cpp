// The driver settings block: captured from a device, stored in a profile,
// replayed before a scan, with the options that no longer fit skipped and logged.
#include <gtest/gtest.h>

#include <QFile>

#include "app/log.h"
#include "fake_device.h"
#include "profiles/profile_file_reader.h"
#include "profiles/profile_file_writer.h"
#include "scan/acquisition/settings_block.h"
#include "test_scanner.h"

namespace quorvane {
namespace {

using testing::OpenTestScanner;
using testing::SetOption;
using testing::TFakeDevice;

QString Text(TDeviceSource& source, const char* name) {
  return source.Options().Text(source.Options().Find(QLatin1String(name)));
}

double Number(TDeviceSource& source, const char* name) {
  return source.Options().Number(source.Options().Find(QLatin1String(name)));
}

QByteArray CapturedTestBackendBlock() {
  auto source = OpenTestScanner();
  SetOption(*source, "test-picture", QStringLiteral("Grid"));
  SetOption(*source, "mode", QStringLiteral("Color"));
  SetOption(*source, "br-x", 33.0);
  return CaptureSettingsBlock(source->Options());
}

TEST(SettingsBlock, ReplayRestoresWhatWasCaptured) {
  const QByteArray block = CapturedTestBackendBlock();
  ASSERT_FALSE(block.isEmpty());
  auto source = OpenTestScanner();
  ASSERT_EQ(Text(*source, "test-picture"), QStringLiteral("Solid black"));

  EXPECT_TRUE(ReplaySettingsBlock(source->Options(), block).isEmpty());
  EXPECT_EQ(Text(*source, "test-picture"), QStringLiteral("Grid"));
  EXPECT_EQ(Text(*source, "mode"), QStringLiteral("Color"));
  EXPECT_DOUBLE_EQ(Number(*source, "br-x"), 33.0);
}

TEST(SettingsBlock, ProfileValuesWinOverTheBlockBeforeAScan) {
  TScanSettings settings;
  settings.Farbe = 3;
  settings.DPI = 60;
  settings.InputSize = 2;
  settings.Settings = CapturedTestBackendBlock();
  auto source = OpenTestScanner();
  source->Prepare(settings);
  EXPECT_EQ(Text(*source, "test-picture"), QStringLiteral("Grid"));
  EXPECT_EQ(Text(*source, "mode"), QStringLiteral("Gray"));
  EXPECT_DOUBLE_EQ(Number(*source, "resolution"), 60.0);
}

TEST(SettingsBlock, SurvivesTheProfileFileByteForByte) {
  QByteArray everyByte;
  for (int b = 0; b < 256; ++b) everyByte.append(static_cast<char>(b));
  const QByteArray captured = CapturedTestBackendBlock();
  ASSERT_TRUE(captured.contains('\0'));
  for (const QByteArray& block : {captured, everyByte}) {
    TProfileValues row;
    row[pfID] = 1;
    row[pfVantelTitel] = QStringLiteral("Eingang");
    row[pfSettings] = ToFieldValue(pfSettings, block);
    const TProfileFileContents read = ReadProfileFile(WriteProfileFile({row}));
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.rows.front()[pfSettings].toByteArray(), block);
  }
}

TEST(SettingsBlock, OptionsThatNoLongerFitAreSkippedAndLogged) {
  TFakeDevice before;
  before.AddString("gone", {"a", "b"}, "b");
  before.AddString("sleeping", {"a", "b"}, "b");
  before.AddString("picky", {"a", "b"}, "b");
  before.AddString("kept", {"a", "b"}, "b");
  TDeviceOptions beforeOptions(before);
  const QByteArray block = CaptureSettingsBlock(beforeOptions);

  auto after = std::make_unique<TFakeDevice>();
  const int sleeping = after->AddString("sleeping", {"a", "b"}, "a");
  after->At(sleeping).Descriptor.Cap |= SANE_CAP_INACTIVE;
  const int picky = after->AddString("picky", {"a", "b"}, "a");
  after->At(picky).Refused.push_back(TOptionValue{{}, "b"});
  const int kept = after->AddString("kept", {"a", "b"}, "a");
  TFakeDevice* device = after.get();
  TDeviceSource source(std::move(after), "fake");
  TScanSettings settings;
  settings.Farbe = 0;
  settings.InputSize = 2;
  settings.Settings = block;
  source.Prepare(settings);

  EXPECT_EQ(device->Value(kept).Text, "b");
  EXPECT_EQ(device->Value(picky).Text, "a");
  QFile log(LogFileName());
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(text.contains("Scanner option gone no longer exists, skipped"));
  EXPECT_TRUE(text.contains("Scanner option sleeping is inactive, skipped"));
  EXPECT_TRUE(text.contains("Scanner option picky refused the value (Invalid argument), skipped"));
}

TEST(SettingsBlock, ABlockThatIsNotOursChangesNothing) {
  TFakeDevice device;
  const int kept = device.AddString("kept", {"a", "b"}, "a");
  TDeviceOptions options(device);
  QByteArray captured;
  {
    TFakeDevice other;
    other.AddString("kept", {"a", "b"}, "b");
    TDeviceOptions otherOptions(other);
    captured = CaptureSettingsBlock(otherOptions);
  }
  for (const QByteArray& block : {QByteArray("\x01\x02twain\xff", 8), captured.left(captured.size() - 1)}) {
    EXPECT_EQ(ReplaySettingsBlock(options, block), QStringList{"Scanner settings block not readable, ignored"});
    EXPECT_EQ(device.Value(kept).Text, "a");
  }
}

}  // namespace
}  // namespace quorvane
