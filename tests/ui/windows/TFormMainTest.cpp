#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QStatusBar>

#include "windows/TFormMain.h"

namespace vantaro::test {
namespace {

// Without any font Qt draws boxes silently, so the screenshots below would mean nothing.
TEST(UiEnvironment, HasAFont) { EXPECT_FALSE(QFontDatabase::families().isEmpty()); }

TEST(TFormMain, ShowsCaptionVersionAndFileName) {
    TFormMain form;
    form.ShowFileName(QStringLiteral("/home/teacher/Year 7.ods"));
    form.show();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vantaro"));
    EXPECT_EQ(form.VersionPanelText(), QStringLiteral("Version 1.12 (Build 1)"));
    EXPECT_EQ(form.FileNamePanelText(), QStringLiteral("/home/teacher/Year 7.ods"));

    const QList<QLabel*> panels = form.statusBar()->findChildren<QLabel*>();
    ASSERT_GE(panels.size(), 2);
    EXPECT_EQ(panels.first()->width(), 200);

    const QImage shot = form.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral(VANTARO_BINARY_DIR "/TFormMain.png")));
}

}  // namespace
}  // namespace vantaro::test
