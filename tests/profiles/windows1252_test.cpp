#include "profiles/windows1252.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

TEST(Windows1252, MapsTheCodePageCharacters) {
  struct Case {
    QString text;
    QByteArray bytes;
  };
  const Case cases[] = {
      {QStringLiteral("Größe"), QByteArray("Gr\xF6\xDF" "e")},
      {QStringLiteral("€ „x“ – …"), QByteArray("\x80 \x84x\x93 \x96 \x85")},
      {QStringLiteral("ŠšŽžŸ™"), QByteArray("\x8A\x9A\x8E\x9E\x9F\x99")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeWindows1252(c.text), c.bytes) << c.text.toStdString();
    EXPECT_EQ(DecodeWindows1252(c.bytes), c.text) << c.text.toStdString();
  }
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  EXPECT_EQ(EncodeWindows1252(QStringLiteral("a\u0416b\U0001F600c\u0080")), QByteArray("a?b?c?"));
}

}  // namespace
}  // namespace quorvane
