// Qt's own dialogs speak Portuguese once the program has loaded Qt's translation.
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTranslation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace korvane::platform {
namespace {

TEST(QtTranslation, StandardButtonsOfAMessageBoxArePortuguese) {
    QtPlatform platform; // makes the application
    ASSERT_TRUE(InstallQtTranslation(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString("Cancelar"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString("Não"));
}

} // namespace
} // namespace korvane::platform
