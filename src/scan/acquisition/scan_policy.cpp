#include "scan/acquisition/scan_policy.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quorvane {
namespace {

constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;

bool IsFeederSource(const QString& value) {
  const QString v = value.toLower();
  return v.contains(QLatin1String("adf")) || v.contains(QLatin1String("feeder")) ||
         v.contains(QLatin1String("automatic document")) || v.contains(QLatin1String("duplex"));
}

bool IsDuplexSource(const QString& value) { return value.contains(QLatin1String("duplex"), Qt::CaseInsensitive); }

// A feeder source that scans the front side ("ADF Back" scans only the back).
bool IsSimplexFeederSource(const QString& value) {
  return IsFeederSource(value) && !IsDuplexSource(value) && !value.contains(QLatin1String("back"), Qt::CaseInsensitive);
}

int SettableOption(const TDeviceOptions& options, const char* name) {
  const TOptionDescriptor* option = options.Active(QLatin1String(name));
  return option && option->IsSettable() ? options.Find(QLatin1String(name)) : -1;
}

const TOptionDescriptor& Descriptor(const TDeviceOptions& options, int index) {
  return options.All()[static_cast<std::size_t>(index)];
}

double Unfixed(const TOptionDescriptor& option, SANE_Word word) {
  return option.Type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : word;
}

// The allowed value nearest to `value`: within a range, or from a word list.
double Constrain(const TOptionDescriptor& option, double value) {
  if (option.Constraint == SANE_CONSTRAINT_RANGE)
    return std::clamp(value, Unfixed(option, option.RangeMin), Unfixed(option, option.RangeMax));
  if (option.Constraint == SANE_CONSTRAINT_WORD_LIST && !option.WordList.empty()) {
    double best = Unfixed(option, option.WordList.front());
    for (SANE_Word word : option.WordList)
      if (std::abs(Unfixed(option, word) - value) < std::abs(best - value)) best = Unfixed(option, word);
    return best;
  }
  return value;
}

QString FirstMatch(const QStringList& values, std::initializer_list<const char*> wanted) {
  for (const char* name : wanted)
    for (const QString& value : values)
      if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return value;
  return {};
}

void ApplySource(TDeviceOptions& options, bool duplex) {
  const int index = SettableOption(options, SANE_NAME_SCAN_SOURCE);
  if (index >= 0 && Descriptor(options, index).Type == SANE_TYPE_STRING) {
    const QStringList values = Descriptor(options, index).StringList;
    const auto duplexValue = std::find_if(values.begin(), values.end(), IsDuplexSource);
    const auto simplexValue = std::find_if(values.begin(), values.end(), IsSimplexFeederSource);
    if (duplex && duplexValue != values.end()) options.SetText(index, *duplexValue);
    else if (simplexValue != values.end()) options.SetText(index, *simplexValue);
    else if (duplexValue != values.end()) options.SetText(index, *duplexValue);
  }
  // Some devices switch both sides with a separate option.
  const int duplexSwitch = SettableOption(options, "duplex");
  if (duplexSwitch >= 0 && Descriptor(options, duplexSwitch).Type == SANE_TYPE_BOOL)
    options.SetNumber(duplexSwitch, duplex ? 1 : 0);
}

void SetDepth(TDeviceOptions& options, int depth) {
  const int index = SettableOption(options, SANE_NAME_BIT_DEPTH);
  if (index < 0) return;
  const TOptionDescriptor& option = Descriptor(options, index);
  const bool listed = std::find(option.WordList.begin(), option.WordList.end(), depth) != option.WordList.end();
  if (option.Constraint != SANE_CONSTRAINT_WORD_LIST || listed) options.SetNumber(index, depth);
}

void ApplyMode(TDeviceOptions& options, int farbe) {
  if (farbe < 1 || farbe > 3) return;
  const int index = SettableOption(options, SANE_NAME_SCAN_MODE);
  if (index < 0) return;
  const QStringList modes = Descriptor(options, index).StringList;
  const QString lineArt = FirstMatch(modes, {"Lineart", "Binary", "Black & White", "Black and White"});
  const QString grey = FirstMatch(modes, {"Gray", "Grey", "Grayscale", "Greyscale"});
  const QString colour = FirstMatch(modes, {"Color", "Colour"});
  if (farbe == 1 && !lineArt.isEmpty()) {
    options.SetText(index, lineArt);
  } else if (farbe == 1 && !grey.isEmpty()) {
    // Line art offered only as 1-bit grey.
    options.SetText(index, grey);
    SetDepth(options, 1);
  } else if (farbe == 2 && !colour.isEmpty()) {
    options.SetText(index, colour);
    SetDepth(options, 8);
  } else if (farbe == 3 && !grey.isEmpty()) {
    options.SetText(index, grey);
    SetDepth(options, 8);
  }
}

// Sets a millimetre option to `offset` + `length` within its range; a negative
// length asks for the range's end.
void SetEdge(TDeviceOptions& options, const char* name, double length) {
  const int index = SettableOption(options, name);
  if (index < 0) return;
  const TOptionDescriptor& option = Descriptor(options, index);
  if (option.Unit != SANE_UNIT_MM || option.Constraint != SANE_CONSTRAINT_RANGE) return;
  const double start = Unfixed(option, option.RangeMin);
  const double end = Unfixed(option, option.RangeMax);
  options.SetNumber(index, length < 0 ? end : std::min(start + length, end));
}

void ApplyPaperSize(TDeviceOptions& options, int inputSize) {
  if (inputSize != 0 && inputSize != 1) return;
  const bool a4 = inputSize == 1;
  // The page size bounds the scan area on sheet-fed devices, so it goes first.
  SetEdge(options, SANE_NAME_PAGE_WIDTH, a4 ? kA4WidthMm : -1);
  SetEdge(options, SANE_NAME_PAGE_HEIGHT, a4 ? kA4HeightMm : -1);
  SetEdge(options, SANE_NAME_SCAN_TL_X, 0);
  SetEdge(options, SANE_NAME_SCAN_TL_Y, 0);
  SetEdge(options, SANE_NAME_SCAN_BR_X, a4 ? kA4WidthMm : -1);
  SetEdge(options, SANE_NAME_SCAN_BR_Y, a4 ? kA4HeightMm : -1);
}

void ApplyResolution(TDeviceOptions& options, int dpi) {
  for (const char* name : {SANE_NAME_SCAN_RESOLUTION, SANE_NAME_SCAN_X_RESOLUTION, SANE_NAME_SCAN_Y_RESOLUTION}) {
    const int index = SettableOption(options, name);
    if (index >= 0) options.SetNumber(index, Constrain(Descriptor(options, index), dpi));
  }
}

int ReadDpi(TDeviceOptions& options, const char* name, int fallback) {
  if (!options.Active(QLatin1String(name))) return fallback;
  return static_cast<int>(std::lround(options.Number(options.Find(QLatin1String(name)))));
}

bool CurrentSourceIsFeeder(TDeviceOptions& options) {
  const TOptionDescriptor* source = options.Active(QLatin1String(SANE_NAME_SCAN_SOURCE));
  return source && source->Type == SANE_TYPE_STRING &&
         IsFeederSource(options.Text(options.Find(QLatin1String(SANE_NAME_SCAN_SOURCE))));
}

}  // namespace

