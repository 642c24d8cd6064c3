#include "scan/acquisition/sane/sane_device.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "scan/acquisition/sane/sane_library.h"

namespace quorvane {
namespace {

void Check(SANE_Status status) {
  if (status != SANE_STATUS_GOOD) throw TDeviceStatusError(status);
}

QString FromSane(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

}  // namespace

TSaneDevice::TSaneDevice(const QString& name) {
  EnsureSaneInitialised();
  Check(sane_open(name.toUtf8().constData(), &handle_));
}

TSaneDevice::~TSaneDevice() {
  sane_cancel(handle_);
  sane_close(handle_);
}

const SANE_Option_Descriptor& TSaneDevice::Descriptor(int index) const {
  const SANE_Option_Descriptor* descriptor = sane_get_option_descriptor(handle_, index);
  if (!descriptor) throw TDeviceStatusError(SANE_STATUS_INVAL);
  return *descriptor;
}

int TSaneDevice::OptionCount() {
  SANE_Int count = 0;
  Check(sane_control_option(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr));
  return count;
}

TOptionDescriptor TSaneDevice::Option(int index) {
  const SANE_Option_Descriptor& d = Descriptor(index);
  TOptionDescriptor option;
  option.Name = FromSane(d.name);
  option.Title = FromSane(d.title);
  option.Description = FromSane(d.desc);
  option.Type = d.type;
  option.Unit = d.unit;
  option.Size = d.size;
  option.Cap = d.cap;
  option.Constraint = d.constraint_type;
  if (d.constraint_type == SANE_CONSTRAINT_RANGE && d.constraint.range) {
    option.RangeMin = d.constraint.range->min;
    option.RangeMax = d.constraint.range->max;
    option.RangeQuant = d.constraint.range->quant;
  } else if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST && d.constraint.word_list) {
    // The first word is the length of the list.
    option.WordList.assign(d.constraint.word_list + 1, d.constraint.word_list + 1 + d.constraint.word_list[0]);
  } else if (d.constraint_type == SANE_CONSTRAINT_STRING_LIST && d.constraint.string_list) {
    for (const SANE_String_Const* s = d.constraint.string_list; *s; ++s) option.StringList << FromSane(*s);
  }
  return option;
}

TOptionValue TSaneDevice::Value(int index) {
  const SANE_Option_Descriptor& d = Descriptor(index);
  TOptionValue value;
  if (d.type == SANE_TYPE_STRING) {
    std::vector<char> text(static_cast<std::size_t>(std::max(d.size, 1)) + 1, '\0');
    Check(sane_control_option(handle_, index, SANE_ACTION_GET_VALUE, text.data(), nullptr));
    value.Text = text.data();
  } else if (d.type != SANE_TYPE_BUTTON && d.type != SANE_TYPE_GROUP) {
    value.Words.resize(static_cast<std::size_t>(std::max<SANE_Int>(d.size / static_cast<SANE_Int>(sizeof(SANE_Word)), 1)));
    Check(sane_control_option(handle_, index, SANE_ACTION_GET_VALUE, value.Words.data(), nullptr));
  }
  return value;
}

int TSaneDevice::SetValue(int index, const TOptionValue& value) {
  const SANE_Option_Descriptor& d = Descriptor(index);
  SANE_Int info = 0;
  if (d.type == SANE_TYPE_STRING) {
    // The backend may read up to the option's size.
    std::vector<char> text(static_cast<std::size_t>(std::max<std::size_t>(static_cast<std::size_t>(d.size), value.Text.size() + 1)), '\0');
    std::memcpy(text.data(), value.Text.data(), value.Text.size());
    Check(sane_control_option(handle_, index, SANE_ACTION_SET_VALUE, text.data(), &info));
  } else {
    std::vector<SANE_Word> words = value.Words;
    words.resize(static_cast<std::size_t>(std::max<SANE_Int>(d.size / static_cast<SANE_Int>(sizeof(SANE_Word)), 1)), 0);
    Check(sane_control_option(handle_, index, SANE_ACTION_SET_VALUE, words.data(), &info));
  }
  return info;
}

void TSaneDevice::Press(int index) {
  Check(sane_control_option(handle_, index, SANE_ACTION_SET_VALUE, nullptr, nullptr));
}

void TSaneDevice::Start() { Check(sane_start(handle_)); }

SANE_Parameters TSaneDevice::Parameters() {
  SANE_Parameters parameters{};
  Check(sane_get_parameters(handle_, &parameters));
  return parameters;
}

std::optional<std::size_t> TSaneDevice::Read(std::uint8_t* buffer, std::size_t size) {
  SANE_Int length = 0;
  const auto max = static_cast<SANE_Int>(std::min<std::size_t>(size, std::numeric_limits<SANE_Int>::max()));
  const SANE_Status status = sane_read(handle_, buffer, max, &length);
  if (status == SANE_STATUS_EOF) return std::nullopt;
  Check(status);
  return static_cast<std::size_t>(length);
}

void TSaneDevice::Cancel() { sane_cancel(handle_); }

}  // namespace quorvane
