// Start-up: Qt's own texts in the edition's language; no folders under "/" without HOME.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

#include "application/app.hpp"

TEST(Startup, QtSpeaksTheEditionsLanguage) {
  for (auto [edition, undo] : {std::pair{fv::Edition::PT, "&Desfazer"}, {fv::Edition::ES, "&Deshacer"}}) {
    const std::unique_ptr<QTranslator> t = fv::qtTranslation(edition);
    ASSERT_TRUE(t && QCoreApplication::installTranslator(t.get()));
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(menu->actions().first()->text().section('\t', 0, 0), undo);
  }
}

TEST(Startup, NoFoldersUnderTheRootWithoutHome) {
  qunsetenv("HOME");
  qputenv("XDG_DATA_HOME", "/srv/data");  // one the user chose stays
  const std::unique_ptr<QTemporaryDir> dir = fv::foldersWithoutHome();
  ASSERT_TRUE(dir);
  EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).startsWith(dir->path() + '/'));
  EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).startsWith(dir->path() + '/'));
  EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), "/srv/data");
  qputenv("HOME", "/home/ana");
  EXPECT_FALSE(fv::foldersWithoutHome());
}
