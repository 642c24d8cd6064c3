#pragma once

// Builds profile files byte by byte from the layout description, in every
// layout version, independently of the program's own writer.
#include <QByteArray>
#include <QtEndian>

#include <cstring>
#include <string>
#include <variant>
#include <vector>

namespace quorvane::test {

// 'A' auto-increment, 'T' text, 'I' 32-bit, 'S' 16-bit, 'B' Boolean, 'M' memo.
struct FixtureField {
  const char* name;
  char kind;
  int size;  // text length
};

inline const std::vector<FixtureField>& FixtureFields() {
  static const std::vector<FixtureField> fields = {
      {"ID", 'A', 0},           {"VantelTitel", 'T', 35},     {"VantelColor", 'I', 0},  {"Folder", 'T', 255},
      {"AutoFileNameVar", 'T', 50}, {"Farbe", 'S', 0},         {"DPI", 'I', 0},          {"InputSize", 'S', 0},
      {"OutputSize", 'S', 0},   {"PreviewSize", 'I', 0},      {"Duplex", 'B', 0},       {"ScanBarCode", 'B', 0},
      {"Delete1StPage", 'B', 0}, {"Settings", 'M', 0},        {"ShowPrefix", 'B', 0},   {"TypStr", 'T', 10},
      {"Stapel", 'B', 0},       {"RemoveBlankPage", 'B', 0},  {"RBPToleranz", 'S', 0},  {"BARCODEWORDS", 'M', 0},
      {"SaveAsTif", 'B', 0},    {"ShowFilename", 'B', 0},     {"FileCount", 'I', 0},
  };
  return fields;
}

// A value of a fixture record: null, a number (also a switch: 0/1) or bytes.
using FixtureValue = std::variant<std::monostate, int, std::string>;

struct FixtureLayout {
  bool header;
  double version;  // ignored without header
};

inline constexpr FixtureLayout kNoHeader{false, 0};
inline constexpr FixtureLayout kLayout150{true, 1.5};
inline constexpr FixtureLayout kLayout187{true, 1.87};
inline constexpr FixtureLayout kLayout191{true, 1.91};

class ProfileFileBuilder {
 public:
  explicit ProfileFileBuilder(FixtureLayout layout) : layout_(layout) {
    if (layout.header) {
      bytes_.append("Ver", 3);
      quint64 bits;
      std::memcpy(&bits, &layout.version, sizeof bits);
      Le<quint64>(bits);
    }
  }

  template <typename T>
  ProfileFileBuilder& Le(T value) {
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes_.append(raw, sizeof(T));
    return *this;
  }
  ProfileFileBuilder& Raw(const QByteArray& raw) {
    bytes_.append(raw);
    return *this;
  }

  ProfileFileBuilder& Descriptor(const char* name, qint32 size, quint16 type) {
    Le<qint32>(size).Le<quint16>(type).Le<quint16>(static_cast<quint16>(std::strlen(name) + 1));
    bytes_.append(name, static_cast<qsizetype>(std::strlen(name) + 1));
    return *this;
  }

  // The count and the descriptors of all 23 fields in field order.
  ProfileFileBuilder& AllDescriptors() {
    Le<qint32>(static_cast<qint32>(FixtureFields().size()));
    for (const FixtureField& field : FixtureFields()) FieldDescriptor(field);
    return *this;
  }

  ProfileFileBuilder& FieldDescriptor(const FixtureField& field) {
    const bool sizeWithTerminator = !layout_.header || layout_.version < 1.905;
    switch (field.kind) {
      case 'A': return Descriptor(field.name, 4, 12);
      case 'I': return Descriptor(field.name, 4, 3);
      case 'S': return Descriptor(field.name, 2, 2);
      case 'B': return Descriptor(field.name, 2, 5);
      case 'M': return Descriptor(field.name, 0, 14);
      default: return Descriptor(field.name, field.size + (sizeWithTerminator ? 1 : 0), 1);
    }
  }

  // One value encoded for a field of this kind in this layout.
  ProfileFileBuilder& Value(char kind, const FixtureValue& value) {
    const bool null = std::holds_alternative<std::monostate>(value);
    switch (kind) {
      case 'A':
      case 'I':
        Flag(null);
        return Le<qint32>(null ? 0 : std::get<int>(value));
      case 'S':
      case 'B':
        Flag(null);
        return Le<qint16>(static_cast<qint16>(null ? 0 : std::get<int>(value)));
      case 'M': {
        const std::string bytes = null ? std::string() : std::get<std::string>(value);
        Le<qint32>(static_cast<qint32>(bytes.size()));
        bytes_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return *this;
      }
      default:
        return Text(null ? nullptr : &std::get<std::string>(value));
    }
  }

  // A record of all 23 fields, values in field order.
  ProfileFileBuilder& Record(const std::vector<FixtureValue>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) Value(FixtureFields()[i].kind, values[i]);
    return *this;
  }

  QByteArray Bytes() const { return bytes_; }

 private:
  void Flag(bool null) {
    if (layout_.header) bytes_.append(null ? '\0' : '\1');
  }

  ProfileFileBuilder& Text(const std::string* text) {
    if (layout_.header && layout_.version >= 1.85) {
      bytes_.append(text ? '\1' : '\0');
      if (!text) return *this;
      Le<qint32>(static_cast<qint32>(text->size()));
      bytes_.append(text->data(), static_cast<qsizetype>(text->size()));
      return *this;
    }
    // Older layouts: a count with the terminating zero; 0 for null.
    if (!text) return Le<qint32>(0);
    Le<qint32>(static_cast<qint32>(text->size() + 1));
    bytes_.append(text->data(), static_cast<qsizetype>(text->size()));
    bytes_.append('\0');
    return *this;
  }

  FixtureLayout layout_;
  QByteArray bytes_;
};

}  // namespace quorvane::test
