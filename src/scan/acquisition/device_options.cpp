#include "scan/acquisition/device_options.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

TDeviceOptions::TDeviceOptions(TScanDevice& device) : device_(device) { Reload(); }

void TDeviceOptions::Reload() {
  options_.clear();
  const int count = device_.OptionCount();
  options_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) options_.push_back(device_.Option(i));
}

int TDeviceOptions::Find(const QString& name) const {
  for (std::size_t i = 1; i < options_.size(); ++i)
    if (options_[i].Name == name) return static_cast<int>(i);
  return -1;
}

const TOptionDescriptor* TDeviceOptions::Active(const QString& name) const {
  const int index = Find(name);
  if (index < 0) return nullptr;
  const TOptionDescriptor& option = options_[static_cast<std::size_t>(index)];
  return option.IsActive() && option.HasValue() ? &option : nullptr;
}

double TDeviceOptions::Number(int index) {
  const TOptionValue value = device_.Value(index);
  if (value.Words.empty()) return 0;
  const SANE_Word word = value.Words.front();
  return options_[static_cast<std::size_t>(index)].Type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : word;
}

QString TDeviceOptions::Text(int index) { return QString::fromStdString(device_.Value(index).Text); }

void TDeviceOptions::Set(int index, const TOptionValue& value) {
  if (device_.SetValue(index, value) & SANE_INFO_RELOAD_OPTIONS) Reload();
}

void TDeviceOptions::SetNumber(int index, double value) {
  const TOptionDescriptor& option = options_[static_cast<std::size_t>(index)];
  SANE_Word word = 0;
  if (option.Type == SANE_TYPE_FIXED) word = SANE_FIX(value);
  else if (option.Type == SANE_TYPE_BOOL) word = value != 0 ? SANE_TRUE : SANE_FALSE;
  else word = static_cast<SANE_Word>(std::lround(value));
  TOptionValue words;
  words.Words.assign(static_cast<std::size_t>(std::max(option.WordCount(), 1)), word);
  Set(index, words);
}

void TDeviceOptions::SetText(int index, const QString& text) {
  TOptionValue value;
  value.Text = text.toStdString();
  Set(index, value);
}

}  // namespace quorvane
