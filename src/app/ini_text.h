#pragma once

#include <QString>

namespace quorvane {

// The value of `key` in `[section]` of an INI text, as Windows reads it:
// section and key names without regard to letter case, blanks around names and
// values dropped, the first match wins. A null text when it is not there.
QString ReadIniString(const QString& text, const QString& section, const QString& key);

// The same value as a decimal integer; `fallback` when missing or not a number.
int ReadIniInteger(const QString& text, const QString& section, const QString& key, int fallback);

}  // namespace quorvane