TPaperState ReadPaperState(TDeviceOptions& options) {
  TPaperState state;
  const TOptionDescriptor* sensor = options.Active(QLatin1String(SANE_NAME_PAGE_LOADED));
  state.CanDetectPaper = sensor && sensor->IsReadable() && sensor->Type == SANE_TYPE_BOOL;
  if (state.CanDetectPaper) state.FeederLoaded = options.Number(options.Find(QLatin1String(SANE_NAME_PAGE_LOADED))) != 0;
  // A sheet-fed device has a paper sensor and no source to choose.
  state.FeederEnabled = CurrentSourceIsFeeder(options) ||
                        (state.CanDetectPaper && !options.Active(QLatin1String(SANE_NAME_SCAN_SOURCE)));
  return state;
}

void ApplyScanSettings(TDeviceOptions& options, const TScanSettings& settings) {
  ApplySource(options, settings.Duplex);
  ApplyMode(options, settings.Farbe);
  ApplyPaperSize(options, settings.InputSize);
  ApplyResolution(options, settings.DPI);
}

TPreparedScan CurrentScan(TDeviceOptions& options, int fallbackDpi) {
  TPreparedScan scan;
  scan.Feeder = CurrentSourceIsFeeder(options);
  const int dpi = ReadDpi(options, SANE_NAME_SCAN_RESOLUTION, fallbackDpi);
  scan.DpiX = ReadDpi(options, SANE_NAME_SCAN_X_RESOLUTION, dpi);
  scan.DpiY = ReadDpi(options, SANE_NAME_SCAN_Y_RESOLUTION, dpi);
  return scan;
}

}  // namespace quorvane
