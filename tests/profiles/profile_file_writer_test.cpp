#include "profiles/profile_file_writer.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "profile_file_builder.h"
#include "profiles/memdata.h"
#include "profiles/new_profile.h"
#include "profiles/profile_file_reader.h"

namespace quorvane {
namespace {

using test::FixtureValue;
using test::kLayout191;
using test::ProfileFileBuilder;

const QByteArray kEmptyFileStart = QByteArray::fromHex(
    "5665728FC2F5285C8FFE3F17000000"
    "040000000C0003004944002300000001000C00");

TEST(ProfileFileWriter, EmptyTableIsTheHeaderAndTheDescriptors) {
  const QByteArray file = WriteProfileFile({});
  EXPECT_EQ(file.size(), 433);
  EXPECT_TRUE(file.startsWith(kEmptyFileStart));
  EXPECT_EQ(file, ProfileFileBuilder(kLayout191).AllDescriptors().Bytes());
  const TProfileFileContents loaded = ReadProfileFile(file);
  EXPECT_TRUE(loaded.rows.empty());
  EXPECT_FALSE(loaded.incomplete);
}

TEST(ProfileFileWriter, FirstProfileIsOneRecordOf89Bytes) {
  TMemData table;
  InsertNewProfile(table);
  const QByteArray file = WriteProfileFile(table.Rows());
  EXPECT_EQ(file.size(), 522);
  EXPECT_EQ(file.mid(433, 27), QByteArray::fromHex("0101000000" "010C000000" "4E6575657220427574746F6E" "0000000000"));
  const std::vector<FixtureValue> defaults = {
      1, std::string("Neuer Button"), {}, {}, {}, 1, 200, 0, 0, 300, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 1, 0};
  EXPECT_EQ(file, ProfileFileBuilder(kLayout191).AllDescriptors().Record(defaults).Bytes());
}

TEST(ProfileFileWriter, NullAndEmptyMemosGiveTheSameFile) {
  TProfileValues nullMemos;
  nullMemos[pfID] = 1;
  TProfileValues emptyMemos = nullMemos;
  emptyMemos[pfSettings] = QByteArray();
  emptyMemos[pfBARCODEWORDS] = QString();
  EXPECT_EQ(WriteProfileFile({nullMemos}), WriteProfileFile({emptyMemos}));
}

TEST(ProfileFileWriter, LoadingAndSavingGivesTheSameBytes) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  std::string allBytes;
  for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
  // Rows already in title order, two with the same title.
  const QByteArray file =
      ProfileFileBuilder(kLayout191)
          .AllDescriptors()
          .Record({2, std::string("akten"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
                   {}, {}})
          .Record({4, std::string("Akten"), 0x00112233, std::string("/home/anna/Gr\xF6\xDF" "e"), std::string("{Datum}"), 2,
                   300, 1, 1, 250, 1, 0, 1, allBytes, 0, std::string(""), 1, 1, 15, std::string("A\r\nB\x80"), 1, 0,
                   -3})
          .Record({9, std::string("Post"), -1, std::string(""), std::string(""), -32768, -2147483647 - 1, 32767, -1,
                   2147483647, 0, 1, 0, std::string("x"), 1, std::string("0123456789"), 0, 0, 100, {}, 0, 1, 1})
          .Record({3, std::string("Post"), {}, {}, {}, 1, 200, 0, 0, 300, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 1,
                   0})
          .Bytes();
  const TProfileFileContents contents = ReadProfileFile(file);
  ASSERT_FALSE(contents.incomplete);
  TMemData table;
  table.LoadRows(contents.rows);
  EXPECT_EQ(WriteProfileFile(table.Rows()), file);
}

}  // namespace
}  // namespace quorvane
