#include "app/update_check.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

#include "app/client_routines.h"
#include "app/ini_text.h"

namespace quorvane {
namespace {

constexpr int kTransferTimeoutMs = 15000;

struct TReplyDeleter {
  void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

QUrl UpdateFileUrl(QString server) {
  if (!server.contains(QStringLiteral("://"))) server.prepend(QStringLiteral("http://"));
  while (server.endsWith(u'/')) server.chop(1);
  return QUrl(server + QStringLiteral("/info/quorvane.info"));
}

}  // namespace

TUpdateCheck::TUpdateCheck(QString serverUrl, QObject* parent)
    : QObject(parent), serverUrl_(std::move(serverUrl)), httpClient_(new QNetworkAccessManager(this)) {}

void TUpdateCheck::CheckForUpdate() {
  if (serverUrl_.isEmpty()) return;
  const QString localFile = GetTempFolder() + QStringLiteral("/Quorvane.ini");
  if (!FetchUpdateFile(localFile)) return;
  QFile file(localFile);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString text = QString::fromUtf8(file.readAll());
  file.close();
  newUpdateExist_ = ReadIniInteger(text, QStringLiteral("Quorvane 3.0"), QStringLiteral("Build"), 0) > kRunningBuild;
  file.remove();
}

bool TUpdateCheck::FetchUpdateFile(const QString& localFile) {
  const QUrl url = UpdateFileUrl(serverUrl_);
  if (!url.isValid() || url.scheme() != QStringLiteral("http")) return false;
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quorvane Update Agent "));
  request.setTransferTimeout(kTransferTimeoutMs);

  const std::unique_ptr<QNetworkReply, TReplyDeleter> reply(httpClient_->get(request));
  QByteArray body;
  bool oversized = false;
  connect(reply.get(), &QNetworkReply::readyRead, this, [&] {
    body += reply->readAll();
    if (body.size() > kUpdateResponseLimit && !oversized) {
      oversized = true;
      reply->abort();
    }
  });
  // The window goes on while the server answers.
  pending_ = reply.get();
  while (!reply->isFinished()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  pending_ = nullptr;
  reply->disconnect(this);
  if (oversized || reply->error() != QNetworkReply::NoError) return false;
  body += reply->readAll();
  if (body.size() > kUpdateResponseLimit) return false;

  QFile file(localFile);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool written = file.write(body) == body.size();
  file.close();
  if (!written) file.remove();
  return written;
}

void TUpdateCheck::Abort() {
  if (pending_) pending_->abort();
}

QString ReadUpdateServerUrl() {
  QFile file(GetProgramFolder() + QStringLiteral("/Vantel.ini"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ReadIniString(QString::fromUtf8(file.readAll()), QStringLiteral("UPDATE"), QStringLiteral("Url"));
}

}  // namespace quorvane
