// quorvane-cli scan: one scan job as a tile click runs it, answered from the arguments.
#include <QFileInfo>
#include <QTextStream>

#include <memory>

#include "app/client_routines.h"
#include "commands.h"
#include "profiles/data_module.h"
#include "profiles/profile_file_error.h"
#include "scan/acquisition/acquisition_source.h"
#include "scan/acquisition/image_folder_source.h"
#include "scan/acquisition/scanner_list.h"
#include "scan/acquisition/scanner_sources.h"
#include "scan/job/scan_job.h"
#include "scan/page_list.h"

namespace quorvane::cli {

namespace {

constexpr int kSaved = 0;
constexpr int kFailed = 1;
constexpr int kUnreadableProfiles = 2;
constexpr int kCancelled = 3;
constexpr int kUsageError = 64;

struct TScanArguments {
  QString profile;
  QString source;
  std::optional<QString> name;
  QString customerNumber;
  bool cancel = false;
};

std::optional<TScanArguments> ParseArguments(const QStringList& args) {
  TScanArguments parsed;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& option = args[i];
    if (option == QLatin1String("--cancel")) {
      parsed.cancel = true;
      continue;
    }
    if (i + 1 >= args.size()) return std::nullopt;
    const QString& value = args[++i];
    if (option == QLatin1String("--profile")) {
      parsed.profile = value;
    } else if (option == QLatin1String("--source")) {
      parsed.source = value;
    } else if (option == QLatin1String("--name")) {
      parsed.name = value;
    } else if (option == QLatin1String("--knr")) {
      parsed.customerNumber = value;
    } else {
      return std::nullopt;
    }
  }
  if (parsed.profile.isEmpty()) return std::nullopt;
  return parsed;
}

// Statuses on stdout, messages on stderr; the dialog is answered once from the
// arguments and cancelled when it comes again, so no answer loops.
class TCommandLineUi : public TScanJobUi {
 public:
  explicit TCommandLineUi(const TScanArguments& args) : args_(args) {}

  void ShowStatus(const QString& text) override { out_ << text << Qt::endl; }
  void ShowMessage(const QString& text) override {
    for (const QString& line : text.split(QLatin1Char('\n'))) err_ << "Meldung: " << line << Qt::endl;
  }
  void ProcessMessages() override {}
  void SetBusyCursor(bool) override {}
  TFileNameAnswer AskFileNameDialog(const QString& fileName, bool showCustomerNumber) override {
    ++dialogs_;
    TFileNameAnswer answer;
    answer.fileName = args_.name.value_or(fileName);
    if (showCustomerNumber) answer.customerNumber = args_.customerNumber;
    answer.confirmed = !args_.cancel && dialogs_ == 1;
    return answer;
  }

 private:
  const TScanArguments& args_;
  QTextStream out_{stdout};
  QTextStream err_{stderr};
  int dialogs_ = 0;
};

std::unique_ptr<TAcquisitionSource> OpenSource(const QString& source) {
  const QString folderPrefix = QStringLiteral("folder:");
  if (source.startsWith(folderPrefix)) return std::make_unique<TImageFolderSource>(source.mid(folderPrefix.size()));
  // Without a source the remembered scanner, as the window would choose it.
  const QString name = source.isEmpty() ? ReadRegString(QStringLiteral("Scanner"), QStringLiteral("LastScanner")) : source;
  if (name.isEmpty() || name == TScannerList::kPlaceholder) {
    const QStringList scanners = ListScannerDescriptions();
    if (scanners.isEmpty()) throw TAcquisitionError(TAcquisitionErrorKind::DeviceError, QStringLiteral("Kein Scanner gefunden."));
    return OpenScanner(scanners.first());
  }
  return OpenScanner(name);
}

bool LocateTitle(TMemData& table, const QString& title) {
  for (table.First(); !table.Eof(); table.Next()) {
    if (table.Value(pfVantelTitel).toString() == title) return true;
  }
  return false;
}

}  // namespace

int RunScanCommand(const QStringList& args) {
  QTextStream err(stderr);
  const std::optional<TScanArguments> parsed = ParseArguments(args);
  if (!parsed) {
    err << "Aufruf: quorvane-cli scan --profile TITEL [--source folder:ORDNER|GER\u00c4T] [--name NAME] [--knr NUMMER] [--cancel]\n";
    return kUsageError;
  }
  TDM dm;
  try {
    dm.DataModuleCreate();
  } catch (const TProfileFileError& error) {
    err << "Die Profile konnten nicht geladen werden: " << error.what() << Qt::endl;
    return kUnreadableProfiles;
  }

  int status = kFailed;
  if (!LocateTitle(dm.MemData, parsed->profile)) {
    err << "Kein Profil mit dem Titel \"" << parsed->profile << "\"." << Qt::endl;
  } else {
    TCommandLineUi ui(*parsed);
    try {
      std::unique_ptr<TAcquisitionSource> source = OpenSource(parsed->source);
      TPageList pages;
      TScanJob job(dm, pages, ui, ReadBackupSettings(GetProgramFolder() + QStringLiteral("/Vantel.ini")),
                   [&source] { return source.get(); });
      switch (job.ScanTimerTimer()) {
        case TJobOutcome::Saved: status = kSaved; break;
        case TJobOutcome::Cancelled: status = kCancelled; break;
        case TJobOutcome::Failed: status = kFailed; break;
      }
    } catch (const TAcquisitionError& error) {
      ui.ShowMessage(error.Message());
    } catch (const std::exception& error) {
      ui.ShowMessage(QString::fromLocal8Bit(error.what()));
    }
  }

  try {
    dm.DataModuleDestroy();
  } catch (const TProfileFileError& error) {
    err << "Die Profile konnten nicht gespeichert werden: " << error.what() << Qt::endl;
    return kFailed;
  }
  return status;
}

}  // namespace quorvane::cli
