#pragma once

#include <QString>

namespace quorvane {

// The program's SANE configuration folder: it enables the "test" backend, a
// scanner every machine has, with a scan area that holds A4.
// $QUORVANE_SANE_CONFIG, else the installed folder, else the source tree's.
QString ShippedSaneConfigDir();

// Puts the shipped configuration in front of the system's, before SANE starts.
// SANE reads only the first "dll.d" folder it finds, so the system's entries
// are copied next to ours into a folder of the user's runtime (or cache) directory.
// A SANE_CONFIG_DIR set by the caller is left alone.
void UseProjectSaneConfig();

}  // namespace quorvane
