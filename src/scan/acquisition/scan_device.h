#pragma once

#include <sane/sane.h>

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane {

// One option as the device describes it, copied out of the driver.
struct TOptionDescriptor {
  QString Name;
  QString Title;
  QString Description;
  SANE_Value_Type Type = SANE_TYPE_INT;
  SANE_Unit Unit = SANE_UNIT_NONE;
  int Size = 0;  // bytes of the value
  int Cap = 0;
  SANE_Constraint_Type Constraint = SANE_CONSTRAINT_NONE;
  SANE_Word RangeMin = 0;
  SANE_Word RangeMax = 0;
  SANE_Word RangeQuant = 0;
  std::vector<SANE_Word> WordList;
  QStringList StringList;

  bool IsActive() const { return SANE_OPTION_IS_ACTIVE(Cap); }
  bool IsSettable() const { return SANE_OPTION_IS_SETTABLE(Cap); }
  bool IsReadable() const { return (Cap & SANE_CAP_SOFT_DETECT) != 0; }
  bool HasValue() const { return Type != SANE_TYPE_BUTTON && Type != SANE_TYPE_GROUP; }
  // Number of words of a bool, int or fixed value.
  int WordCount() const { return Size / static_cast<int>(sizeof(SANE_Word)); }
};

// An option value: words for bool, int and fixed options, text for strings.
struct TOptionValue {
  std::vector<SANE_Word> Words;
  std::string Text;

  bool operator==(const TOptionValue&) const = default;
};

// A status the device answered with, other than "good".
class TDeviceStatusError : public std::runtime_error {
 public:
  explicit TDeviceStatusError(SANE_Status status);
  SANE_Status Status() const { return status_; }

 private:
  SANE_Status status_;
};

// The thin scanner binding: options, start, read, cancel. The SANE device
// implements it; tests put a fake behind it for option shapes real devices have.
class TScanDevice {
 public:
  virtual ~TScanDevice() = default;

  virtual int OptionCount() = 0;  // option 0, the count, included
  virtual TOptionDescriptor Option(int index) = 0;
  virtual TOptionValue Value(int index) = 0;
  // Returns the SANE_INFO_* flags; throws TDeviceStatusError when refused.
  virtual int SetValue(int index, const TOptionValue& value) = 0;
  virtual void Press(int index) = 0;  // button options

  // Starts one frame; throws TDeviceStatusError (SANE_STATUS_NO_DOCS: the feeder is empty).
  virtual void Start() = 0;
  virtual SANE_Parameters Parameters() = 0;
  // Bytes read into buffer (may be 0); nullopt at the end of the frame.
  // Throws TDeviceStatusError.
  virtual std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) = 0;
  virtual void Cancel() = 0;
};

}  // namespace quorvane
