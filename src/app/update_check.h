#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace quorvane {

// The build this program is.
inline constexpr int kRunningBuild = 37000;
// The most of a response the check keeps; a longer one is no update file.
inline constexpr qint64 kUpdateResponseLimit = 65536;

// Once per start the window asks the update server whether a newer build
// exists. The check is silent: every failure (no server configured, no
// connection, an error status, an oversized or unreadable answer) ends it and
// leaves NewUpdateExist as it was. While it waits, pending events run, so the
// window stays usable.
class TUpdateCheck : public QObject {
  Q_OBJECT

 public:
  // `serverUrl` is the update server's address ("http://host:port"); an
  // empty one means the check has no server and ends at once.
  explicit TUpdateCheck(QString serverUrl, QObject* parent = nullptr);

  void CheckForUpdate();
  bool NewUpdateExist() const { return newUpdateExist_; }
  // Ends a check that waits for the server (the window is closing).
  void Abort();

 private:
  // The response body, written to the temporary "Quorvane.ini"; false when the
  // request failed.
  bool FetchUpdateFile(const QString& localFile);

  QString serverUrl_;
  QNetworkAccessManager* httpClient_;
  QNetworkReply* pending_ = nullptr;
  bool newUpdateExist_ = false;
};

// The update server named in "Vantel.ini" (section "UPDATE", key "Url") in the
// data folder; empty when the file or the key is missing.
QString ReadUpdateServerUrl();

}  // namespace quorvane
