#include "fake_device.h"

#include <algorithm>
#include <cstring>

namespace quorvane::testing {
namespace {

SANE_Word Word(SANE_Value_Type type, double value) {
  return type == SANE_TYPE_FIXED ? SANE_FIX(value) : static_cast<SANE_Word>(value);
}

}  // namespace

TFakeDevice::TFakeDevice() {
  TOptionDescriptor count;
  count.Type = SANE_TYPE_INT;
  count.Size = sizeof(SANE_Word);
  count.Cap = SANE_CAP_SOFT_DETECT;
  options_.push_back({count, {}, {}});
}

int TFakeDevice::Add(TOptionDescriptor descriptor, TOptionValue value) {
  descriptor.Cap |= SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT;
  options_.push_back({std::move(descriptor), std::move(value), {}});
  return static_cast<int>(options_.size()) - 1;
}

int TFakeDevice::AddString(const QString& name, const QStringList& values, const QString& current) {
  TOptionDescriptor d;
  d.Name = d.Title = name;
  d.Type = SANE_TYPE_STRING;
  d.Size = 64;
  d.Constraint = SANE_CONSTRAINT_STRING_LIST;
  d.StringList = values;
  TOptionValue v;
  v.Text = current.toStdString();
  return Add(d, v);
}

int TFakeDevice::AddNumber(const QString& name, SANE_Value_Type type, SANE_Unit unit, double current) {
  TOptionDescriptor d;
  d.Name = d.Title = name;
  d.Type = type;
  d.Unit = unit;
  d.Size = sizeof(SANE_Word);
  return Add(d, TOptionValue{{Word(type, current)}, {}});
}

int TFakeDevice::AddRange(const QString& name, SANE_Unit unit, double min, double max, double current) {
  const int index = AddNumber(name, SANE_TYPE_FIXED, unit, current);
  TOptionDescriptor& d = At(index).Descriptor;
  d.Constraint = SANE_CONSTRAINT_RANGE;
  d.RangeMin = SANE_FIX(min);
  d.RangeMax = SANE_FIX(max);
  return index;
}

int TFakeDevice::AddWordList(const QString& name, SANE_Unit unit, const std::vector<int>& words, int current) {
  const int index = AddNumber(name, SANE_TYPE_INT, unit, current);
  TOptionDescriptor& d = At(index).Descriptor;
  d.Constraint = SANE_CONSTRAINT_WORD_LIST;
  d.WordList.assign(words.begin(), words.end());
  return index;
}

int TFakeDevice::IndexOf(const QString& name) const {
  for (std::size_t i = 1; i < options_.size(); ++i)
    if (options_[i].Descriptor.Name == name) return static_cast<int>(i);
  return -1;
}

TOptionValue TFakeDevice::Value(int index) {
  if (index == 0) return TOptionValue{{OptionCount()}, {}};
  return At(index).Value;
}

int TFakeDevice::SetValue(int index, const TOptionValue& value) {
  TOption& option = At(index);
  if (!option.Descriptor.IsSettable() || !option.Descriptor.IsActive()) throw TDeviceStatusError(SANE_STATUS_INVAL);
  if (std::find(option.Refused.begin(), option.Refused.end(), value) != option.Refused.end())
    throw TDeviceStatusError(SANE_STATUS_INVAL);
  option.Value = value;
  return 0;
}

int TFakeDevice::SampleAt(int x, int y, int c, SANE_Frame format) {
  if (format == SANE_FRAME_GRAY) return (x + y) & 0xFF;
  return c == 0 ? x & 0xFF : c == 1 ? y & 0xFF : 128;
}

void TFakeDevice::Start() {
  ++Starts;
  if (FailAtPage && *FailAtPage == Starts) throw TDeviceStatusError(FailWith);
  if (PagesInFeeder <= 0) throw TDeviceStatusError(SANE_STATUS_NO_DOCS);
  --PagesInFeeder;
  const SANE_Parameters p = Parameters();
  const int rows = RowsDelivered >= 0 ? RowsDelivered : Height;
  const int channels = Format == SANE_FRAME_RGB ? 3 : 1;
  frame_.assign(static_cast<std::size_t>(p.bytes_per_line) * static_cast<std::size_t>(rows), 0);
  position_ = 0;
  for (int y = 0; y < rows; ++y) {
    std::uint8_t* row = frame_.data() + static_cast<std::size_t>(p.bytes_per_line) * static_cast<std::size_t>(y);
    for (int x = 0; x < Width; ++x) {
      for (int c = 0; c < channels; ++c) {
        const int sample = SampleAt(x, y, c, Format);
        const int index = x * channels + c;
        if (Depth == 1) {
          if ((x + y) % 2) row[index / 8] |= static_cast<std::uint8_t>(0x80 >> (index % 8));
        } else if (Depth == 16) {
          const auto wide = static_cast<std::uint16_t>(sample << 8 | 0x5A);
          std::memcpy(row + 2 * index, &wide, 2);
        } else {
          row[index] = static_cast<std::uint8_t>(sample);
        }
      }
    }
  }
}

SANE_Parameters TFakeDevice::Parameters() {
  const int channels = Format == SANE_FRAME_RGB ? 3 : 1;
  SANE_Parameters p{};
  p.format = Format;
  p.last_frame = SANE_TRUE;
  p.depth = Depth;
  p.pixels_per_line = Width;
  p.bytes_per_line = Depth == 1 ? (Width * channels + 7) / 8 : Width * channels * Depth / 8;
  p.lines = HeightAnnounced ? Height : -1;
  return p;
}

std::optional<std::size_t> TFakeDevice::Read(std::uint8_t* buffer, std::size_t size) {
  if (position_ >= frame_.size()) return std::nullopt;
  const std::size_t length = std::min({size, ReadLimit, frame_.size() - position_});
  std::memcpy(buffer, frame_.data() + position_, length);
  position_ += length;
  return length;
}

}  // namespace quorvane::testing
