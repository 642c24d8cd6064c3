#include "profiles/profile_file_writer.h"

#include <QtEndian>

#include <bit>
#include <cstring>

#include "profiles/profile_file_layout.h"
#include "profiles/windows1252.h"

namespace quorvane {

namespace {

template <typename T>
void AppendNumber(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  qToLittleEndian(value, bytes);
  out.append(bytes, sizeof(T));
}

void AppendDescriptor(QByteArray& out, const TFieldDef& def) {
  const bool text = def.kind == TFieldKind::Text;
  const auto nameLength = static_cast<quint16>(std::strlen(def.name) + 1);
  AppendNumber<qint32>(out, text ? def.size : ValueWidth(def.kind));
  AppendNumber<quint16>(out, TypeCodeOf(def.kind));
  AppendNumber<quint16>(out, nameLength);
  out.append(def.name, nameLength);  // with its terminating zero
}

void AppendValue(QByteArray& out, const TFieldDef& def, const QVariant& value) {
  const bool present = value.isValid();
  switch (def.kind) {
    case TFieldKind::Text:
      out.append(present ? '\1' : '\0');
      if (present) {
        const QByteArray text = EncodeWindows1252(value.toString());
        AppendNumber<qint32>(out, static_cast<qint32>(text.size()));
        out.append(text);
      }
      return;
    case TFieldKind::Memo: {
      // Null and empty are the same on file.
      const QByteArray bytes = def.binary ? value.toByteArray() : EncodeWindows1252(value.toString());
      AppendNumber<qint32>(out, static_cast<qint32>(bytes.size()));
      out.append(bytes);
      return;
    }
    case TFieldKind::SmallInt:
    case TFieldKind::Boolean:
      out.append(present ? '\1' : '\0');
      AppendNumber<qint16>(out, static_cast<qint16>(value.toInt()));
      return;
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
      out.append(present ? '\1' : '\0');
      AppendNumber<qint32>(out, value.toInt());
      return;
  }
}

}  // namespace

QByteArray WriteProfileFile(const std::vector<TProfileValues>& rows) {
  QByteArray out;
  out.append(kProfileFileMagic, 3);
  AppendNumber<quint64>(out, std::bit_cast<quint64>(kProfileFileVersion));
  AppendNumber<qint32>(out, kProfileFieldCount);
  for (const TFieldDef& def : kProfileFields) AppendDescriptor(out, def);
  for (const TProfileValues& row : rows) {
    for (int field = 0; field < kProfileFieldCount; ++field) AppendValue(out, kProfileFields[field], row[field]);
  }
  return out;
}

}  // namespace quorvane
