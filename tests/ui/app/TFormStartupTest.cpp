#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "app/FindFileAnimation.h"
#include "app/TFormStartup.h"

namespace vantaro::test {
namespace {

TEST(TFormStartup, LooksAsDesignedAndIsVisibleFromCreation) {
    TFormStartup form;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(374, 142));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(233, 235, 243));

    EXPECT_EQ(form.LabelVantaro()->text(), QStringLiteral("Vantaro"));
    EXPECT_EQ(form.LabelVantaro()->geometry(), QRect(72, 16, 219, 38));
    EXPECT_EQ(form.LabelVantaro()->font().pixelSize(), 27);
    EXPECT_EQ(form.LabelVantaro()->palette().color(QPalette::WindowText), QColor(70, 83, 132));
    EXPECT_EQ(form.LabelStartUp()->geometry(), QRect(16, 88, 345, 38));
    EXPECT_EQ(form.LabelStartUp()->palette().color(QPalette::WindowText), QColor(150, 160, 199));
    EXPECT_EQ(form.Animate()->geometry(), QRect(176, 64, 16, 16));
    EXPECT_TRUE(form.Animate()->IsActive());

    EXPECT_TRUE(form.grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/TFormStartup.png")));
}

TEST(TFormStartup, ShowProgressSetsTheCaptionOnlyWhenHidden) {
    TFormStartup form;
    form.ShowProgress(false);  // already visible: caption stays
    EXPECT_EQ(form.LabelStartUp()->text(), QStringLiteral("Loading Data From Store"));

    form.HideProgress();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Animate()->IsActive());
    EXPECT_EQ(form.Animate()->Frame(), FindFileAnimation::kStopFrame);

    form.ShowProgress(false);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.LabelStartUp()->text(), QStringLiteral("Saving Data To Store"));
    form.HideProgress();
    form.ShowProgress(true);
    EXPECT_EQ(form.LabelStartUp()->text(), QStringLiteral("Loading Data From Store"));
}

}  // namespace
}  // namespace vantaro::test
