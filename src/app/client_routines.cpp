#include "app/client_routines.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <climits>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace quorvane {

namespace {

constexpr QChar kSeparator = u'/';

QString DataFolderPath() {
  if (!qEnvironmentVariableIsEmpty("QUORVANE_HOME")) {
    return qEnvironmentVariable("QUORVANE_HOME");
  }
  // XDG folders given as relative paths are ignored, as freedesktop.org asks.
  const QString xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
  const QString dataHome =
      QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : QDir::homePath() + QStringLiteral("/.local/share");
  return dataHome + QStringLiteral("/Quorvane");
}

QString JoinPath(const QString& folder, const QString& name) {
  if (folder.isEmpty() || folder.endsWith(kSeparator)) {
    return folder + name;
  }
  return folder + kSeparator + name;
}

// Returns true when the file was created, false when the name is taken.
bool CreateExclusively(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  if (errno == EEXIST) {
    return false;
  }
  throw std::system_error(errno, std::generic_category(), "Cannot create " + path.toStdString());
}

}  // namespace

QString GetProgramFolder() {
  const QString folder = StripTrailingBackslash(QFileInfo(DataFolderPath()).absoluteFilePath());
  // A folder that cannot be made shows up as a clear error at the first file opened in it.
  QDir().mkpath(folder.isEmpty() ? QString(kSeparator) : folder);
  return folder;
}

QString StripTrailingBackslash(const QString& path) {
  return path.endsWith(kSeparator) ? path.chopped(1) : path;
}

QString GetTempFolder() {
  return StripTrailingBackslash(QDir::tempPath());
}

QString GetUniqueTempFileName(const QString& prefix, quint16 unique, const QString& folder, bool fullPath) {
  const QString start = prefix.left(3);
  if (start.contains(kSeparator) || start.contains(QChar(u'\0'))) {
    throw std::invalid_argument("A temporary file prefix must not hold \"/\" or NUL: " + start.toStdString());
  }
  const auto nameFor = [&](unsigned number) {
    return start + QString::number(number, 16).toUpper() + QStringLiteral(".TMP");
  };
  if (unique != 0) {
    const QString name = nameFor(unique);
    return fullPath ? JoinPath(folder, name) : name;
  }
  // Counting up from 1 keeps names short; the exclusive create makes the
  // choice safe against other processes doing the same.
  for (unsigned number = 1; number <= 0xFFFF; ++number) {
    const QString name = nameFor(number);
    const QString path = JoinPath(folder, name);
    if (CreateExclusively(path)) {
      return fullPath ? path : name;
    }
  }
  throw std::system_error(std::make_error_code(std::errc::file_exists),
                          "No free temporary file name left in " + folder.toStdString());
}

QString ReplaceFileExt(const QString& fileName, const QString& extension) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  const qsizetype separator = fileName.lastIndexOf(kSeparator);
  const QString stem = dot > separator ? fileName.left(dot) : fileName;
  return stem + extension;
}

QString NewGuidString() {
  return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

QString GetLocalUserName() {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
    return {};
  }
  return QString::fromLocal8Bit(found->pw_name);
}

QString GetComputerNameStr() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) {
    return {};
  }
  return QString::fromLocal8Bit(name);
}

bool IsValidFileName(const QString& name) {
  if (name.isEmpty()) {
    return false;
  }
  static const QString refused = QStringLiteral("\"*./:<>\\|") + QChar(u'\0');
  for (const QChar c : name) {
    if (refused.contains(c)) {
      return false;
    }
  }
  return true;
}

}  // namespace quorvane
