#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>

#include "app/client_routines.h"
#include "app/update_check.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

// A one-request-at-a-time HTTP server on 127.0.0.1 that answers every request
// with the same status and body, and keeps the last request's head.
class UpdateServer {
 public:
  UpdateServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }

  void Respond(int status, const QByteArray& body) {
    status_ = status;
    body_ = body;
  }
  QString Url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
  const QByteArray& LastRequest() const { return request_; }

 private:
  void Answer(QTcpSocket* socket) {
    QByteArray& received = pending_[socket];
    received += socket->readAll();
    if (!received.contains("\r\n\r\n")) return;
    request_ = received;
    pending_.remove(socket);
    socket->write(QByteArray("HTTP/1.1 ") + QByteArray::number(status_) + (status_ == 200 ? " OK" : " Error") +
                  "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                  QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  int status_ = 200;
  QByteArray body_;
  QByteArray request_;
  QHash<QTcpSocket*, QByteArray> pending_;
};

QByteArray UpdateFile(const QByteArray& build) { return "[Quorvane 3.0]\r\nBuild=" + build + "\r\n"; }

QString LocalUpdateFile() { return GetTempFolder() + QStringLiteral("/Quorvane.ini"); }

struct CheckCase {
  const char* name;
  bool updateKnownBefore;  // a previous check of this run found a newer build
  int status;
  QByteArray body;
  bool expected;
};

class UpdateCheckAnswer : public ::testing::TestWithParam<CheckCase> {};

TEST_P(UpdateCheckAnswer, SetsTheFlagOnlyFromAReadableUpdateFile) {
  const CheckCase& check = GetParam();
  UpdateServer server;
  TUpdateCheck updateCheck(server.Url());
  if (check.updateKnownBefore) {
    server.Respond(200, UpdateFile("40000"));
    updateCheck.CheckForUpdate();
    ASSERT_TRUE(updateCheck.NewUpdateExist());
  }
  server.Respond(check.status, check.body);
  updateCheck.CheckForUpdate();
  EXPECT_EQ(updateCheck.NewUpdateExist(), check.expected);
  EXPECT_FALSE(QFileInfo::exists(LocalUpdateFile())) << "the temporary update file stays behind";
}

const QByteArray kAtTheLimit = UpdateFile("37001") + QByteArray(kUpdateResponseLimit - UpdateFile("37001").size(), ';');
const QByteArray kOversized = kAtTheLimit + ';';

INSTANTIATE_TEST_SUITE_P(
    Answers, UpdateCheckAnswer,
    ::testing::Values(CheckCase{"RunningBuild", false, 200, UpdateFile("37000"), false},
                      CheckCase{"NewerBuild", false, 200, UpdateFile("37001"), true},
                      CheckCase{"NoSectionForgetsAnEarlierFind", true, 200, "[Other]\r\nBuild=99999\r\n", false},
                      CheckCase{"BuildNotANumber", false, 200, UpdateFile("neu"), false},
                      CheckCase{"ErrorStatusKeepsFalse", false, 404, UpdateFile("37001"), false},
                      CheckCase{"ErrorStatusKeepsAnEarlierFind", true, 500, UpdateFile("1"), true},
                      CheckCase{"BodyAtTheLimitIsRead", false, 200, kAtTheLimit, true},
                      CheckCase{"BodyOverTheLimitIsRefused", false, 200, kOversized, false}),
    [](const ::testing::TestParamInfo<CheckCase>& param) { return std::string(param.param.name); });

TEST(UpdateCheck, AsksForTheUpdateFileWithTheAgentName) {
  UpdateServer server;
  server.Respond(200, UpdateFile("37001"));
  TUpdateCheck updateCheck(server.Url() + QStringLiteral("/"));
  updateCheck.CheckForUpdate();
  const QByteArray request = server.LastRequest();
  EXPECT_TRUE(request.startsWith("GET /info/quorvane.info HTTP/1.1\r\n")) << request.toStdString();
  EXPECT_TRUE(request.contains("\r\nUser-Agent: Quorvane Update Agent \r\n")) << request.toStdString();
}

TEST(UpdateCheck, EndsSilentlyWithoutServerOrConnection) {
  TUpdateCheck withoutServer{QString()};
  withoutServer.CheckForUpdate();
  EXPECT_FALSE(withoutServer.NewUpdateExist());

  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
  const quint16 port = closed.serverPort();
  closed.close();
  TUpdateCheck unreachable(QStringLiteral("http://127.0.0.1:%1").arg(port));
  unreachable.CheckForUpdate();
  EXPECT_FALSE(unreachable.NewUpdateExist());
}

TEST(UpdateCheck, AbortEndsTheWaitForASilentServer) {
  QTcpServer silent;  // takes the connection and never answers
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  TUpdateCheck updateCheck(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()));
  QTimer::singleShot(100, [&updateCheck] { updateCheck.Abort(); });
  QElapsedTimer waited;
  waited.start();
  updateCheck.CheckForUpdate();
  EXPECT_LT(waited.elapsed(), 5000);
  EXPECT_FALSE(updateCheck.NewUpdateExist());
}

TEST(UpdateCheck, TakesTheServerFromVantelIni) {
  QDir().mkpath(GetProgramFolder());
  QFile ini(GetProgramFolder() + QStringLiteral("/Vantel.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[BACKUP]\r\nPath=/tmp\r\n[update]\r\n url = http://127.0.0.1:8080 \r\n");
  ini.close();
  EXPECT_EQ(ReadUpdateServerUrl(), QStringLiteral("http://127.0.0.1:8080"));
  ini.remove();
  EXPECT_TRUE(ReadUpdateServerUrl().isEmpty());
}

}  // namespace
}  // namespace quorvane
