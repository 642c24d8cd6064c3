#pragma once

#include <QColor>

namespace quorvane {

// Tile colours are stored as Windows colour values: 0x00BBGGRR.
inline QColor FromWindowsColor(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int ToWindowsColor(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace quorvane
