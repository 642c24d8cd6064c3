#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "scan/acquisition/scan_device.h"

namespace quorvane::testing {

// A device with whatever options a test gives it: for the option shapes the
// test backend lacks (duplex sources, paper sensors, x/y resolution). Frames
// are generated from the frame settings below; their bytes come in reads of
// at most ReadLimit bytes, so rows split between reads.
class TFakeDevice : public TScanDevice {
 public:
  struct TOption {
    TOptionDescriptor Descriptor;
    TOptionValue Value;
    std::vector<TOptionValue> Refused;  // values the device answers SANE_STATUS_INVAL to
  };

  TFakeDevice();  // option 0, the count, is there already

  // Adds an option that can be read and set; returns its index.
  int AddString(const QString& name, const QStringList& values, const QString& current);
  int AddNumber(const QString& name, SANE_Value_Type type, SANE_Unit unit, double current);
  int AddRange(const QString& name, SANE_Unit unit, double min, double max, double current);  // fixed
  int AddWordList(const QString& name, SANE_Unit unit, const std::vector<int>& words, int current);  // int
  TOption& At(int index) { return options_[static_cast<std::size_t>(index)]; }
  int IndexOf(const QString& name) const;

  int PagesInFeeder = 3;
  std::optional<int> FailAtPage;  // 1-based page whose start fails
  SANE_Status FailWith = SANE_STATUS_JAMMED;
  int Width = 16;
  int Height = 8;
  SANE_Frame Format = SANE_FRAME_GRAY;
  int Depth = 8;
  bool HeightAnnounced = true;  // false: lines = -1, as hand scanners answer
  int RowsDelivered = -1;       // fewer rows than announced: the frame ends early
  std::size_t ReadLimit = 1 << 20;
  int Starts = 0;

  // Sample c of pixel (x, y) as the device sends it: x, y and 128 for red,
  // green and blue; a grey frame sends x + y, a 1-bit frame black where x + y is odd.
  static int SampleAt(int x, int y, int c, SANE_Frame format);

  int OptionCount() override { return static_cast<int>(options_.size()); }
  TOptionDescriptor Option(int index) override { return At(index).Descriptor; }
  TOptionValue Value(int index) override;
  int SetValue(int index, const TOptionValue& value) override;
  void Press(int) override {}
  void Start() override;
  SANE_Parameters Parameters() override;
  std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) override;
  void Cancel() override { frame_.clear(); }

 private:
  int Add(TOptionDescriptor descriptor, TOptionValue value);

  std::vector<TOption> options_;
  std::vector<std::uint8_t> frame_;
  std::size_t position_ = 0;
};

}  // namespace quorvane::testing
