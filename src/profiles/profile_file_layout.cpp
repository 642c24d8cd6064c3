#include "profiles/profile_file_layout.h"

#include <array>
#include <utility>

namespace quorvane {

namespace {

constexpr std::array<std::pair<TFieldKind, quint16>, 6> kTypeCodes = {{
    {TFieldKind::Text, 1},
    {TFieldKind::SmallInt, 2},
    {TFieldKind::Integer, 3},
    {TFieldKind::Boolean, 5},
    {TFieldKind::AutoInc, 12},
    {TFieldKind::Memo, 14},
}};

}  // namespace

quint16 TypeCodeOf(TFieldKind kind) {
  for (const auto& [k, code] : kTypeCodes) {
    if (k == kind) return code;
  }
  Q_UNREACHABLE();
}

std::optional<TFieldKind> KindOfTypeCode(quint16 code) {
  for (const auto& [kind, c] : kTypeCodes) {
    if (c == code) return kind;
  }
  return std::nullopt;
}

int ValueWidth(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
      return 4;
    case TFieldKind::SmallInt:
    case TFieldKind::Boolean:
      return 2;
    case TFieldKind::Text:
    case TFieldKind::Memo:
      return 0;
  }
  Q_UNREACHABLE();
}

}  // namespace quorvane
