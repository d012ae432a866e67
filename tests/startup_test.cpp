// Start-up: Qt's own texts in the edition's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>

#include "shell/app.hpp"

TEST(Startup, QtSpeaksTheEditionsLanguage) {
  for (auto [edition, undo] : {std::pair{fv::Edition::PT, "&Desfazer"}, {fv::Edition::ES, "&Deshacer"}}) {
    const std::unique_ptr<QTranslator> t = fv::qtTranslation(edition);
    ASSERT_TRUE(t && QCoreApplication::installTranslator(t.get()));
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(menu->actions().first()->text().section('\t', 0, 0), undo);
  }
}
