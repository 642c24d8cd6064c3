#pragma once

#include <QByteArrayView>
#include <QVariant>

#include <array>

namespace quorvane {

// What a field holds. Texts, integers and switches are QString, int and bool
// values; a memo is a QString, or a QByteArray when it holds binary data.
enum class TFieldKind : quint8 { Text, SmallInt, Integer, Boolean, AutoInc, Memo };

// The fields of a profile, in row order, which is also their order in the profile file.
enum TProfileField : int {
  pfID,
  pfVantelTitel,
  pfVantelColor,
  pfFolder,
  pfAutoFileNameVar,
  pfFarbe,
  pfDPI,
  pfInputSize,
  pfOutputSize,
  pfPreviewSize,
  pfDuplex,
  pfScanBarCode,
  pfDelete1StPage,
  pfSettings,
  pfShowPrefix,
  pfTypStr,
  pfStapel,
  pfRemoveBlankPage,
  pfRBPToleranz,
  pfBARCODEWORDS,
  pfSaveAsTif,
  pfShowFilename,
  pfFileCount,
};
inline constexpr int kProfileFieldCount = pfFileCount + 1;

struct TFieldDef {
  const char* name;
  TFieldKind kind;
  int size = 0;         // maximum length of a text in characters
  bool binary = false;  // a memo of raw bytes (the scanner driver's settings), not text
};

extern const std::array<TFieldDef, kProfileFieldCount> kProfileFields;

// The field called `name` (ASCII letters compared without case), or -1.
int FindProfileField(QByteArrayView name);

// One profile: a value per field; an invalid QVariant is null.
using TProfileValues = std::array<QVariant, kProfileFieldCount>;

// `value` in the form the field stores: null stays null, numbers become int
// (range-checked for 16-bit fields), switches bool, texts QString cut to the
// field's size, binary memos QByteArray. Throws std::invalid_argument for a
// value the field cannot hold.
QVariant ToFieldValue(TProfileField field, const QVariant& value);

}  // namespace quorvane
