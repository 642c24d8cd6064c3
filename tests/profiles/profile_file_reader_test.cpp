#include "profiles/profile_file_reader.h"

#include <gtest/gtest.h>

#include <limits>

#include "profile_file_builder.h"
#include "profiles/profile_file_error.h"

namespace quorvane {
namespace {

using test::FixtureLayout;
using test::FixtureValue;
using test::kLayout150;
using test::kLayout187;
using test::kLayout191;
using test::kNoHeader;
using test::ProfileFileBuilder;

// A profile every layout can express: no null numbers, no empty texts.
const std::vector<FixtureValue> kSample = {
    12, std::string("R\xE9" "chnungen \x80"), 0x0000FF, std::string("/srv/scan"), std::string("{Z\xE4hler}"), 3, 600, 1, 1,
    200, 1, 0, 1, std::string("\x00\x01\x02\xFF", 4), 0, std::string("RE"), 1, 1, 42, std::string("TRENN\r\nENDE"), 0, 1,
    17};

TProfileValues SampleValues() {
  TProfileValues v;
  v[pfID] = 12;
  v[pfVantelTitel] = QStringLiteral("Réchnungen €");
  v[pfVantelColor] = 0x0000FF;
  v[pfFolder] = QStringLiteral("/srv/scan");
  v[pfAutoFileNameVar] = QStringLiteral("{Zähler}");
  v[pfFarbe] = 3;
  v[pfDPI] = 600;
  v[pfInputSize] = 1;
  v[pfOutputSize] = 1;
  v[pfPreviewSize] = 200;
  v[pfDuplex] = true;
  v[pfScanBarCode] = false;
  v[pfDelete1StPage] = true;
  v[pfSettings] = QByteArray("\x00\x01\x02\xFF", 4);
  v[pfShowPrefix] = false;
  v[pfTypStr] = QStringLiteral("RE");
  v[pfStapel] = true;
  v[pfRemoveBlankPage] = true;
  v[pfRBPToleranz] = 42;
  v[pfBARCODEWORDS] = QStringLiteral("TRENN\r\nENDE");
  v[pfSaveAsTif] = false;
  v[pfShowFilename] = true;
  v[pfFileCount] = 17;
  return v;
}

void ExpectRow(const TProfileValues& actual, const TProfileValues& expected) {
  for (int field = 0; field < kProfileFieldCount; ++field) {
    EXPECT_EQ(actual[field], expected[field]) << kProfileFields[field].name;
    EXPECT_EQ(actual[field].isValid(), expected[field].isValid()) << kProfileFields[field].name;
  }
}

class EveryLayout : public ::testing::TestWithParam<FixtureLayout> {};

TEST_P(EveryLayout, ReadsTheSameProfile) {
  const QByteArray file = ProfileFileBuilder(GetParam()).AllDescriptors().Record(kSample).Record(kSample).Bytes();
  const TProfileFileContents contents = ReadProfileFile(file);
  EXPECT_FALSE(contents.incomplete);
  EXPECT_FALSE(contents.valuesDropped);
  ASSERT_EQ(contents.rows.size(), 2u);
  ExpectRow(contents.rows[1], SampleValues());
}

TEST_P(EveryLayout, CutsTextsLongerThanTheirSizeAndSkipsTheRest) {
  std::vector<FixtureValue> values = kSample;
  values[pfTypStr] = std::string("ABCDEFGHIJKLMNOP");
  const QByteArray file = ProfileFileBuilder(GetParam()).AllDescriptors().Record(values).Bytes();
  const TProfileFileContents contents = ReadProfileFile(file);
  ASSERT_EQ(contents.rows.size(), 1u);
  EXPECT_TRUE(contents.valuesDropped);
  TProfileValues expected = SampleValues();
  expected[pfTypStr] = QStringLiteral("ABCDEFGHIJ");
  ExpectRow(contents.rows[0], expected);
}

INSTANTIATE_TEST_SUITE_P(ProfileFileReader, EveryLayout, ::testing::Values(kNoHeader, kLayout150, kLayout187, kLayout191));

TEST(ProfileFileReader, NullValuesOfLayoutsWithPresenceFlags) {
  const std::vector<FixtureValue> nulls(kProfileFieldCount);
  for (const FixtureLayout layout : {kLayout150, kLayout187, kLayout191}) {
    const TProfileFileContents contents = ReadProfileFile(ProfileFileBuilder(layout).AllDescriptors().Record(nulls).Bytes());
    ASSERT_EQ(contents.rows.size(), 1u);
    TProfileValues expected;
    expected[pfSettings] = QByteArray();  // a memo of 0 bytes is empty
    expected[pfBARCODEWORDS] = QString();
    ExpectRow(contents.rows[0], expected);
  }
}

TEST(ProfileFileReader, EmptyAndNullTexts) {
  struct Case {
    const char* what;
    FixtureLayout layout;
    QByteArray text;  // the encoded VantelTitel value
    QVariant expected;
  };
  const Case cases[] = {
      {"1.91 present, count 0", kLayout191, QByteArray::fromHex("0100000000"), QString("")},
      {"1.91 absent", kLayout191, QByteArray::fromHex("00"), QVariant()},
      {"1.5 count 0", kLayout150, QByteArray::fromHex("00000000"), QVariant()},
      {"1.5 count 1", kLayout150, QByteArray::fromHex("0100000000"), QVariant()},
      {"1.5 count 2", kLayout150, QByteArray::fromHex("020000004100"), QString("A")},
      {"version below 1 reads as 1", FixtureLayout{true, 0.25}, QByteArray::fromHex("020000004200"), QString("B")},
  };
  for (const Case& c : cases) {
    const QByteArray file = ProfileFileBuilder(c.layout)
                                .Le<qint32>(1)
                                .Descriptor("VantelTitel", 36, 1)
                                .Raw(c.text)
                                .Bytes();
    const TProfileFileContents contents = ReadProfileFile(file);
    ASSERT_EQ(contents.rows.size(), 1u) << c.what;
    EXPECT_EQ(contents.rows[0][pfVantelTitel], c.expected) << c.what;
    EXPECT_EQ(contents.rows[0][pfVantelTitel].isValid(), c.expected.isValid()) << c.what;
  }
}

TEST(ProfileFileReader, MatchesDescriptorsByNameInAnyOrderAndCase) {
  // DPI before the title, the title in other letter case, an unknown text, a
  // Farbe of the wrong kind, no other field.
  const QByteArray file = ProfileFileBuilder(kLayout191)
                              .Le<qint32>(4)
                              .Descriptor("DPI", 4, 3)
                              .Descriptor("vanteltitel", 35, 1)
                              .Descriptor("Kommentar", 80, 1)
                              .Descriptor("Farbe", 4, 3)
                              .Value('I', 300)
                              .Value('T', std::string("Briefe"))
                              .Value('T', std::string("egal"))
                              .Value('I', 2)
                              .Bytes();
  const TProfileFileContents contents = ReadProfileFile(file);
  ASSERT_EQ(contents.rows.size(), 1u);
  TProfileValues expected;
  expected[pfDPI] = 300;
  expected[pfVantelTitel] = QStringLiteral("Briefe");
  ExpectRow(contents.rows[0], expected);
  EXPECT_TRUE(contents.valuesDropped);
}

TEST(ProfileFileReader, TellsWhetherValuesWereLeftOut) {
  struct Case {
    const char* what;
    const char* name;
    qint32 size;
    quint16 type;
    char kind;
    FixtureValue value;
    bool dropped;
  };
  const Case cases[] = {
      {"unknown text, null", "Notiz", 20, 1, 'T', {}, false},
      {"unknown text, empty", "Notiz", 20, 1, 'T', std::string(), false},
      {"unknown text", "Notiz", 20, 1, 'T', std::string("x"), true},
      {"unknown memo, empty", "Anhang", 0, 14, 'M', std::string(), false},
      {"unknown memo", "Anhang", 0, 14, 'M', std::string("x"), true},
      {"unknown number, null", "Zahl", 4, 3, 'I', {}, false},
      {"unknown number", "Zahl", 4, 3, 'I', 0, true},
      {"field of another kind", "DPI", 2, 2, 'S', 300, true},
      {"text as long as its field", "TypStr", 10, 1, 'T', std::string("0123456789"), false},
      {"text longer than its field", "TypStr", 12, 1, 'T', std::string("0123456789A"), true},
  };
  for (const Case& c : cases) {
    const QByteArray file =
        ProfileFileBuilder(kLayout191).Le<qint32>(1).Descriptor(c.name, c.size, c.type).Value(c.kind, c.value).Bytes();
    const TProfileFileContents contents = ReadProfileFile(file);
    ASSERT_EQ(contents.rows.size(), 1u) << c.what;
    EXPECT_EQ(contents.valuesDropped, c.dropped) << c.what;
  }
}

TEST(ProfileFileReader, FileEndingInsideARecordKeepsTheEarlierRecords) {
  const QByteArray file = ProfileFileBuilder(kLayout191).AllDescriptors().Record(kSample).Record(kSample).Bytes();
  for (const int cut : {1, 5, 40}) {
    const TProfileFileContents contents = ReadProfileFile(file.chopped(cut));
    EXPECT_TRUE(contents.incomplete) << cut;
    ASSERT_EQ(contents.rows.size(), 1u) << cut;
    ExpectRow(contents.rows[0], SampleValues());
  }
}

TEST(ProfileFileReader, HostileFilesGiveAnErrorOrTheWholeRecordsBeforeTheDamage) {
  constexpr qint32 kHuge = std::numeric_limits<qint32>::max();
  const auto oneField = [](FixtureLayout layout, const char* name, qint32 size, quint16 type) {
    return ProfileFileBuilder(layout).Le<qint32>(1).Descriptor(name, size, type);
  };
  struct Case {
    const char* what;
    QByteArray file;
    const char* error;  // nullptr: loads
    bool incomplete = false;
    std::size_t rows = 0;
  };
  QByteArray manyRecords = oneField(kLayout191, "Settings", 0, 14).Bytes();
  manyRecords.append(QByteArray((kMaxProfiles + 1) * 4, '\0'));
  const Case cases[] = {
      {"empty file", QByteArray(), "Stream read error"},
      {"header without version", QByteArray("Ver\x01\x02"), "Stream read error"},
      {"no descriptor count", ProfileFileBuilder(kLayout191).Bytes(), "Stream read error"},
      {"huge descriptor count", ProfileFileBuilder(kLayout191).Le<qint32>(kHuge).Descriptor("ID", 4, 12).Bytes(),
       "Stream read error"},
      {"negative descriptor count", ProfileFileBuilder(kLayout191).Le<qint32>(-1).Raw("xxxx").Bytes(),
       "Invalid stream format"},
      {"name longer than 255", ProfileFileBuilder(kLayout191).Le<qint32>(1).Le<qint32>(4).Le<quint16>(3).Le<quint16>(256).Bytes(),
       "Invalid stream format"},
      {"name cut off", ProfileFileBuilder(kLayout191).Le<qint32>(1).Le<qint32>(4).Le<quint16>(3).Le<quint16>(200).Raw("DPI").Bytes(),
       "Stream read error"},
      {"unknown type code", oneField(kLayout191, "DPI", 8, 6).Bytes(), "Invalid stream format"},
      {"name without terminator",
       ProfileFileBuilder(kLayout191).Le<qint32>(1).Le<qint32>(4).Le<quint16>(3).Le<quint16>(3).Raw("DPI").Value('I', 150).Bytes(),
       nullptr, false, 1},
      {"huge text", oneField(kLayout191, "Folder", 255, 1).Raw(QByteArray(1, '\1')).Le<qint32>(kHuge).Raw("abc").Bytes(),
       nullptr, true},
      {"negative text", oneField(kLayout191, "Folder", 255, 1).Raw(QByteArray(1, '\1')).Le<qint32>(-5).Raw("abc").Bytes(),
       nullptr, true},
      {"huge old text", oneField(kNoHeader, "Folder", 256, 1).Le<qint32>(kHuge).Raw("abc").Bytes(), nullptr, true},
      {"negative old text", oneField(kLayout150, "Folder", 256, 1).Le<qint32>(-1).Bytes(), nullptr, true},
      {"huge memo", oneField(kLayout191, "Settings", 0, 14).Le<qint32>(kHuge).Raw("abc").Bytes(), nullptr, true},
      {"negative memo", oneField(kLayout191, "Settings", 0, 14).Le<qint32>(-2).Bytes(), nullptr, true},
      {"negative text size in descriptor",
       oneField(kLayout191, "Folder", -7, 1).Value('T', std::string("abc")).Bytes(), nullptr, false, 1},
      {"number cut off", oneField(kLayout191, "DPI", 4, 3).Raw(QByteArray::fromHex("01C800")).Bytes(), nullptr, true},
      {"bytes without descriptors", ProfileFileBuilder(kLayout191).Le<qint32>(0).Raw("trailing").Bytes(), nullptr, true},
      {"version not a number", ProfileFileBuilder(FixtureLayout{true, std::numeric_limits<double>::quiet_NaN()})
                                   .Le<qint32>(1).Descriptor("Farbe", 2, 2).Value('S', 2).Bytes(),
       nullptr, false, 1},
      {"too many records", manyRecords, "Too many records"},
  };
  for (const Case& c : cases) {
    if (c.error) {
      try {
        ReadProfileFile(c.file);
        ADD_FAILURE() << c.what << ": loaded";
      } catch (const TProfileReadError& error) {
        EXPECT_STREQ(error.what(), c.error) << c.what;
      }
      continue;
    }
    const TProfileFileContents contents = ReadProfileFile(c.file);
    EXPECT_EQ(contents.incomplete, c.incomplete) << c.what;
    EXPECT_EQ(contents.rows.size(), c.rows) << c.what;
  }
}

}  // namespace
}  // namespace quorvane
