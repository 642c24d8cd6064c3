#include "scan/acquisition/settings_block.h"

#include <QDataStream>
#include <QIODevice>

namespace quorvane {
namespace {

constexpr char kMagic[] = "QVSB";
constexpr quint8 kVersion = 1;
// Bounds that keep a damaged block from asking for absurd amounts of memory.
constexpr quint32 kMaxEntries = 100000;
constexpr quint32 kMaxValueLength = 1 << 20;

struct TEntry {
  QString Name;
  SANE_Value_Type Type = SANE_TYPE_INT;
  TOptionValue Value;
};

bool IsStored(const TOptionDescriptor& option) {
  return option.HasValue() && option.IsActive() && option.IsSettable() && option.IsReadable();
}

void WriteEntry(QDataStream& out, const TOptionDescriptor& option, const TOptionValue& value) {
  out << option.Name.toUtf8() << static_cast<quint8>(option.Type);
  if (option.Type == SANE_TYPE_STRING) {
    out << QByteArray::fromStdString(value.Text);
  } else {
    out << static_cast<quint32>(value.Words.size());
    for (SANE_Word word : value.Words) out << static_cast<qint32>(word);
  }
}

bool ReadEntry(QDataStream& in, TEntry& entry) {
  QByteArray name;
  quint8 type = 0;
  in >> name >> type;
  entry.Name = QString::fromUtf8(name);
  entry.Type = static_cast<SANE_Value_Type>(type);
  if (entry.Type == SANE_TYPE_STRING) {
    QByteArray text;
    in >> text;
    entry.Value.Text = text.toStdString();
  } else {
    quint32 count = 0;
    in >> count;
    if (count > kMaxValueLength) return false;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
      qint32 word = 0;
      in >> word;
      entry.Value.Words.push_back(word);
    }
  }
  return in.status() == QDataStream::Ok && !entry.Name.isEmpty();
}

bool ReadEntries(const QByteArray& block, std::vector<TEntry>& entries) {
  if (!block.startsWith(kMagic)) return false;
  QDataStream in(block.mid(4));
  in.setVersion(QDataStream::Qt_6_0);
  quint8 version = 0;
  quint32 count = 0;
  in >> version >> count;
  if (version != kVersion || count > kMaxEntries) return false;
  for (quint32 i = 0; i < count; ++i) {
    TEntry entry;
    if (!ReadEntry(in, entry)) return false;
    entries.push_back(std::move(entry));
  }
  return in.atEnd();
}

}  // namespace

QByteArray CaptureSettingsBlock(TDeviceOptions& options) {
  QByteArray entries;
  quint32 count = 0;
  {
    QDataStream out(&entries, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    for (std::size_t i = 1; i < options.All().size(); ++i) {
      const TOptionDescriptor option = options.All()[i];
      if (!IsStored(option)) continue;
      WriteEntry(out, option, options.Device().Value(static_cast<int>(i)));
      ++count;
    }
  }
  if (count == 0) return {};
  QByteArray block(kMagic);
  QDataStream header(&block, QIODevice::Append);
  header.setVersion(QDataStream::Qt_6_0);
  header << kVersion << count;
  return block + entries;
}

QStringList ReplaySettingsBlock(TDeviceOptions& options, const QByteArray& block) {
  std::vector<TEntry> entries;
  if (!ReadEntries(block, entries)) return {QStringLiteral("Scanner settings block not readable, ignored")};
  QStringList skipped;
  for (const TEntry& entry : entries) {
    const int index = options.Find(entry.Name);
    if (index < 0) {
      skipped << QStringLiteral("Scanner option %1 no longer exists, skipped").arg(entry.Name);
      continue;
    }
    const TOptionDescriptor& option = options.All()[static_cast<std::size_t>(index)];
    if (!option.IsActive() || !option.IsSettable()) {
      skipped << QStringLiteral("Scanner option %1 is inactive, skipped").arg(entry.Name);
      continue;
    }
    if (option.Type != entry.Type) {
      skipped << QStringLiteral("Scanner option %1 changed its type, skipped").arg(entry.Name);
      continue;
    }
    try {
      options.Set(index, entry.Value);
    } catch (const TDeviceStatusError& error) {
      skipped << QStringLiteral("Scanner option %1 refused the value (%2), skipped").arg(entry.Name, error.what());
    }
  }
  return skipped;
}

}  // namespace quorvane
