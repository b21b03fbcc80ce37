#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <thread>

#include "framework/forms/ProgressHelpers.h"
#include "framework/forms/ProgressTracker.h"
#include "framework/forms/TFrBar.h"

using namespace fw::forms;

namespace {

TEST(ProgressHelpers, DoNothingWhileNoProgressRuns) {
    ProgressStep();
    ProgressSetPosition(5);
    ProgressText(QStringLiteral("Texto"));
    ProgressDetail(QStringLiteral("Detalle"));
    ProgressEnd();
    EXPECT_FALSE(ProgressActive());
    EXPECT_EQ(CurrentProgress(), nullptr);
    EXPECT_EQ(CurrentProgressBar(), nullptr);
}

TEST(ProgressHelpers, TheWindowShowsEveryStepAtOnce) {
    ProgressStart(QStringLiteral("Importando listado"), 10);
    ASSERT_TRUE(ProgressActive());
    TFrBar* window = CurrentProgressBar();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(318, 86));
    EXPECT_NEAR(window->windowOpacity(), 225.0 / 255.0, 0.01);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Importando listado"));
    EXPECT_EQ(window->header()->text(), QStringLiteral("Importando listado"));
    EXPECT_EQ(window->bar()->maximum(), 10);
    EXPECT_TRUE(window->percentage()->text().isEmpty());

    for (int i = 0; i < 3; ++i) {
        ProgressStep();
    }
    EXPECT_EQ(CurrentProgress()->position(), 3);
    EXPECT_EQ(window->bar()->value(), 3);
    EXPECT_EQ(window->percentage()->text(), QStringLiteral("Progreso: 30%"));
    EXPECT_EQ(window->percentage()->geometry().right() + 1, 309);

    ProgressText(QStringLiteral("Cruzando ventas"));
    EXPECT_EQ(window->header()->text(), QStringLiteral("Cruzando ventas"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Importando listado"));
    ProgressDetail(QStringLiteral("Leyendo recepciones"));
    EXPECT_EQ(window->foot()->text(), QStringLiteral("Leyendo recepciones"));
    EXPECT_TRUE(CurrentProgress()->callerDetailShown());

    ProgressSetPosition(7);
    EXPECT_EQ(window->bar()->value(), 7);
    EXPECT_EQ(window->percentage()->text(), QStringLiteral("Progreso: 70%"));

    ProgressEnd();
    EXPECT_FALSE(ProgressActive());
    EXPECT_EQ(CurrentProgressBar(), nullptr);
}

TEST(ProgressHelpers, TheCloseBoxOnlyHidesTheWindow) {
    ProgressStart(QStringLiteral("Creando lista"), 50);
    TFrBar* window = CurrentProgressBar();
    ASSERT_NE(window, nullptr);
    window->close();
    EXPECT_FALSE(window->isVisible());
    ProgressStep();
    EXPECT_EQ(CurrentProgressBar(), window);
    EXPECT_EQ(window->bar()->value(), 1);
    EXPECT_EQ(window->percentage()->text(), QStringLiteral("Progreso: 2%"));
    ProgressEnd();
}

TEST(ProgressHelpers, StartingAgainReplacesTheOpenProgress) {
    ProgressStart(QStringLiteral("Primero"), 10);
    ProgressStep();
    ProgressStart(QStringLiteral("Segundo"), -1);
    ASSERT_NE(CurrentProgress(), nullptr);
    EXPECT_EQ(CurrentProgress()->maximum(), 0);
    EXPECT_EQ(CurrentProgress()->position(), 0);
    TFrBar* window = CurrentProgressBar();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->header()->text(), QStringLiteral("Segundo"));
    // Nothing to do: the bar shows full and no percentage appears, however often it steps.
    ProgressStep();
    ProgressStep();
    EXPECT_EQ(window->bar()->value(), window->bar()->maximum());
    EXPECT_TRUE(window->percentage()->text().isEmpty());
    ProgressEnd();
}

TEST(ProgressHelpers, WithoutWindowsOnlyTheTrackerRuns) {
    // Off the window thread no widget may be made, as in a run without windows.
    bool active = false;
    bool windowMade = true;
    QString percentage;
    QString header;
    std::thread worker([&] {
        ProgressStart(QStringLiteral("Sin ventana"), 4);
        ProgressStep();
        ProgressText(QStringLiteral("Paso"));
        active = ProgressActive();
        windowMade = CurrentProgressBar() != nullptr;
        percentage = CurrentProgress()->percentageText();
        header = CurrentProgress()->header();
        ProgressEnd();
    });
    worker.join();
    EXPECT_TRUE(active);
    EXPECT_FALSE(windowMade);
    EXPECT_EQ(percentage, QStringLiteral("Progreso: 25%"));
    EXPECT_EQ(header, QStringLiteral("Paso"));
    EXPECT_FALSE(ProgressActive());
}

TEST(ProgressHelpers, AWindowLeftOpenIsFreedBeforeTheApplication) {
    // The check is this test process ending cleanly.
    ProgressStart(QStringLiteral("Abierta"), 10);
    ProgressStep();
    EXPECT_NE(CurrentProgressBar(), nullptr);
}

}  // namespace
