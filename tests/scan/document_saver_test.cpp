#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

#include "app/log.h"
#include "document_page.h"
#include "libtiff_oracle.h"
#include "scan/document_saver.h"
#include "scan/pixels_to_points.h"

namespace quorvane {
namespace {

using testing::MakeDocumentPage;
using testing::TPageKind;

class DocumentSaver : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("QUORVANE_HOME", home_.path().toLocal8Bit());
  }
  void TearDown() override { qunsetenv("QUORVANE_HOME"); }

  // The log's texts without their time stamps.
  QStringList LogTexts() const {
    QFile log(LogFileName());
    if (!log.open(QIODevice::ReadOnly)) return {};
    QStringList texts;
    for (const QString& line : QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts))
      texts << line.mid(line.indexOf("] ") + 2);
    return texts;
  }
  QString Target(const QString& name) const { return folder_.filePath(name); }

  QTemporaryDir home_;
  QTemporaryDir folder_;
};

TEST(PixelsToPoints, RoundsToNearestAndHalvesToEven) {
  struct Case {
    int pixels, dpi, points;
  };
  const Case cases[] = {{2480, 300, 595}, {3508, 300, 842}, {2480, 150, 1190}, {3508, 150, 1684},
                        {1, 48, 2},       {5, 144, 2},      {7, 144, 4},       {0, 300, 0},
                        {-5, 144, -2}};
  for (const Case& c : cases) EXPECT_EQ(PixelsToPoints(c.pixels, c.dpi), c.points) << c.pixels << " / " << c.dpi;
}

TEST_F(DocumentSaver, PreparationSetsCompressionByBitDepthPaperTitleAndCreator) {
  TPage bw = MakeDocumentPage(2480, 3508, TPageKind::BlackWhite);
  TPage grey = MakeDocumentPage(2480, 3508, TPageKind::Grey);
  grey.Params.DpiX = 0;  // sized as if 150 dpi
  TPage colour = MakeDocumentPage(100, 100, TPageKind::Colour);
  TPage* pages[] = {&bw, &grey, &colour};
  PreparePageParameters(pages, "/scans/Rechnung.pdf", osAuto);

  EXPECT_EQ(bw.Params.TIFF_Compression, ioTIFF_G4FAX);
  EXPECT_EQ(bw.Params.PDF_Compression, ioPDF_G4FAX);
  EXPECT_EQ(bw.Params.JPEG_Quality, 80);
  EXPECT_FALSE(bw.Params.JPEG_OptimalHuffman);
  EXPECT_EQ(bw.Params.PDF_PaperWidth, 595);
  EXPECT_EQ(bw.Params.PDF_PaperHeight, 842);
  for (const TPage* page : {&grey, &colour}) {
    EXPECT_EQ(page->Params.TIFF_Compression, ioTIFF_LZW);
    EXPECT_EQ(page->Params.PDF_Compression, ioPDF_JPEG);
    EXPECT_EQ(page->Params.JPEG_Quality, 80);
    EXPECT_TRUE(page->Params.JPEG_OptimalHuffman);
  }
  EXPECT_EQ(grey.Params.PDF_PaperWidth, 1190);
  EXPECT_EQ(grey.Params.PDF_PaperHeight, 1684);
  for (const TPage* page : pages) {
    EXPECT_EQ(page->Params.PDF_Title, "Rechnung.pdf");
    EXPECT_EQ(page->Params.PDF_Creator, "Kestrow's Quorvane 3");
  }

  TPage small = MakeDocumentPage(100, 100, TPageKind::Colour);
  TPage* a4[] = {&small};
  PreparePageParameters(a4, "/scans/Brief.pdf", osA4);
  EXPECT_EQ(small.Params.PDF_PaperWidth, 595);
  EXPECT_EQ(small.Params.PDF_PaperHeight, 842);
}

TEST_F(DocumentSaver, TitleIsWindows1252) {
  TPage page = MakeDocumentPage(10, 10, TPageKind::Colour);
  TPage* pages[] = {&page};
  PreparePageParameters(pages, QString::fromUtf8("/scans/Bücher €.pdf"), osAuto);
  EXPECT_EQ(page.Params.PDF_Title, "B\xFC" "cher \x80.pdf");
}

