#pragma once

#include <QByteArray>

#include <vector>

#include "profiles/profile_fields.h"

namespace quorvane {

// The whole profile file in layout 1.91: header, the 23 field descriptors and
// one record per row in the order given.
QByteArray WriteProfileFile(const std::vector<TProfileValues>& rows);

}  // namespace quorvane
