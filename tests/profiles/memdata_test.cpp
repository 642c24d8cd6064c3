#include "profiles/memdata.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include <limits>
#include <stdexcept>

#include "profiles/memdata_field.h"

namespace quorvane {
namespace {

class MemDataTest : public ::testing::Test {
 protected:
  MemDataTest() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  // Adds and posts a row with this title; returns its ID.
  int Add(TMemData& table, const QString& title) {
    table.Insert();
    table.SetValue(pfVantelTitel, title);
    table.Post();
    return table.Value(pfID).toInt();
  }

  static QStringList Titles(TMemData& table) {
    QStringList titles;
    for (table.First(); !table.Eof(); table.Next()) titles << table.Value(pfVantelTitel).toString();
    return titles;
  }

  static QList<int> Ids(TMemData& table) {
    QList<int> ids;
    for (table.First(); !table.Eof(); table.Next()) ids << table.Value(pfID).toInt();
    return ids;
  }

  static TProfileValues Row(QVariant id, const QString& title) {
    TProfileValues row;
    row[pfID] = id;
    row[pfVantelTitel] = title;
    return row;
  }
};

TEST_F(MemDataTest, OrdersTitlesByTheLocaleCaseSensitivelyAndKeepsTiesInCreationOrder) {
  TMemData table;
  const int firstScan = Add(table, "Scan");
  Add(table, "b");
  Add(table, "B");
  Add(table, "a");
  Add(table, "A");
  const int secondScan = Add(table, "Scan");
  Add(table, "Ärger");
  // Character codes would give "A", "B", "Scan", "a", "b", "Ärger".
  EXPECT_EQ(Titles(table), QStringList({"a", "A", "Ärger", "b", "B", "Scan", "Scan"}));
  ASSERT_TRUE(table.Locate(firstScan));
  const qint64 firstRecId = table.RecId();
  ASSERT_TRUE(table.Locate(secondScan));
  EXPECT_LT(firstRecId, table.RecId());
  table.First();
  for (int i = 0; i < 5; ++i) table.Next();
  EXPECT_EQ(table.Value(pfID).toInt(), firstScan);
}

TEST_F(MemDataTest, ChangedTitleMovesTheRowAndItStaysCurrent) {
  TMemData table;
  Add(table, "Alpha");
  const int id = Add(table, "Beta");
  Add(table, "Gamma");
  ASSERT_TRUE(table.Locate(id));
  table.SetValue(pfVantelTitel, "Zeta");
  EXPECT_TRUE(table.Modified());
  EXPECT_EQ(table.State(), TMemData::TState::Edit);
  table.Post();
  EXPECT_FALSE(table.Modified());
  EXPECT_EQ(table.Value(pfID).toInt(), id);
  EXPECT_EQ(Titles(table), QStringList({"Alpha", "Gamma", "Zeta"}));
}

TEST_F(MemDataTest, LoadedIdsStayAndTheNextIsOneMoreThanTheHighest) {
  TMemData table;
  EXPECT_EQ(table.LoadRows({Row(9, "Neun"), Row(5, "Fünf")}), 0);
  EXPECT_EQ(Add(table, "Neu"), 10);
  EXPECT_EQ(Ids(table), QList<int>({5, 10, 9}));
}

TEST_F(MemDataTest, NumbersOfDeletedRowsAreNotGivenAgain) {
  TMemData table;
  EXPECT_EQ(Add(table, "Eins"), 1);
  EXPECT_EQ(Add(table, "Zwei"), 2);
  ASSERT_TRUE(table.Locate(2));
  table.Delete();
  EXPECT_EQ(Add(table, "Drei"), 3);
}

TEST_F(MemDataTest, RowsWithoutTheirOwnIdGetNewNumbersOnLoad) {
  TMemData table;
  EXPECT_EQ(table.LoadRows({Row(4, "a"), Row(QVariant(), "b"), Row(4, "c")}), 2);
  EXPECT_EQ(Ids(table), QList<int>({4, 5, 6}));
  EXPECT_EQ(Add(table, "d"), 7);
}

TEST_F(MemDataTest, AfterTheLargestIdTheSmallestFreeNumberIsGiven) {
  TMemData table;
  const int largest = std::numeric_limits<int>::max();
  table.LoadRows({Row(largest, "a"), Row(1, "b")});
  EXPECT_EQ(Add(table, "c"), 2);
  EXPECT_EQ(Add(table, "d"), 3);
}

TEST_F(MemDataTest, LocateFindsTheIdOrKeepsTheCurrentRow) {
  TMemData table;
  Add(table, "a");
  const int b = Add(table, "b");
  EXPECT_TRUE(table.Locate(b));
  EXPECT_EQ(table.Value(pfVantelTitel).toString(), "b");
  EXPECT_FALSE(table.Locate(77));
  EXPECT_EQ(table.Value(pfVantelTitel).toString(), "b");
}

TEST_F(MemDataTest, LeavingTheRowPostsItsChanges) {
  TMemData table;
  const int a = Add(table, "a");
  Add(table, "b");
  ASSERT_TRUE(table.Locate(a));
  table.SetValue(pfDPI, 300);
  table.Next();
  EXPECT_EQ(table.State(), TMemData::TState::Browse);
  ASSERT_TRUE(table.Locate(a));
  EXPECT_EQ(table.Value(pfDPI).toInt(), 300);
}

TEST_F(MemDataTest, FieldsHoldNullAndCutTextsToTheirSize) {
  TMemData table;
  Add(table, "a");
  TMemDataField folder(table, pfFolder);
  TMemDataField typStr(table, pfTypStr);
  TMemDataField dpi(table, pfDPI);
  EXPECT_TRUE(folder.IsNull());
  EXPECT_TRUE(dpi.IsNull());
  EXPECT_EQ(dpi.AsInteger(), 0);
  folder.SetAsString(QString());
  EXPECT_FALSE(folder.IsNull());  // an empty text is not null
  typStr.SetAsString(QStringLiteral("ÄÖÜ\U0001F600abcdefghij"));
  EXPECT_EQ(typStr.AsString(), QStringLiteral("ÄÖÜ\U0001F600abcdef"));
  dpi.SetAsInteger(600);
  dpi.Clear();
  table.Post();
  EXPECT_TRUE(dpi.IsNull());
}

TEST_F(MemDataTest, RefusesValuesAndChangesTheTableCannotHold) {
  TMemData table;
  EXPECT_THROW(table.SetValue(pfDPI, 200), std::logic_error);  // no current row
  Add(table, "a");
  EXPECT_THROW(table.SetValue(pfID, 5), std::logic_error);
  EXPECT_THROW(table.SetValue(pfFarbe, 40000), std::invalid_argument);
  EXPECT_THROW(table.SetValue(pfDPI, "viel"), std::invalid_argument);
  EXPECT_THROW(table.SetValue(pfDPI, qlonglong{1} << 40), std::invalid_argument);
}

TEST_F(MemDataTest, DeleteFiresTheEventAndTheNextRowBecomesCurrent) {
  TMemData table;
  Add(table, "a");
  const int b = Add(table, "b");
  Add(table, "c");
  int events = 0;
  QObject::connect(&table, &TMemData::AfterDelete, [&](TMemData* sender) {
    EXPECT_EQ(sender, &table);
    ++events;
  });
  ASSERT_TRUE(table.Locate(b));
  table.Delete();
  EXPECT_EQ(events, 1);
  EXPECT_EQ(table.Value(pfVantelTitel).toString(), "c");
  table.Delete();
  EXPECT_EQ(table.Value(pfVantelTitel).toString(), "a");
  table.Insert();
  table.SetValue(pfVantelTitel, "verworfen");
  table.Delete();  // only drops the new row
  EXPECT_EQ(events, 2);
  EXPECT_EQ(Titles(table), QStringList({"a"}));
  table.Delete();
  EXPECT_TRUE(table.Eof());
  EXPECT_FALSE(table.Value(pfID).isValid());
  EXPECT_THROW(table.Delete(), std::logic_error);
}

}  // namespace
}  // namespace quorvane