TEST_F(DocumentSaver, TiffDocumentGetsGroup4AndLzwPagesUnderTheTifName) {
  TPageList list;
  list.AddPage(MakeDocumentPage(640, 480, TPageKind::BlackWhite));
  list.AddPage(MakeDocumentPage(320, 240, TPageKind::Grey));
  list.AddPage(MakeDocumentPage(320, 240, TPageKind::Colour));

  const TSaveResult result = SaveAllPages(list, Target("Rechnung.pdf"), TSaveOptions{true, osAuto});
  ASSERT_TRUE(result.Ok()) << result.Error.toStdString();
  EXPECT_EQ(result.Path, Target("Rechnung.tif"));
  EXPECT_FALSE(QFileInfo::exists(Target("Rechnung.pdf")));
  EXPECT_EQ(LogTexts(), (QStringList{"Prepare save " + result.Path, "Save to " + result.Path}));

  const auto decoded = testing::DecodeFileWithLibtiff(result.Path.toStdString());
  ASSERT_EQ(decoded.size(), 3u);
  EXPECT_EQ(decoded[0].compression, 4);
  EXPECT_EQ(decoded[1].compression, 5);
  EXPECT_EQ(decoded[1].photometric, 1);
  EXPECT_FALSE(decoded[1].hasPredictorTag);
  EXPECT_EQ(decoded[2].compression, 5);
  EXPECT_EQ(decoded[2].predictor, 2);
  EXPECT_EQ(list.PageCount(), 3);
}

TEST_F(DocumentSaver, EmptyPageListGivesAnEmptyFile) {
  TPageList list;
  const TSaveResult result = SaveAllPages(list, Target("Leer.pdf"), TSaveOptions{true, osAuto});
  ASSERT_TRUE(result.Ok());
  EXPECT_TRUE(QFileInfo::exists(result.Path));
  EXPECT_EQ(QFileInfo(result.Path).size(), 0);
}

TEST_F(DocumentSaver, PdfDocumentGetsGroup4AndJpegPagesTitleAndCreator) {
  TPageList list;
  list.AddPage(MakeDocumentPage(2480, 3508, TPageKind::BlackWhite));
  list.AddPage(MakeDocumentPage(320, 240, TPageKind::Grey, 72));
  const TSaveResult result = SaveAllPages(list, Target("Rechnung.pdf"), TSaveOptions{false, osAuto});
  ASSERT_TRUE(result.Ok()) << result.Error.toStdString();
  EXPECT_EQ(result.Path, Target("Rechnung.pdf"));
  EXPECT_EQ(LogTexts(), (QStringList{"Prepare save " + result.Path, "Save to " + result.Path}));
  EXPECT_EQ(std::system(("qpdf --check " + result.Path.toStdString() + " >/dev/null").c_str()), 0);

  QFile file(result.Path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.contains("/Title (Rechnung.pdf)\n/Creator (Kestrow's Quorvane 3)\n"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595 842 ]"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 320 240 ]"));
  EXPECT_TRUE(pdf.contains("/Filter /CCITTFaxDecode\n/DecodeParms << /K -1\n"));
  EXPECT_TRUE(pdf.contains("/Filter /DCTDecode\n/ColorSpace /DeviceRGB\n"));
  EXPECT_TRUE(pdf.contains("/Count 2\n"));
}

TEST_F(DocumentSaver, FailureIsReportedAndLeavesNoPartialDocument) {
  // An existing document of that name survives a failed save untouched.
  QFile existing(Target("Akte.tif"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("old contents");
  existing.close();

  TPageList list;
  list.AddPage(MakeDocumentPage(64, 64, TPageKind::BlackWhite));
  TPage broken;  // a page without pixels cannot be written
  list.AddPage(std::move(broken));
  const TSaveResult result = SaveAllPages(list, Target("Akte.pdf"), TSaveOptions{true, osAuto});
  EXPECT_FALSE(result.Ok());
  const QStringList log = LogTexts();
  ASSERT_EQ(log.size(), 2);
  EXPECT_TRUE(log[1].startsWith("Save Error ")) << log[1].toStdString();
  ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
  EXPECT_EQ(existing.readAll(), "old contents");
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"Akte.tif"}) << "no partial file left beside it";
}

TEST_F(DocumentSaver, UnwritableFolderIsLoggedAsSaveError) {
  TPageList list;
  list.AddPage(MakeDocumentPage(64, 64, TPageKind::BlackWhite));
  const TSaveResult result = SaveAllPages(list, Target("missing/Rechnung.pdf"), TSaveOptions{true, osAuto});
  EXPECT_FALSE(result.Ok());
  const QStringList log = LogTexts();
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], "Prepare save " + result.Path);
  EXPECT_TRUE(log[1].startsWith("Save Error ") && log[1].contains("Rechnung.tif")) << log[1].toStdString();
}

TEST_F(DocumentSaver, BackupCopyKeepsTheParametersAsAcquired) {
  TPageList list;
  list.AddPage(MakeDocumentPage(200, 100, TPageKind::BlackWhite));
  list.AddPage(MakeDocumentPage(200, 100, TPageKind::Colour));
  const QString path = Target("2020_03_07_qvb1A2F.tif");
  WriteBackupTiff(list, path);
  const auto decoded = testing::DecodeFileWithLibtiff(path.toStdString());
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[0].compression, 1);
  EXPECT_EQ(decoded[0].photometric, 1);
  EXPECT_EQ(decoded[1].compression, 1);
  EXPECT_EQ(list.Page(0).Params.TIFF_Compression, ioTIFF_UNCOMPRESSED);
}

}  // namespace
}  // namespace quorvane
