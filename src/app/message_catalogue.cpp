#include "app/message_catalogue.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

struct Message {
  int number;
  const char* text;
};

// Numbers missing from this table have no text.
constexpr std::array kCatalogue = {
    Message{1, "Möchten Sie alle Bilder wirklich löschen?"},
    Message{2, "Möchten Sie die ausgewählten Bilder wirklich löschen?"},
    Message{3, "Möchten Sie die Scanner Einstellungen wirklich löschen?"},
    Message{4, "Möchten Sie die Scanner Einstellungen übernehmen?"},
    Message{5, "Das Speichern des Scannerprofils ist mit dem verwendeten Scanner/Treiber nicht möglich!"},
    Message{6, "Es sind keine Seiten zum speichern vorhanden!"},
    Message{7, "Markieren Sie bitte min. ein Bild!"},
    Message{8, "Es sind keine Seiten zum speichern vorhanden!"},
    Message{9, "Markieren Sie bitte min. ein Bild!"},
    Message{11, "Diese Datei existiert bereits, Abbruch!"},
    Message{12, "Bitte aktivieren Sie auch automatische Dateinamen"},
    Message{14, "Die Seitenanzahl stimmt nicht!"},
    Message{15, "Die Seitenanzahl ist zu gering!"},
    Message{16, "Diese Funktion sortiert einen Stapelscan von Vorder- und- Rückseiten automatisch um."},
    Message{19, "Bitte legen Sie Papier ein."},
    Message{21, "Klicken Sie auf Update, um eine neuere Version von Pellidor zu erhalten"},
    Message{22, "Im Moment ist kein Update verfügbar"},
    Message{23, "Möchten Sie jetzt Quorvane aktualisieren?"},
    Message{24, "Markieren Sie bitte einen Bereich mit der Maus!"},
    Message{26, "Abbruch, Sie verwenden eine CPU die SSE2 nicht unterstützt oder die Barcode-Bibliothek fehlt."},
};

}  // namespace

QString GetMsgStr(int number) {
  const auto found =
      std::find_if(kCatalogue.begin(), kCatalogue.end(), [number](const Message& m) { return m.number == number; });
  return found == kCatalogue.end() ? QString() : QString::fromUtf8(found->text);
}

}  // namespace quorvane
