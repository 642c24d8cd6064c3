// quorvane-cli: the program's operations without the window.
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <string_view>

#include "commands.h"
#include "scan/acquisition/sane/sane_config.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const QStringList& args);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"profiles", quorvane::cli::RunProfilesCommand, "profiles --json"},
    {"save", quorvane::cli::RunSaveCommand,
     "save [--mode bw|grey|colour] [--dpi N] [--output-size auto|a4] [--tiff] [--raw] -o ZIEL BILD..."},
    {"scan", quorvane::cli::RunScanCommand,
     "scan --profile TITEL [--source folder:ORDNER|GER\u00c4T] [--name NAME] [--knr NUMMER] [--cancel]"},
    {"scanners", quorvane::cli::RunScannersCommand, "scanners"},
};

int PrintUsage() {
  QTextStream err(stderr);
  err << "Aufruf: quorvane-cli BEFEHL [OPTIONEN]\n";
  for (const Command& command : kCommands)
    err << "  quorvane-cli " << QString::fromUtf8(command.usage.data(), static_cast<qsizetype>(command.usage.size())) << "\n";
  return 64;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName("Kestrow");
  QCoreApplication::setApplicationName("Quorvane");
  quorvane::UseProjectSaneConfig();
  QStringList args = QCoreApplication::arguments();
  if (args.size() < 2) return PrintUsage();
  const QString name = args.at(1);
  args.remove(0, 2);
  for (const Command& command : kCommands) {
    if (name == QString::fromUtf8(command.name.data(), static_cast<qsizetype>(command.name.size())))
      return command.run(args);
  }
  return PrintUsage();
}
