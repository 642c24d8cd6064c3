#include "app/message_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvane {
namespace {

TEST(GetMsgStr, MessagesShownByTheProgramReadAsGiven) {
  EXPECT_EQ(GetMsgStr(3), QStringLiteral("Möchten Sie die Scanner Einstellungen wirklich löschen?"));
  EXPECT_EQ(GetMsgStr(4), QStringLiteral("Möchten Sie die Scanner Einstellungen übernehmen?"));
  EXPECT_EQ(GetMsgStr(5),
            QStringLiteral("Das Speichern des Scannerprofils ist mit dem verwendeten Scanner/Treiber nicht möglich!"));
  EXPECT_EQ(GetMsgStr(19), QStringLiteral("Bitte legen Sie Papier ein."));
}

TEST(GetMsgStr, RepeatedTextsAreEqual) {
  EXPECT_EQ(GetMsgStr(6), GetMsgStr(8));
  EXPECT_EQ(GetMsgStr(7), GetMsgStr(9));
  EXPECT_FALSE(GetMsgStr(6).isEmpty());
}

TEST(GetMsgStr, OnlyListedNumbersHaveTexts) {
  const std::set<int> listed = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16, 19, 21, 22, 23, 24, 26};
  for (int number = -1; number <= 30; ++number) {
    EXPECT_EQ(GetMsgStr(number).isEmpty(), listed.count(number) == 0) << number;
  }
  EXPECT_TRUE(GetMsgStr(65535).isEmpty());
  EXPECT_TRUE(GetMsgStr(65536 + 3).isEmpty()) << "no 16-bit wrap-around";
}

}  // namespace
}  // namespace quorvane
