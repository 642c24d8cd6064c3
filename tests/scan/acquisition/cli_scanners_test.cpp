// quorvane-cli scanners against the project's SANE folder alone.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct TRun {
  int ExitCode = -1;
  QString Out;
};

TRun RunCli(const QStringList& args) {
  QTemporaryDir home;
  QProcess cli;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QUORVANE_HOME", home.path());
  env.insert("SANE_CONFIG_DIR", QUORVANE_TEST_SANE_CONFIG);
  cli.setProcessEnvironment(env);
  cli.start(QUORVANE_CLI, args);
  EXPECT_TRUE(cli.waitForFinished(30000));
  return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput())};
}

TEST(CliScanners, ListsDisplayNameAndDescriptionPerLine) {
  const TRun run = RunCli({"scanners"});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Out,
            "Noname frontend-tester\tNoname frontend-tester (test:0)\n"
            "Noname frontend-tester\tNoname frontend-tester (test:1)\n");
}

TEST(CliScanners, RefusesArguments) { EXPECT_EQ(RunCli({"scanners", "--json"}).ExitCode, 64); }

}  // namespace
