#pragma once

#include <QtGlobal>

#include <optional>

#include "profiles/profile_fields.h"

namespace quorvane {

// "Vantel.dat": "Ver", the layout version as a little-endian double, the field
// descriptors, then the records until the end of the file.
inline constexpr char kProfileFileMagic[] = "Ver";
inline constexpr double kProfileFileVersion = 1.91;
// Layouts before these versions store texts differently.
inline constexpr double kTextPresenceFlagSince = 1.85;
inline constexpr double kTextSizeWithoutTerminatorSince = 1.905;

// The type code of a field kind in a descriptor, and back.
quint16 TypeCodeOf(TFieldKind kind);
std::optional<TFieldKind> KindOfTypeCode(quint16 code);

// Bytes of a number or switch value after its presence flag.
int ValueWidth(TFieldKind kind);

}  // namespace quorvane
