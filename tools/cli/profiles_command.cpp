// quorvane-cli profiles --json: the profile table as the program loads it.
#include <QTextStream>

#include "commands.h"
#include "profiles/data_module.h"
#include "profiles/profile_file_error.h"

namespace quorvane::cli {

namespace {

constexpr int kUsageError = 64;
constexpr int kSaveFailed = 1;
constexpr int kUnreadableProfiles = 2;

QString JsonString(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '"': out += QStringLiteral("\\\""); break;
      case '\\': out += QStringLiteral("\\\\"); break;
      case '\n': out += QStringLiteral("\\n"); break;
      case '\r': out += QStringLiteral("\\r"); break;
      case '\t': out += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 0x20) {
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
          out += c;
        }
    }
  }
  return out + QLatin1Char('"');
}

QString JsonValue(const TFieldDef& def, const QVariant& value) {
  if (!value.isValid()) return QStringLiteral("null");
  switch (def.kind) {
    case TFieldKind::Boolean:
      return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case TFieldKind::SmallInt:
    case TFieldKind::Integer:
    case TFieldKind::AutoInc:
      return QString::number(value.toInt());
    case TFieldKind::Text:
    case TFieldKind::Memo:
      // The driver settings are binary.
      if (def.binary) return JsonString(QString::fromLatin1(value.toByteArray().toBase64()));
      return JsonString(value.toString());
  }
  Q_UNREACHABLE();
}

// One object per row in table order, the keys in field order.
QString ProfilesJson(const TMemData& table) {
  const std::vector<TProfileValues> rows = table.Rows();
  if (rows.empty()) return QStringLiteral("[]\n");
  QString out = QStringLiteral("[\n");
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out += QStringLiteral("  {");
    for (int field = 0; field < kProfileFieldCount; ++field) {
      const TFieldDef& def = kProfileFields[field];
      if (field > 0) out += QStringLiteral(", ");
      out += JsonString(QString::fromLatin1(def.name)) + QStringLiteral(": ") + JsonValue(def, rows[r][field]);
    }
    out += r + 1 < rows.size() ? QStringLiteral("},\n") : QStringLiteral("}\n");
  }
  return out + QStringLiteral("]\n");
}

}  // namespace

int RunProfilesCommand(const QStringList& args) {
  QTextStream err(stderr);
  if (args != QStringList{QStringLiteral("--json")}) {
    err << "Aufruf: quorvane-cli profiles --json\n";
    return kUsageError;
  }
  TDM dm;
  try {
    dm.DataModuleCreate();
  } catch (const TProfileReadError& error) {
    err << "quorvane-cli: Die Profildatei ist nicht lesbar: " << QString::fromUtf8(error.what()) << "\n";
    return kUnreadableProfiles;
  } catch (const TProfileWriteError& error) {
    err << "quorvane-cli: Die Profildatei kann nicht geschrieben werden: " << QString::fromUtf8(error.what()) << "\n";
    return kSaveFailed;
  }
  QTextStream(stdout) << ProfilesJson(dm.MemData);
  try {
    dm.DataModuleDestroy();
  } catch (const TProfileWriteError& error) {
    err << "quorvane-cli: Die Profile wurden nicht gespeichert: " << QString::fromUtf8(error.what()) << "\n";
    return kSaveFailed;
  }
  if (!dm.KeptFileName().isEmpty()) {
    err << "quorvane-cli: Die Profildatei war nicht vollständig lesbar; das Original liegt in " << dm.KeptFileName()
        << "\n";
  }
  return 0;
}

}  // namespace quorvane::cli
