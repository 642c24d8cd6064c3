// quorvane-cli scanners: the scanners SANE offers, one per line.
#include <QTextStream>

#include "commands.h"
#include "scan/acquisition/scanner_sources.h"

namespace quorvane::cli {

int RunScannersCommand(const QStringList& args) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  if (!args.isEmpty()) {
    err << "Aufruf: quorvane-cli scanners\n";
    return 64;
  }
  try {
    // Display name, a tab, then the description, which names the device for "scan --source".
    for (const QString& description : ListScannerDescriptions())
      out << DisplayNameOf(description) << '\t' << description << '\n';
  } catch (const TAcquisitionError& error) {
    err << error.Message() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quorvane::cli
