#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <thread>

#include "framework/forms/SplashBar.h"
#include "framework/forms/SplashHelpers.h"
#include "framework/forms/TAnimationThread.h"
#include "framework/forms/TFrMessageSplash.h"
#include "framework/forms/TSplashPanel.h"
#include "framework/forms/WindowPlacement.h"
#include "framework/util/GlobalSettings.h"
#include "tests/forms/FormsTesting.h"

using namespace fw::forms;

namespace {

class SplashFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_main.setWindowTitle(QStringLiteral("Principal"));
        m_main.setGeometry(200, 150, 900, 600);
        m_main.show();
        QApplication::setActiveWindow(&m_main);
        ASSERT_EQ(MainWindow(), &m_main);
    }
    void TearDown() override { ShowSplash(QString()); }

    QPoint mainCentre() const { return m_main.frameGeometry().center(); }

    QWidget m_main;
};

TEST_F(SplashFixture, WidensForLongTextsNeverShrinksAndStaysCentred) {
    ShowSplash(QStringLiteral("Importando"));
    TFrMessageSplash* splash = CurrentSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Procesando..."));
    EXPECT_EQ(splash->text(), QStringLiteral("Importando"));
    EXPECT_EQ(splash->size(), QSize(293, 43));
    EXPECT_EQ(splash->label()->height(), 16);
    EXPECT_EQ(splash->frameGeometry().center(), mainCentre());

    const QString longText = QStringLiteral(
        "Importando el listado de antibióticos veterinarios del año en curso, "
        "producto por producto");
    SetSplashText(longText);
    const int wide = QFontMetrics(splash->label()->font()).horizontalAdvance(longText) + 20;
    ASSERT_GT(wide, 293);
    EXPECT_EQ(splash->width(), wide);
    EXPECT_EQ(splash->label()->width(), wide);
    EXPECT_EQ(splash->frameGeometry().center(), mainCentre());

    m_main.move(50, 40);
    ShowSplash(QStringLiteral("Fin"));
    EXPECT_EQ(CurrentSplash(), splash);
    EXPECT_EQ(splash->width(), wide);
    EXPECT_EQ(splash->text(), QStringLiteral("Fin"));
    EXPECT_EQ(splash->frameGeometry().center(), mainCentre());

    ShowSplash(QString());
    EXPECT_EQ(CurrentSplash(), nullptr);
}

TEST(Splash, EmptyTextWithNoSplashOpenDoesNothing) {
    ShowSplash(QString());
    SetSplashText(QStringLiteral("Nada"));
    EXPECT_EQ(CurrentSplash(), nullptr);
}

TEST_F(SplashFixture, TheAnimationHandsFramesToThePanelAndFollowsItsWidth) {
    const QRgb middle = qRgb(200, 0, 0);
    fw::util::GlobalColorEx().gradient2 = QColor(middle);
    ShowSplash(QStringLiteral("Procesando"));
    TSplashPanel* panel = CurrentSplash()->panel();
    EXPECT_TRUE(panel->isAnimating());
    ASSERT_TRUE(test::ServeEventsUntil([&] { return !panel->lastFrame().isNull(); }));
    const QImage frame = panel->lastFrame();
    EXPECT_EQ(frame.size(), panel->drawingRect().size());
    bool barInSettingsColour = false;
    for (int x = 0; x < frame.width(); ++x) {
        barInSettingsColour = barInSettingsColour || frame.pixel(x, frame.height() / 2) == middle;
    }
    EXPECT_TRUE(barInSettingsColour);
    EXPECT_EQ(panel->drawingRect(), panel->rect().adjusted(4, 4, -4, -4));

    SetSplashText(QString(120, QLatin1Char('W')));
    EXPECT_TRUE(panel->isAnimating());
    EXPECT_TRUE(test::ServeEventsUntil(
        [&] { return panel->lastFrame().width() == panel->drawingRect().width(); }));
}

TEST(Splash, NoSplashOffTheWindowThread) {
    bool opened = true;
    std::thread worker([&] {
        ShowSplash(QStringLiteral("Sin ventana"));
        opened = CurrentSplash() != nullptr;
    });
    worker.join();
    EXPECT_FALSE(opened);
}

TEST(Splash, ASplashLeftOpenIsFreedBeforeTheApplication) {
    // The check is this test process ending cleanly, its animation thread waited for.
    ShowSplash(QStringLiteral("Abierto"));
    EXPECT_NE(CurrentSplash(), nullptr);
}

TEST(SplashBarTest, BouncesBetweenTheEdges) {
    struct Step {
        int left;
        int right;
        bool movingRight;
    };
    const Step steps[] = {
        {-50, 20, true},  {-30, 40, true},  {-10, 60, true}, {10, 80, true}, {30, 100, true},
        {50, 100, false}, {30, 100, false}, {10, 80, false}, {0, 60, true},  {10, 80, true},
    };
    SplashBar bar;
    EXPECT_EQ(bar.left(), 0);
    EXPECT_EQ(bar.right(), 0);
    EXPECT_TRUE(bar.movingRight());
    int frame = 0;
    for (const Step& step : steps) {
        bar.advance(100);
        ++frame;
        EXPECT_EQ(bar.left(), step.left) << "frame " << frame;
        EXPECT_EQ(bar.right(), step.right) << "frame " << frame;
        EXPECT_EQ(bar.movingRight(), step.movingRight) << "frame " << frame;
    }
}

TEST(AnimationFrame, GradientRunsFromLightenedEdgesToTheSecondColourInTheMiddle) {
    TAnimationThread::Settings settings;
    settings.size = QSize(100, 19);
    settings.background = Qt::white;
    settings.firstColor = Qt::black;
    settings.secondColor = Qt::black;
    SplashBar bar;
    for (int i = 0; i < 4; ++i) {
        bar.advance(settings.size.width());  // [10, 80)
    }
    const QImage frame = TAnimationThread::paintFrame(settings, bar);
    ASSERT_EQ(frame.size(), settings.size);
    const QRgb edge = TAnimationThread::lightened(Qt::black).rgb();
    EXPECT_EQ(frame.pixel(5, 9), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(85, 9), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(10, 9), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(79, 9), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(80, 9), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(40, 0), edge);
    EXPECT_EQ(frame.pixel(40, 18), edge);
    EXPECT_GT(qGray(frame.pixel(40, 4)), 0);
    EXPECT_LT(qGray(frame.pixel(40, 4)), qGray(edge));
    EXPECT_EQ(frame.pixel(40, 4), frame.pixel(40, 14));
}

TEST(AnimationFrame, LighteningRaisesLightnessByAHundredUpTo230) {
    // 100 / 240 of full lightness on black; 230 / 240 at most, so white darkens slightly.
    EXPECT_NEAR(TAnimationThread::lightened(Qt::black).lightnessF(), 100.0 / 240.0, 0.005);
    EXPECT_NEAR(TAnimationThread::lightened(Qt::white).lightnessF(), 230.0 / 240.0, 0.005);
    const QColor blue = TAnimationThread::lightened(QColor(0, 0, 128));
    EXPECT_NEAR(blue.lightnessF(), QColor(0, 0, 128).lightnessF() + 100.0 / 240.0, 0.005);
    EXPECT_EQ(blue.hslHue(), 240);
}

}  // namespace
