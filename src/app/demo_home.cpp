#include "app/demo_home.h"

#include "profiles/memdata.h"
#include "profiles/new_profile.h"
#include "scan/acquisition/acquisition_error.h"
#include "scan/acquisition/device_source.h"
#include "scan/acquisition/scanner_sources.h"

#include <optional>

namespace quorvane {
namespace {

struct TDemoProfile {
  const char* title;
  int farbe;
  int dpi;
  int color;  // Windows colour value 0x00BBGGRR
  const char* pattern;
  bool showPrefix;
  const char* typStr;
  const char* testPicture;  // what the test scanner shows on every sheet
};

constexpr TDemoProfile kDemoProfiles[] = {
    {"Rechnungen", 1, 150, 0x3C14DC, "Rechnung_{Datum}_{Zähler}", false, "", "Grid"},
    {"Farbige Dokumente", 2, 100, 0x2E8B57, "Farbe_{Datum}_{Std}{Min}{Sec}", false, "", "Color pattern"},
    {"Graustufen Archiv", 3, 100, 0x8B4513, "Archiv_{Zähler}", true, "ARC", "Color pattern"},
};

// The test scanner's settings block with a test picture, so demo scans show
// something other than its default black sheets. None without the scanner.
std::optional<QByteArray> TestPictureSettings(const QString& picture) {
  try {
    const std::unique_ptr<TDeviceSource> scanner = OpenScanner(QStringLiteral("test:0"));
    return scanner->EditSettings(std::nullopt, [&picture](TDeviceOptions& options) {
      const int index = options.Find(QStringLiteral("test-picture"));
      if (index >= 0) options.SetText(index, picture);
      return true;
    });
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

void AddDemoProfiles(TMemData& table, const QString& outputFolder) {
  for (const TDemoProfile& demo : kDemoProfiles) {
    InsertNewProfile(table);
    table.SetValue(pfVantelTitel, QString::fromUtf8(demo.title));
    table.SetValue(pfFarbe, demo.farbe);
    table.SetValue(pfDPI, demo.dpi);
    table.SetValue(pfVantelColor, demo.color);
    table.SetValue(pfFolder, outputFolder);
    table.SetValue(pfAutoFileNameVar, QString::fromUtf8(demo.pattern));
    table.SetValue(pfShowPrefix, demo.showPrefix);
    table.SetValue(pfTypStr, QString::fromUtf8(demo.typStr));
    // The scanner's own area: the test scanner's is small, so a demo scan is quick.
    table.SetValue(pfInputSize, 2);
    table.SetValue(pfPreviewSize, 160);
    if (const auto settings = TestPictureSettings(QString::fromUtf8(demo.testPicture)))
      table.SetValue(pfSettings, *settings);
    table.Post();
  }
  table.First();
}

QString TestScannerDisplayName() {
  try {
    for (const QString& description : ListScannerDescriptions()) {
      if (description.endsWith(QStringLiteral("(test:0)"))) return DisplayNameOf(description);
    }
  } catch (const TAcquisitionError&) {
    // No SANE: the demo simply has no scanner chosen.
  }
  return {};
}

}  // namespace quorvane
