#include "profiles/new_profile.h"

#include <utility>
#include <vector>

namespace quorvane {

namespace {

const QString kNewTitle = QStringLiteral("Neuer Button");

constexpr TProfileField kCopiedFields[] = {
    pfDPI,    pfFarbe,           pfInputSize, pfOutputSize, pfPreviewSize, pfShowFilename,  pfFolder,
    pfAutoFileNameVar, pfSettings, pfDuplex,  pfScanBarCode, pfDelete1StPage, pfShowPrefix,
};

// The value as the field's typed accessor reads it: null becomes 0, false or empty.
QVariant ThroughAccessor(TProfileField field, const QVariant& value) {
  const TFieldDef& def = kProfileFields[field];
  switch (def.kind) {
    case TFieldKind::Boolean:
      return value.toBool();
    case TFieldKind::Text:
    case TFieldKind::Memo:
      return def.binary ? QVariant(value.toByteArray()) : QVariant(value.toString());
    case TFieldKind::SmallInt:
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
      return value.toInt();
  }
  Q_UNREACHABLE();
}

std::vector<std::pair<TProfileField, QVariant>> FirstProfileDefaults() {
  return {{pfDPI, 200},       {pfFarbe, 1},        {pfInputSize, 0},        {pfOutputSize, 0},
          {pfPreviewSize, 300}, {pfShowFilename, true}};
}

}  // namespace

void InsertNewProfile(TMemData& table) {
  // Only an empty table has a current row without an ID.
  std::vector<std::pair<TProfileField, QVariant>> values;
  if (!table.Value(pfID).isValid()) {
    values = FirstProfileDefaults();
  } else {
    for (const TProfileField field : kCopiedFields) values.emplace_back(field, ThroughAccessor(field, table.Value(field)));
  }
  table.Insert();
  table.SetValue(pfVantelTitel, kNewTitle);
  table.SetValue(pfFileCount, 0);
  for (const auto& [field, value] : values) table.SetValue(field, value);
  table.Post();
}

}  // namespace quorvane
