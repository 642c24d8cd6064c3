#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include "scan/acquisition/acquisition_error.h"
#include "writers/common/page.h"

namespace quorvane {

// The profile values a scan is prepared from.
struct TScanSettings {
  int DPI = 200;
  int Farbe = 1;      // 1 black and white, 2 colour, 3 grey; others: as the device has it
  int InputSize = 0;  // 0 Auto, 1 A4, others: as the device has it
  bool Duplex = false;
  std::optional<QByteArray> Settings;  // the driver settings block; nullopt = none stored
};

// What the device says about paper before a scan.
struct TPaperState {
  bool CanDetectPaper = false;
  bool FeederLoaded = false;
  bool FeederEnabled = false;

  // The state in which a scan must not start.
  bool IsEmptyFeeder() const { return CanDetectPaper && FeederEnabled && !FeederLoaded; }
};

// How an acquisition ended. A failure after pages have arrived keeps them:
// Interrupted then says why the stack was not finished.
struct TAcquireOutcome {
  int PageCount = 0;
  std::optional<TAcquisitionError> Interrupted;
};

// Called with each page as it arrives, in scanning order.
using TPageArrived = std::function<void(TPage&& page)>;

// A source of pages: a scanner or an image folder. The scan job prepares it
// from the profile and runs the acquisition; all calls happen on one thread.
class TAcquisitionSource {
 public:
  virtual ~TAcquisitionSource() = default;

  virtual QString Description() const = 0;
  // Reads the source's capability values again.
  virtual void RefreshCapabilities() = 0;
  // The paper state before the profile's settings are applied.
  virtual TPaperState PaperState() = 0;
  // Hands back the driver settings block, then applies the profile values.
  virtual void Prepare(const TScanSettings& settings) = 0;
  // Scans every page until the source has no more. Throws TAcquisitionError
  // when it fails before the first page.
  virtual TAcquireOutcome Acquire(const TPageArrived& pageArrived) = 0;
};

}  // namespace quorvane
