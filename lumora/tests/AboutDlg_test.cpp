// The about box's two placements and its timer; the confirmation and the eye image holder.
#include "dialogs/AboutDlg.h"

#include <gtest/gtest.h>

#include <QDir>

#include "dialogs/DeleteDlg.h"
#include "LumoraGuiTest.h"
#include "app/EyeImageDlg.h"
#include "files/LoadBmpFile.h"

using namespace lumora;
using namespace lumora::test;

TEST(AboutDlg, SmallerPlacementUpTo1024Wide) {
    App();
    // c = 91: (c + 5 x 10, 4 x 10), (3W/4 - 30) x 3H/4.
    EXPECT_EQ(AboutDlg::Placement(QSize(1024, 768)), QRect(141, 40, 738, 576));
}

TEST(AboutDlg, LargerPlacementAbove1024Wide) {
    App();
    // c = 113: (5c/2, 3(H/10)/2), (2W/3 - c) x (2H/3 - H/10).
    EXPECT_EQ(AboutDlg::Placement(QSize(1280, 1024)), QRect(282, 153, 853 - 113, 682 - 102));
}

TEST(AboutDlg, ShowsWithItsTimerAndStopsItWhenClosed) {
    App();
    AboutDlg about(kScreen, nullptr);
    about.showGreeting();
    Pump();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(about.timerRunning());
    EXPECT_EQ(about.geometry(), AboutDlg::Placement(kScreen));
    about.close();
    EXPECT_FALSE(about.timerRunning());
}

TEST(AboutDlg, LogosLoadWhenShipped) {
    App();
    // The build's working folder, build/share/lumora, seen from build/testwork/<test>.
    const QString shipped = QDir::currentPath() + "/../../share/lumora";
    if (!QDir(shipped).exists())
        GTEST_SKIP() << "no working folder";
    QImage logo, partner;
    ASSERT_TRUE(LoadBmpFile(shipped + "/Lumora/Images/LumoraLogo.bmp", logo));
    ASSERT_TRUE(LoadBmpFile(shipped + "/Lumora/Images/VelLogo.bmp", partner));
    EXPECT_EQ(logo.size(), QSize(AboutDlg::kLogoWidth, AboutDlg::kLogoHeight));
    EXPECT_EQ(partner.size(), QSize(AboutDlg::kPartnerLogoWidth, AboutDlg::kPartnerLogoHeight));
}

TEST(DeleteDlg, PlacesFromTheScreenSize) {
    App();
    const QSize s(1024, 768);
    const QRect place = DeleteDlg::Placement(s);
    EXPECT_EQ(place, QRect(341, 256, 426 - 20, 192));
    EXPECT_EQ(DeleteDlg::DeleteButtonPlace(s), QRect(203 - 30 - 91, 76, 91, 76));
    EXPECT_EQ(DeleteDlg::CancelButtonPlace(s), QRect(203 + 30, 76, 91, 76));
}

TEST(EyeImageDlg, HoldsAScreenSizedSurfaceAndNeverShows) {
    App();
    EyeImageDlg eye(kScreen);
    EXPECT_EQ(eye.screenImage().size(), kScreen);
    EXPECT_EQ(eye.surface(), static_cast<const void*>(&eye.screenImage()));
    EXPECT_FALSE(eye.isVisible());
}
