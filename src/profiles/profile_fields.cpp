#include "profiles/profile_fields.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <stdexcept>

namespace quorvane {

const std::array<TFieldDef, kProfileFieldCount> kProfileFields = {{
    {"ID", TFieldKind::AutoInc},
    {"VantelTitel", TFieldKind::Text, 35},
    {"VantelColor", TFieldKind::Integer},
    {"Folder", TFieldKind::Text, 255},
    {"AutoFileNameVar", TFieldKind::Text, 50},
    {"Farbe", TFieldKind::SmallInt},
    {"DPI", TFieldKind::Integer},
    {"InputSize", TFieldKind::SmallInt},
    {"OutputSize", TFieldKind::SmallInt},
    {"PreviewSize", TFieldKind::Integer},
    {"Duplex", TFieldKind::Boolean},
    {"ScanBarCode", TFieldKind::Boolean},
    {"Delete1StPage", TFieldKind::Boolean},
    {"Settings", TFieldKind::Memo, 0, true},
    {"ShowPrefix", TFieldKind::Boolean},
    {"TypStr", TFieldKind::Text, 10},
    {"Stapel", TFieldKind::Boolean},
    {"RemoveBlankPage", TFieldKind::Boolean},
    {"RBPToleranz", TFieldKind::SmallInt},
    {"BARCODEWORDS", TFieldKind::Memo},
    {"SaveAsTif", TFieldKind::Boolean},
    {"ShowFilename", TFieldKind::Boolean},
    {"FileCount", TFieldKind::Integer},
}};

int FindProfileField(QByteArrayView name) {
  for (int i = 0; i < kProfileFieldCount; ++i) {
    if (name.compare(QByteArrayView(kProfileFields[i].name), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

namespace {

// Cuts after `size` characters; a character outside the BMP counts as one,
// as it becomes one "?" in the file.
QString CutToCharacters(const QString& text, int size) {
  int characters = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (characters == size) return text.left(i);
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    ++characters;
  }
  return text;
}

[[noreturn]] void Refuse(TProfileField field, const QVariant& value) {
  throw std::invalid_argument(QStringLiteral("%1 is not a valid value for field '%2'")
                                  .arg(value.toString(), QLatin1StringView(kProfileFields[field].name))
                                  .toStdString());
}

}  // namespace

QVariant ToFieldValue(TProfileField field, const QVariant& value) {
  if (!value.isValid()) return {};
  const TFieldDef& def = kProfileFields[field];
  switch (def.kind) {
    case TFieldKind::Text:
      return CutToCharacters(value.toString(), def.size);
    case TFieldKind::Memo:
      if (def.binary) return value.toByteArray();
      return value.toString();
    case TFieldKind::Boolean:
      if (value.canConvert<bool>()) return value.toBool();
      break;
    case TFieldKind::SmallInt:
    case TFieldKind::Integer:
    case TFieldKind::AutoInc: {
      bool ok = false;
      const qlonglong number = value.toLongLong(&ok);
      const bool small = def.kind == TFieldKind::SmallInt;
      const qlonglong low = small ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min();
      const qlonglong high = small ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max();
      if (ok && number >= low && number <= high) return static_cast<int>(number);
      break;
    }
  }
  Refuse(field, value);
}

}  // namespace quorvane
