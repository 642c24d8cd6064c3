#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QWidget>

#include "app/client_routines.h"
#include "app/form_placement.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

const QString kKey = QStringLiteral("Software\\Kestrow\\Quorvane\\FormStore\\MainFm");

class FormPlacementTest : public ::testing::Test {
 protected:
  void SetUp() override { QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively(); }

  // A window as the program makes it: named, in its design size.
  static std::unique_ptr<QWidget> NewForm() {
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("MainFm"));
    form->setGeometry(10, 20, 859, 742);
    return form;
  }
  static QString Stored(const char* name) { return ReadRegString(kKey, QString::fromLatin1(name)); }
};

TEST_F(FormPlacementTest, FirstStartKeepsTheDesignPlacement) {
  auto form = NewForm();
  RestoreFormPlacement(*form);
  EXPECT_EQ(form->geometry(), QRect(10, 20, 859, 742));
  EXPECT_FALSE(form->isMaximized());
}

TEST_F(FormPlacementTest, NormalWindowComesBackWhereItWas) {
  {
    auto form = NewForm();
    form->show();
    form->setGeometry(100, 50, 800, 750);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect outer = form->frameGeometry();
    StoreFormPlacement(*form);
    EXPECT_EQ(Stored("Left").toInt(), outer.left());
    EXPECT_EQ(Stored("Top").toInt(), outer.top());
    EXPECT_EQ(Stored("Right").toInt(), outer.left() + outer.width());
    EXPECT_EQ(Stored("Bottom").toInt(), outer.top() + outer.height());
    EXPECT_EQ(Stored("WindowState"), QStringLiteral("0"));
  }
  auto form = NewForm();
  RestoreFormPlacement(*form);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  EXPECT_EQ(form->size(), QSize(800, 750));
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(Stored("Left").toInt(), Stored("Top").toInt()));
}

TEST_F(FormPlacementTest, MaximisedWindowStoresOnlyItsStateAndKeepsTheOldRectangle) {
  WriteRegString(kKey, QStringLiteral("Left"), QStringLiteral("100"));
  WriteRegString(kKey, QStringLiteral("Top"), QStringLiteral("50"));
  WriteRegString(kKey, QStringLiteral("Right"), QStringLiteral("900"));
  WriteRegString(kKey, QStringLiteral("Bottom"), QStringLiteral("800"));
  {
    auto form = NewForm();
    form->showMaximized();
    StoreFormPlacement(*form);
  }
  EXPECT_EQ(Stored("WindowState"), QStringLiteral("2"));
  EXPECT_EQ(Stored("Right"), QStringLiteral("900"));
  auto form = NewForm();
  RestoreFormPlacement(*form);
  EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
}

TEST_F(FormPlacementTest, IncompleteRectangleKeepsTheDesignPlacement) {
  WriteRegString(kKey, QStringLiteral("WindowState"), QStringLiteral("0"));
  WriteRegString(kKey, QStringLiteral("Left"), QStringLiteral("100"));
  WriteRegString(kKey, QStringLiteral("Top"), QStringLiteral("50"));
  WriteRegString(kKey, QStringLiteral("Right"), QStringLiteral("kaputt"));
  auto form = NewForm();
  RestoreFormPlacement(*form);
  EXPECT_EQ(form->geometry(), QRect(10, 20, 859, 742));
}

}  // namespace
}  // namespace quorvane
