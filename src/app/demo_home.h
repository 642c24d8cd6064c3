#pragma once

#include <QString>

namespace quorvane {

class TMemData;

// Fills an empty profile table with a few demo profiles that write into
// `outputFolder`: black and white, colour and grey, as a first look at the program.
void AddDemoProfiles(TMemData& table, const QString& outputFolder);

// The display name of SANE's test scanner as the scanner list shows it; empty
// when SANE does not list it.
QString TestScannerDisplayName();

}  // namespace quorvane
