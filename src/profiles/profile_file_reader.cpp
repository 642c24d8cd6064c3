#include "profiles/profile_file_reader.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <optional>

#include "profiles/profile_file_error.h"
#include "profiles/profile_file_layout.h"
#include "profiles/windows1252.h"

namespace quorvane {

namespace {

const char kInvalidFormat[] = "Invalid stream format";
const char kReadError[] = "Stream read error";

// Hands out the bytes of the file front to back; never reads past its end.
class TByteReader {
 public:
  explicit TByteReader(QByteArrayView data) : data_(data) {}

  bool AtEnd() const { return position_ >= data_.size(); }
  void Restart() { position_ = 0; }

  // The next `count` bytes; nothing when fewer remain or the count is negative.
  std::optional<QByteArrayView> Take(qint64 count) {
    if (count < 0 || count > data_.size() - position_) return std::nullopt;
    const QByteArrayView part = data_.sliced(position_, static_cast<qsizetype>(count));
    position_ += static_cast<qsizetype>(count);
    return part;
  }

  template <typename T>
  std::optional<T> TakeNumber() {
    const std::optional<QByteArrayView> bytes = Take(sizeof(T));
    if (!bytes) return std::nullopt;
    return qFromLittleEndian<T>(bytes->data());
  }

 private:
  QByteArrayView data_;
  qsizetype position_ = 0;
};

// How the layout version changes the encoding of values.
struct TLayout {
  bool presenceFlags = true;          // number and switch values carry a presence flag
  bool textPresenceFlag = true;       // texts: flag and count; else a count with terminator
  bool textSizeWithTerminator = false;  // a text descriptor's size is its length + 1
};

struct TDescriptor {
  TFieldKind kind;
  int field;      // index in the row, -1 when the values are only skipped
  int textLimit;  // characters a text of this descriptor keeps
};

TLayout ReadHeader(TByteReader& reader) {
  const std::optional<QByteArrayView> magic = reader.Take(3);
  if (!magic || *magic != QByteArrayView(kProfileFileMagic)) {
    reader.Restart();
    return {false, false, true};
  }
  const std::optional<quint64> bits = reader.TakeNumber<quint64>();
  if (!bits) throw TProfileReadError(kReadError);
  double version = std::bit_cast<double>(*bits);
  if (!(version >= 1.0)) version = 1.0;
  return {true, version >= kTextPresenceFlagSince, version < kTextSizeWithoutTerminatorSince};
}

std::vector<TDescriptor> ReadDescriptors(TByteReader& reader, const TLayout& layout) {
  const std::optional<qint32> count = reader.TakeNumber<qint32>();
  if (!count) throw TProfileReadError(kReadError);
  if (*count < 0) throw TProfileReadError(kInvalidFormat);
  // No reserve: every descriptor takes at least 8 bytes, so a huge count
  // runs out of file long before it runs out of memory.
  std::vector<TDescriptor> descriptors;
  for (qint32 i = 0; i < *count; ++i) {
    const std::optional<qint32> size = reader.TakeNumber<qint32>();
    const std::optional<quint16> type = reader.TakeNumber<quint16>();
    const std::optional<quint16> nameLength = reader.TakeNumber<quint16>();
    if (!size || !type || !nameLength) throw TProfileReadError(kReadError);
    if (*nameLength > 255) throw TProfileReadError(kInvalidFormat);
    const std::optional<QByteArrayView> nameBytes = reader.Take(*nameLength);
    if (!nameBytes) throw TProfileReadError(kReadError);
    const std::optional<TFieldKind> kind = KindOfTypeCode(*type);
    if (!kind) throw TProfileReadError(kInvalidFormat);

    const qsizetype terminator = nameBytes->indexOf('\0');
    const QByteArrayView name = terminator < 0 ? *nameBytes : nameBytes->first(terminator);
    int field = FindProfileField(name);
    if (field >= 0 && kProfileFields[field].kind != *kind) field = -1;
    int textLimit = 0;
    if (field >= 0 && *kind == TFieldKind::Text) {
      const qint64 length = qint64{*size} - (layout.textSizeWithTerminator ? 1 : 0);
      textLimit = static_cast<int>(std::clamp<qint64>(length, 0, kProfileFields[field].size));
    }
    descriptors.push_back({*kind, field, textLimit});
  }
  return descriptors;
}

// A value as the file holds it, before it goes into a field.
struct TRawValue {
  bool present = false;  // false for null
  QByteArrayView bytes;  // texts and memos
  int number = 0;        // numbers and switches
};

TRawValue PresentBytes(QByteArrayView bytes) {
  TRawValue value;
  value.present = true;
  value.bytes = bytes;
  return value;
}

std::optional<TRawValue> ReadText(TByteReader& reader, const TLayout& layout) {
  if (layout.textPresenceFlag) {
    const std::optional<quint8> flag = reader.TakeNumber<quint8>();
    if (!flag) return std::nullopt;
    if (*flag == 0) return TRawValue{};
  }
  const std::optional<qint32> count = reader.TakeNumber<qint32>();
  const std::optional<QByteArrayView> body = count ? reader.Take(*count) : std::nullopt;
  if (!body) return std::nullopt;
  if (layout.textPresenceFlag) return PresentBytes(*body);
  // Older layouts count a terminating zero; a count of 0 or 1 is null.
  if (body->size() <= 1) return TRawValue{};
  return PresentBytes(body->chopped(1));
}

// The next value of this kind; nothing when it runs past the end of the file.
std::optional<TRawValue> ReadValue(TByteReader& reader, const TLayout& layout, TFieldKind kind) {
  switch (kind) {
    case TFieldKind::Text:
      return ReadText(reader, layout);
    case TFieldKind::Memo: {
      const std::optional<qint32> count = reader.TakeNumber<qint32>();
      const std::optional<QByteArrayView> body = count ? reader.Take(*count) : std::nullopt;
      if (!body) return std::nullopt;
      return PresentBytes(*body);
    }
    case TFieldKind::SmallInt:
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
    case TFieldKind::Boolean: {
      TRawValue value;
      value.present = true;
      if (layout.presenceFlags) {
        const std::optional<quint8> flag = reader.TakeNumber<quint8>();
        if (!flag) return std::nullopt;
        value.present = *flag != 0;
      }
      const std::optional<QByteArrayView> bytes = reader.Take(ValueWidth(kind));
      if (!bytes) return std::nullopt;
      value.number = kind == TFieldKind::Integer || kind == TFieldKind::AutoInc ? qFromLittleEndian<qint32>(bytes->data())
                                                                               : qFromLittleEndian<qint16>(bytes->data());
      return value;
    }
  }
  Q_UNREACHABLE();
}

// Puts a value into its field of `row`. False when some of it does not fit:
// the descriptor has no field, or a text is longer than its field.
bool StoreValue(const TDescriptor& descriptor, const TRawValue& value, TProfileValues& row) {
  if (descriptor.field < 0) {
    // An empty memo or text holds nothing to lose.
    const bool fixedWidth = descriptor.kind != TFieldKind::Text && descriptor.kind != TFieldKind::Memo;
    return !value.present || (!fixedWidth && value.bytes.isEmpty());
  }
  if (!value.present) return true;
  QVariant& field = row[descriptor.field];
  switch (descriptor.kind) {
    case TFieldKind::Text: {
      const qsizetype kept = std::min<qsizetype>(value.bytes.size(), descriptor.textLimit);
      field = DecodeWindows1252(value.bytes.first(kept));
      return kept == value.bytes.size();
    }
    case TFieldKind::Memo:
      field = kProfileFields[descriptor.field].binary ? QVariant(value.bytes.toByteArray())
                                                      : QVariant(DecodeWindows1252(value.bytes));
      return true;
    case TFieldKind::Boolean:
      field = value.number != 0;
      return true;
    case TFieldKind::SmallInt:
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
      field = value.number;
      return true;
  }
  Q_UNREACHABLE();
}

// Reads one record into `row`; false when the file ends inside it.
bool ReadRecord(TByteReader& reader, const TLayout& layout, const std::vector<TDescriptor>& descriptors,
                TProfileValues& row, bool& valuesDropped) {
  for (const TDescriptor& descriptor : descriptors) {
    const std::optional<TRawValue> value = ReadValue(reader, layout, descriptor.kind);
    if (!value) return false;
    if (!StoreValue(descriptor, *value, row)) valuesDropped = true;
  }
  return true;
}

}  // namespace

TProfileFileContents ReadProfileFile(QByteArrayView bytes) {
  TByteReader reader(bytes);
  const TLayout layout = ReadHeader(reader);
  const std::vector<TDescriptor> descriptors = ReadDescriptors(reader, layout);

  TProfileFileContents contents;
  // Without descriptors a record takes no bytes: whatever follows cannot be read.
  if (descriptors.empty()) {
    contents.incomplete = !reader.AtEnd();
    return contents;
  }
  while (!reader.AtEnd()) {
    if (contents.rows.size() == kMaxProfiles) throw TProfileReadError("Too many records");
    TProfileValues row;
    if (!ReadRecord(reader, layout, descriptors, row, contents.valuesDropped)) {
      contents.incomplete = true;
      break;
    }
    contents.rows.push_back(std::move(row));
  }
  return contents;
}

}  // namespace quorvane
