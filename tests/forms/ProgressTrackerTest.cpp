#include <gtest/gtest.h>

#include <vector>

#include "framework/forms/ProgressTracker.h"

using namespace fw::forms;

namespace {

// A tracker on a clock the test moves by hand, noting every pause instead of sleeping.
class TrackerFixture : public ::testing::Test {
protected:
    ProgressTracker make(int maximum) {
        return ProgressTracker(
            maximum, [this] { return m_now; }, [this](int msecs) { m_pauses.push_back(msecs); });
    }
    void at(qint64 seconds) { m_now = m_origin + seconds * 1000; }

    const qint64 m_origin = 5'000'000;
    qint64 m_now = m_origin;
    std::vector<int> m_pauses;
};

TEST_F(TrackerFixture, MaximumZeroNeverShowsAPercentageOrEstimate) {
    for (const int maximum : {0, -5}) {
        ProgressTracker tracker = make(maximum);
        EXPECT_EQ(tracker.maximum(), 0);
        at(100);
        for (int i = 0; i < 5; ++i) {
            tracker.step();
        }
        EXPECT_EQ(tracker.position(), 0);
        EXPECT_EQ(tracker.lastPercentage(), 0);
        EXPECT_TRUE(tracker.percentageText().isEmpty());
        EXPECT_TRUE(tracker.footText().isEmpty());
        EXPECT_FALSE(tracker.estimateShown());
        EXPECT_TRUE(m_pauses.empty());
    }
}

TEST_F(TrackerFixture, EstimateAfterSixtySecondsAtHalfWayAndNeverGrowing) {
    ProgressTracker tracker = make(100);
    EXPECT_EQ(tracker.startTime(), m_origin);
    at(60);
    tracker.setPosition(50);
    EXPECT_EQ(tracker.percentageText(), QStringLiteral("Progreso: 50%"));
    EXPECT_EQ(tracker.lastRemaining(), 61);
    EXPECT_EQ(tracker.footText(), QStringLiteral("Falta 1 minuto"));

    at(61);
    tracker.setPosition(51);  // 61 * 100 / 51 = 119 in total: 59 left
    EXPECT_EQ(tracker.footText(), QStringLiteral("Faltan 59 segundos"));

    at(300);
    tracker.setPosition(52);  // would be 277 left
    EXPECT_EQ(tracker.footText(), QStringLiteral("Faltan 59 segundos"));
    EXPECT_EQ(tracker.lastRemaining(), 59);
    EXPECT_EQ(tracker.percentageText(), QStringLiteral("Progreso: 52%"));
}

TEST_F(TrackerFixture, NoEstimateDuringTheFirstPercentNorWithTwoSecondsOrLessLeft) {
    ProgressTracker tracker = make(200);
    at(1000);
    tracker.setPosition(3);  // 1 %
    EXPECT_EQ(tracker.percentageText(), QStringLiteral("Progreso: 1%"));
    EXPECT_FALSE(tracker.estimateShown());

    at(0);
    ProgressTracker fast = make(100);
    fast.setPosition(2);  // 0 s elapsed: 1 s left
    EXPECT_FALSE(fast.estimateShown());
    EXPECT_TRUE(fast.footText().isEmpty());
    at(1);
    fast.setPosition(2);  // 50 s in total: 50 left
    EXPECT_TRUE(fast.estimateShown());
    EXPECT_EQ(fast.footText(), QStringLiteral("Faltan 50 segundos"));
    at(49);
    fast.setPosition(99);  // once shown, short estimates still show
    EXPECT_EQ(fast.footText(), QStringLiteral("Falta 1 segundo"));
}

TEST_F(TrackerFixture, CallerDetailSuppressesTheEstimateUntilCleared) {
    ProgressTracker tracker = make(100);
    tracker.setDetail(QStringLiteral("Leyendo artículos"));
    EXPECT_TRUE(tracker.callerDetailShown());
    at(60);
    tracker.setPosition(50);
    EXPECT_EQ(tracker.footText(), QStringLiteral("Leyendo artículos"));
    EXPECT_FALSE(tracker.estimateShown());

    tracker.setDetail(QString());
    EXPECT_FALSE(tracker.callerDetailShown());
    EXPECT_TRUE(tracker.footText().isEmpty());
    tracker.setPosition(50);
    EXPECT_EQ(tracker.footText(), QStringLiteral("Falta 1 minuto"));
}

TEST_F(TrackerFixture, PausesOnceTheMaximumIsReachedAndStaysFullPastIt) {
    ProgressTracker tracker = make(4);
    std::vector<int> changesBeforePause;
    int changes = 0;
    tracker.setChangeHandler([&] { ++changes; });
    for (int i = 0; i < 3; ++i) {
        tracker.step();
    }
    EXPECT_TRUE(m_pauses.empty());
    tracker.setChangeHandler([&] {
        ++changes;
        changesBeforePause.push_back(int(m_pauses.size()));
    });
    tracker.step();
    EXPECT_EQ(tracker.position(), 4);
    EXPECT_EQ(m_pauses, std::vector<int>{200});
    EXPECT_EQ(changesBeforePause, std::vector<int>{0});  // repainted before the pause

    tracker.step();
    EXPECT_EQ(tracker.position(), 4);
    EXPECT_EQ(tracker.percentageText(), QStringLiteral("Progreso: 100%"));
    EXPECT_EQ(m_pauses.size(), 1u);
    EXPECT_EQ(changes, 5);

    tracker.setPosition(-3);
    EXPECT_EQ(tracker.position(), 0);
    EXPECT_EQ(tracker.percentageText(), QStringLiteral("Progreso: 0%"));
}

TEST(RemainingTimeText, LargestUnitWithSingularAndPlural) {
    struct Case {
        qint64 seconds;
        const char16_t* text;
    };
    const Case cases[] = {
        {0, u"Falta 0 segundo"},     {1, u"Falta 1 segundo"},      {2, u"Faltan 2 segundos"},
        {59, u"Faltan 59 segundos"}, {60, u"Falta 1 minuto"},      {119, u"Falta 1 minuto"},
        {120, u"Faltan 2 minutos"},  {3599, u"Faltan 59 minutos"}, {3600, u"Falta 1 hora"},
        {7200, u"Faltan 2 horas"},   {86399, u"Faltan 23 horas"},  {86400, u"Falta 1 día"},
        {172800, u"Faltan 2 días"},  {1000000, u"Faltan 11 días"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressTracker::RemainingTimeText(c.seconds), QString::fromUtf16(c.text))
            << c.seconds;
    }
}

}  // namespace
