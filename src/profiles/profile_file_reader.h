#pragma once

#include <QByteArrayView>

#include <vector>

#include "profiles/profile_fields.h"

namespace quorvane {

// More profiles than anyone keeps; the cap bounds the memory a hostile file can claim.
inline constexpr int kMaxProfiles = 10000;

struct TProfileFileContents {
  std::vector<TProfileValues> rows;  // in file order
  bool incomplete = false;           // the file ended inside a record, which was dropped
  // Values the table cannot hold were left out: a field it does not have or
  // has of another kind, a text longer than its field.
  bool valuesDropped = false;
};

// Reads a profile file of any layout from 1.91 back to the files without a
// header. A field the file lacks is null in every row; the values of a
// descriptor the table has no field of its kind for are skipped. Throws
// TProfileReadError with the reason when the header or the descriptors cannot
// be read.
TProfileFileContents ReadProfileFile(QByteArrayView bytes);

}  // namespace quorvane
