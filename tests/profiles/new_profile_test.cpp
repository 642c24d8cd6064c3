#include "profiles/new_profile.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(NewProfile, FirstProfileGetsTheDefaults) {
  TMemData table;
  InsertNewProfile(table);
  ASSERT_EQ(table.RecordCount(), 1);
  TProfileValues expected;
  expected[pfID] = 1;
  expected[pfVantelTitel] = QStringLiteral("Neuer Button");
  expected[pfDPI] = 200;
  expected[pfFarbe] = 1;
  expected[pfInputSize] = 0;
  expected[pfOutputSize] = 0;
  expected[pfPreviewSize] = 300;
  expected[pfShowFilename] = true;
  expected[pfFileCount] = 0;
  EXPECT_EQ(table.Rows().front(), expected);
  EXPECT_EQ(table.State(), TMemData::TState::Browse);
}

TEST(NewProfile, LaterProfileCopiesTheScanSettingsOfTheCurrentOne) {
  TProfileValues current;
  current[pfID] = 7;
  current[pfVantelTitel] = QStringLiteral("Rechnungen");
  current[pfVantelColor] = 0x00FF00;
  current[pfFolder] = QStringLiteral("/srv/scans");
  current[pfAutoFileNameVar] = QStringLiteral("{Datum}");
  current[pfFarbe] = 3;
  current[pfDPI] = 400;
  current[pfInputSize] = 2;
  current[pfOutputSize] = 1;
  // PreviewSize null: copied through its accessor as 0
  current[pfDuplex] = true;
  current[pfScanBarCode] = true;
  current[pfDelete1StPage] = false;
  current[pfSettings] = QByteArray("\x00\x01\xFF", 3);
  // ShowPrefix null: copied as false
  current[pfTypStr] = QStringLiteral("RE");
  current[pfStapel] = true;
  current[pfRemoveBlankPage] = true;
  current[pfRBPToleranz] = 12;
  current[pfBARCODEWORDS] = QStringLiteral("TRENN");
  current[pfSaveAsTif] = true;
  current[pfShowFilename] = false;
  current[pfFileCount] = 41;
  TMemData table;
  table.LoadRows({current});

  InsertNewProfile(table);

  TProfileValues expected;
  expected[pfID] = 8;
  expected[pfVantelTitel] = QStringLiteral("Neuer Button");
  expected[pfFolder] = QStringLiteral("/srv/scans");
  expected[pfAutoFileNameVar] = QStringLiteral("{Datum}");
  expected[pfFarbe] = 3;
  expected[pfDPI] = 400;
  expected[pfInputSize] = 2;
  expected[pfOutputSize] = 1;
  expected[pfPreviewSize] = 0;
  expected[pfDuplex] = true;
  expected[pfScanBarCode] = true;
  expected[pfDelete1StPage] = false;
  expected[pfSettings] = QByteArray("\x00\x01\xFF", 3);
  expected[pfShowPrefix] = false;
  expected[pfShowFilename] = false;
  expected[pfFileCount] = 0;
  ASSERT_TRUE(table.Locate(8));
  for (int field = 0; field < kProfileFieldCount; ++field) {
    EXPECT_EQ(table.Value(TProfileField(field)), expected[field]) << kProfileFields[field].name;
  }
}

TEST(NewProfile, NullTextsOfTheCurrentProfileAreCopiedAsEmpty) {
  TProfileValues current;
  current[pfID] = 1;
  TMemData table;
  table.LoadRows({current});
  InsertNewProfile(table);
  ASSERT_TRUE(table.Locate(2));
  EXPECT_EQ(table.Value(pfFolder), QVariant(QString()));
  EXPECT_TRUE(table.Value(pfFolder).isValid());
  EXPECT_TRUE(table.Value(pfSettings).isValid());
}

}  // namespace
}  // namespace quorvane
