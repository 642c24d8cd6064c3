#include "scan/barcodes/batch_file_names.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "log_capture.h"

namespace quorvane {
namespace {

class BatchFileNames : public testing::LogCapture {
 protected:
  void SetUp() override {
    LogCapture::SetUp();
    folder_ = Folder() + "/Belege";
    ASSERT_TRUE(QDir().mkpath(folder_));
  }
  void Touch(const QString& fileName) {
    QFile file(folder_ + "/" + fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QString folder_;
};

TEST_F(BatchFileNames, ReplacesCharactersAFileNameMustNotHold) {
  TBatchFileNames names(folder_ + "/", ".pdf");
  const struct {
    QString code, name;
  } cases[] = {
      {"../../x", "______x"},
      {"RE/2020.17", "RE_2020_17"},
      {"a:b*c?d<e>f|g\"h\\i", "a_b_c?d_e_f_g_h_i"},
      {"Lieferschein 4711", "Lieferschein 4711"},
  };
  for (const auto& c : cases) {
    const QString name = names.DocumentName(c.code);
    EXPECT_EQ(name, c.name) << c.code.toStdString();
    EXPECT_EQ(QFileInfo(names.DocumentPath(name, ".pdf")).absolutePath(), folder_);
  }
  EXPECT_EQ(LogLines(), QStringList({"Batch File Name ../../x changed to ______x",
                                     "Batch File Name RE/2020.17 changed to RE_2020_17",
                                     "Batch File Name a:b*c?d<e>f|g\"h\\i changed to a_b_c?d_e_f_g_h_i"}));
}

TEST_F(BatchFileNames, NeverHandsOutANameTwiceOrOneWhoseFileExists) {
  Touch("4711.pdf");
  Touch("4711_2.pdf");
  Touch("0815.tif");  // another extension does not count
  TBatchFileNames names(folder_, ".pdf");
  EXPECT_EQ(names.DocumentName("4711"), "4711_3");
  EXPECT_EQ(names.DocumentName("4711"), "4711_4");
  EXPECT_EQ(names.DocumentName("0815"), "0815");
  EXPECT_EQ(names.DocumentName("0815"), "0815_2");
  EXPECT_EQ(LogLines(), QStringList({"Batch File Name 4711 changed to 4711_3", "Batch File Name 4711 changed to 4711_4",
                                     "Batch File Name 0815 changed to 0815_2"}));
}

TEST_F(BatchFileNames, ChecksTheExtensionThatWillBeWritten) {
  Touch("4711.tif");
  TBatchFileNames names(folder_, ".tif");
  EXPECT_EQ(names.DocumentName("4711"), "4711_2");
  EXPECT_EQ(names.DocumentPath("4711_2", ".pdf"), folder_ + "/4711_2.pdf");
}

TEST_F(BatchFileNames, ShortensNamesTheFileSystemWouldRefuse) {
  // A long QR code text: the file name must stay within 255 bytes.
  const QString code = QString(300, u'ä');
  TBatchFileNames names(folder_, ".pdf");
  const QString first = names.DocumentName(code);
  const QString second = names.DocumentName(code);
  EXPECT_LE((first + ".pdf").toUtf8().size(), 255);
  EXPECT_LE((second + ".pdf").toUtf8().size(), 255);
  EXPECT_TRUE(second.endsWith("_2"));
  QFile file(names.DocumentPath(second, ".pdf"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST_F(BatchFileNames, AnEmptyCodeStillGivesAName) {
  TBatchFileNames names(folder_, ".pdf");
  EXPECT_EQ(names.DocumentName(""), "_");
}

}  // namespace
}  // namespace quorvane
