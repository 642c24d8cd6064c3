// quorvane-cli save: image files as a page list, saved as one document the
// way a scan job saves it.
#include <QTextStream>

#include <optional>
#include <stdexcept>

#include "commands.h"
#include "scan/document_saver.h"
#include "scan/image_file_reader.h"
#include "scan/page_list.h"

namespace quorvane::cli {

namespace {

constexpr int kSaved = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 64;
constexpr int kMaxDpi = 100000;

struct TSaveArguments {
  std::optional<TColourMode> mode;
  std::optional<int> dpi;
  int outputSize = osAuto;
  bool tiff = false;
  bool raw = false;
  QString target;
  QStringList images;
};

std::optional<TColourMode> ParseMode(const QString& text) {
  if (text == QLatin1String("bw")) return TColourMode::BlackWhite;
  if (text == QLatin1String("grey")) return TColourMode::Grey;
  if (text == QLatin1String("colour")) return TColourMode::Colour;
  return std::nullopt;
}

// Returns the reason when the arguments make no sense.
QString ParseArguments(const QStringList& args, TSaveArguments& parsed) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& option = args[i];
    if (option == QLatin1String("--tiff")) {
      parsed.tiff = true;
    } else if (option == QLatin1String("--raw")) {
      parsed.raw = true;
    } else if (option == QLatin1String("--mode") || option == QLatin1String("--dpi") ||
               option == QLatin1String("--output-size") || option == QLatin1String("-o")) {
      if (i + 1 >= args.size()) return option + " braucht einen Wert";
      const QString& value = args[++i];
      if (option == QLatin1String("--mode")) {
        parsed.mode = ParseMode(value);
        if (!parsed.mode) return "unbekannter Farbmodus \"" + value + "\" (bw, grey, colour)";
      } else if (option == QLatin1String("--dpi")) {
        bool ok = false;
        const int dpi = value.toInt(&ok);
        if (!ok || dpi < 1 || dpi > kMaxDpi) return "ungültige Auflösung \"" + value + "\"";
        parsed.dpi = dpi;
      } else if (option == QLatin1String("--output-size")) {
        if (value == QLatin1String("auto"))
          parsed.outputSize = osAuto;
        else if (value == QLatin1String("a4"))
          parsed.outputSize = osA4;
        else
          return "unbekannte Ausgabegröße \"" + value + "\" (auto, a4)";
      } else {
        parsed.target = value;
      }
    } else if (option.startsWith(QLatin1String("--"))) {
      return "unbekannte Option " + option;
    } else {
      parsed.images << option;
    }
  }
  if (parsed.target.isEmpty()) return "das Ziel fehlt (-o ZIEL)";
  if (parsed.images.isEmpty()) return "keine Bilddatei angegeben";
  return {};
}

}  // namespace

int RunSaveCommand(const QStringList& args) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  TSaveArguments parsed;
  if (const QString problem = ParseArguments(args, parsed); !problem.isEmpty()) {
    err << "Fehler: " << problem << Qt::endl;
    return kUsageError;
  }

  TPageList pages;
  try {
    for (const QString& image : parsed.images) {
      TPage page = ReadImageFile(image, parsed.mode);
      if (parsed.dpi) page.Params.DpiX = page.Params.DpiY = *parsed.dpi;
      pages.AddPage(std::move(page));
    }
    if (parsed.raw) {
      WriteBackupTiff(pages, parsed.target);
      out << parsed.target << Qt::endl;
      return kSaved;
    }
  } catch (const std::exception& error) {
    err << "Fehler: " << QString::fromLocal8Bit(error.what()) << Qt::endl;
    return kFailed;
  }

  const TSaveResult result = SaveAllPages(pages, parsed.target, TSaveOptions{parsed.tiff, parsed.outputSize});
  if (!result.Ok()) {
    err << "Fehler: " << result.Error << Qt::endl;
    return kFailed;
  }
  out << result.Path << Qt::endl;
  return kSaved;
}

}  // namespace quorvane::cli
