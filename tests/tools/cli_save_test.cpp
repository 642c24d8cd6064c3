// quorvane-cli save: image files to a document, checked with libtiff.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "libtiff_oracle.h"

namespace quorvane {
namespace {

struct CliResult {
  int exitCode = -1;
  QString out;
  QString err;
};

class CliSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    // A black-and-white sheet and a colour photo-like strip.
    Write("sheet.pbm", "P1\n16 4\n" + QByteArray("0 1 0 1 0 1 0 1 0 1 0 1 0 1 0 1\n").repeated(4));
    QByteArray colour = "P6\n5 2\n255\n";
    for (int i = 0; i < 10; ++i) {
      colour += static_cast<char>(20 * i);
      colour += static_cast<char>(100);
      colour += static_cast<char>(250 - 20 * i);
    }
    Write("photo.ppm", colour);
  }

  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(home_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  CliResult Save(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUORVANE_HOME", home_.path());
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home_.path());
    process.start(QUORVANE_CLI, QStringList{"save"} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QString Path(const QString& name) const { return home_.filePath(name); }

  QTemporaryDir home_;
};

TEST_F(CliSaveTest, TiffDocumentInTheImagesOwnKinds) {
  const CliResult result = Save({"--tiff", "--dpi", "200", "-o", Path("Akte.pdf"), "sheet.pbm", "photo.ppm"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(result.out, Path("Akte.tif"));
  const auto pages = testing::DecodeFileWithLibtiff(Path("Akte.tif").toStdString());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].compression, 4);
  EXPECT_EQ(pages[0].xResolution, 200);
  EXPECT_EQ(pages[1].compression, 5);
  EXPECT_EQ(pages[1].samplesPerPixel, 3);
  EXPECT_EQ(pages[1].rows[1][3 * 2], 20 * 7);
}

// Runs a poppler or qpdf tool and returns its standard output.
QString RunTool(const QString& program, const QStringList& args, int* exitCode = nullptr) {
  QProcess process;
  process.start(program, args);
  EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
  if (exitCode) *exitCode = process.exitCode();
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(CliSaveTest, PdfDocumentCarriesTitleCreatorAndCodings) {
  const CliResult result = Save({"-o", Path("Akte.pdf"), "sheet.pbm", "photo.ppm"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(result.out, Path("Akte.pdf"));

  int qpdfStatus = -1;
  RunTool("qpdf", {"--check", Path("Akte.pdf")}, &qpdfStatus);
  EXPECT_EQ(qpdfStatus, 0);
  const QString info = RunTool("pdfinfo", {Path("Akte.pdf")});
  EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Akte.pdf\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Creator:\\s+Kestrow's Quorvane 3\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  const QString images = RunTool("pdfimages", {"-list", Path("Akte.pdf")});
  EXPECT_TRUE(images.contains(" ccitt ")) << images.toStdString();
  EXPECT_TRUE(images.contains(" jpeg ")) << images.toStdString();
}

TEST_F(CliSaveTest, ModeOverridesTheImageKind) {
  const CliResult result = Save({"--tiff", "--mode", "grey", "-o", Path("Grau.pdf"), "photo.ppm"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const auto pages = testing::DecodeFileWithLibtiff(Path("Grau.tif").toStdString());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].photometric, 1);
  EXPECT_EQ(pages[0].samplesPerPixel, 1);
  EXPECT_EQ(pages[0].xResolution, 300) << "PPM files state no resolution";
}

TEST_F(CliSaveTest, RawWritesTheBackupCopyToTheTargetExactly) {
  const CliResult result = Save({"--raw", "-o", Path("backup.tiff"), "sheet.pbm", "photo.ppm"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
  const auto pages = testing::DecodeFileWithLibtiff(Path("backup.tiff").toStdString());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].compression, 1);
  EXPECT_EQ(pages[1].compression, 1);
}

TEST_F(CliSaveTest, FailuresExitNonZeroAndLeaveNoFile) {
  struct Case {
    QStringList args;
    int exitCode;
    QString absent;
  };
  const Case cases[] = {
      {{"--tiff", "-o", Path("A.pdf"), "missing.png"}, 1, Path("A.tif")},
      {{"--tiff", "-o", Path("nowhere/B.pdf"), "sheet.pbm"}, 1, Path("nowhere/B.tif")},
      {{"--mode", "sepia", "-o", Path("C.pdf"), "sheet.pbm"}, 64, Path("C.pdf")},
      {{"--dpi", "0", "-o", Path("D.pdf"), "sheet.pbm"}, 64, Path("D.pdf")},
      {{"sheet.pbm"}, 64, {}},
  };
  for (const Case& c : cases) {
    const CliResult result = Save(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.args.join(' ').toStdString();
    EXPECT_TRUE(result.err.startsWith("Fehler: ")) << result.err.toStdString();
    if (!c.absent.isEmpty()) {
      EXPECT_FALSE(QFileInfo::exists(c.absent)) << c.absent.toStdString();
    }
  }
  EXPECT_EQ(QDir(home_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(".part-"), QStringList{});
}

}  // namespace
}  // namespace quorvane
