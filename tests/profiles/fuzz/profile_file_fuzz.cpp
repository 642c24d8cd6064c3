// Feeds arbitrary bytes to the profile file reader. Whatever it accepts must
// survive writing and reading back unchanged and must load into the table.
#include <cstdint>
#include <cstdlib>

#include "profiles/memdata.h"
#include "profiles/profile_file_error.h"
#include "profiles/profile_file_reader.h"
#include "profiles/profile_file_writer.h"

namespace {

// The file cannot tell a null memo from an empty one; everything else must match.
bool SameRows(const std::vector<quorvane::TProfileValues>& a, const std::vector<quorvane::TProfileValues>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t row = 0; row < a.size(); ++row) {
    for (int field = 0; field < quorvane::kProfileFieldCount; ++field) {
      const QVariant& x = a[row][field];
      const QVariant& y = b[row][field];
      if (quorvane::kProfileFields[field].kind == quorvane::TFieldKind::Memo) {
        if (x.toByteArray() != y.toByteArray()) return false;
      } else if (x.isValid() != y.isValid() || x != y) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  TProfileFileContents contents;
  try {
    contents = ReadProfileFile(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  } catch (const TProfileReadError&) {
    return 0;
  }
  const TProfileFileContents again = ReadProfileFile(WriteProfileFile(contents.rows));
  if (again.incomplete || !SameRows(again.rows, contents.rows)) std::abort();

  TMemData table;
  table.LoadRows(contents.rows);
  if (table.RecordCount() != static_cast<int>(contents.rows.size())) std::abort();
  return 0;
}
