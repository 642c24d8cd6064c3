// Prepares the data folder for a first look at the program: when it holds no
// profile file yet, a few demo profiles that write into its folder
// "Dokumente", and SANE's test scanner as the last scanner used.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>

#include "app/client_routines.h"
#include "app/demo_home.h"
#include "profiles/data_module.h"
#include "scan/acquisition/sane/sane_config.h"
#include "scan/acquisition/scanner_list.h"

int main(int argc, char* argv[]) {
  using namespace quorvane;
  UseProjectSaneConfig();
  QCoreApplication application(argc, argv);
  const QString home = GetProgramFolder();
  if (QFileInfo::exists(home + QStringLiteral("/Vantel.dat"))) return 0;
  try {
    const QString output = home + QStringLiteral("/Dokumente");
    QDir().mkpath(output);
    TDM dm;
    dm.DataModuleCreate();
    AddDemoProfiles(dm.MemData, output);
    dm.DataModuleDestroy();
    const QString scanner = TestScannerDisplayName();
    if (!scanner.isEmpty()) SetLastScanner(scanner);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quorvane-demo-home: %s\n", error.what());
    return 1;
  }
  return 0;
}
