#pragma once

#include <QString>

#include "scan/acquisition/acquisition_source.h"

namespace quorvane {

// The image files of a folder, in name order, as a scanner's feeder would
// deliver them in the profile's colour mode: for trying profiles and for
// scanning without a scanner. An empty folder is an empty feeder.
class TImageFolderSource : public TAcquisitionSource {
 public:
  explicit TImageFolderSource(QString folder) : folder_(std::move(folder)) {}

  QString Description() const override;
  void RefreshCapabilities() override {}
  TPaperState PaperState() override { return {}; }
  void Prepare(const TScanSettings& settings) override { farbe_ = settings.Farbe; }
  TAcquireOutcome Acquire(const TPageArrived& pageArrived) override;

 private:
  QString folder_;
  int farbe_ = 0;
};

}  // namespace quorvane
