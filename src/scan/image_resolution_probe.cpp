#include "image_resolution_probe.h"

#include <QFile>

namespace quorvane {

namespace {

quint32 BigEndian(const QByteArray& bytes, qsizetype at, int size) {
  quint32 value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | static_cast<quint8>(bytes.at(at + i));
  return value;
}

quint32 Endian(const QByteArray& bytes, qsizetype at, int size, bool little) {
  if (!little) return BigEndian(bytes, at, size);
  quint32 value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<quint8>(bytes.at(at + i));
  return value;
}

// A pHYs chunk in metres before the image data.
bool PngRecords(QFile& file) {
  if (!file.seek(8)) return false;  // past the signature
  while (true) {
    const QByteArray chunk = file.read(8);
    if (chunk.size() != 8) return false;
    const quint32 length = BigEndian(chunk, 0, 4);
    const QByteArray type = chunk.mid(4);
    if (type == "IDAT" || type == "IEND") return false;
    if (type == "pHYs") {
      const QByteArray data = file.read(9);
      return data.size() == 9 && data.at(8) == 1;
    }
    if (!file.seek(file.pos() + length + 4)) return false;
  }
}

// A JFIF segment whose density is in dots per inch or per centimetre.
bool JpegRecords(QFile& file) {
  if (file.read(2) != QByteArray("\xFF\xD8", 2)) return false;
  while (true) {
    const QByteArray marker = file.read(4);
    if (marker.size() != 4 || static_cast<quint8>(marker.at(0)) != 0xFF) return false;
    const auto code = static_cast<quint8>(marker.at(1));
    if (code == 0xDA || code == 0xD9) return false;  // image data or end
    const quint32 length = BigEndian(marker, 2, 2);
    if (length < 2) return false;
    const QByteArray data = file.read(length - 2);
    if (code == 0xE0 && data.startsWith(QByteArray("JFIF\0", 5)) && data.size() >= 8)
      return data.at(7) == 1 || data.at(7) == 2;
  }
}

// An XResolution entry in the first directory, with a unit other than "none".
bool TiffRecords(QFile& file) {
  const QByteArray header = file.read(8);
  if (header.size() != 8 || (header.left(2) != "II" && header.left(2) != "MM")) return false;
  const bool little = header.startsWith("II");
  if (!file.seek(Endian(header, 4, 4, little))) return false;
  const QByteArray countBytes = file.read(2);
  if (countBytes.size() != 2) return false;
  const quint32 count = Endian(countBytes, 0, 2, little);
  const QByteArray entries = file.read(12 * static_cast<qint64>(count));
  bool resolution = false;
  quint32 unit = 2;
  for (qsizetype at = 0; at + 12 <= entries.size(); at += 12) {
    const quint32 tag = Endian(entries, at, 2, little);
    if (tag == 282) resolution = true;
    if (tag == 296) unit = Endian(entries, at + 8, 2, little);
  }
  return resolution && unit != 1;
}

// The header's horizontal pixels per metre, 0 for none.
bool BmpRecords(QFile& file) {
  const QByteArray header = file.read(42);
  return header.size() == 42 && header.startsWith("BM") && Endian(header, 38, 4, true) != 0;
}

}  // namespace

bool FileRecordsResolution(const QString& path, const QByteArray& format) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  if (format == "png") return PngRecords(file);
  if (format == "jpeg" || format == "jpg") return JpegRecords(file);
  if (format == "tiff" || format == "tif") return TiffRecords(file);
  if (format == "bmp") return BmpRecords(file);
  return false;
}

}  // namespace quorvane
