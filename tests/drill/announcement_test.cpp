// What a screen reader is told after each step of the drill.
#include "drillfixture.h"
#include "spokensummary.h"

TEST(SpokenSummary, JoinsThePartsAsSentences)
{
    SpokenSummary summary;
    EXPECT_TRUE(summary.isEmpty());
    for (const char *part : {"Great, that's right!", "3 x 7 = 21", " ", "4 x 7"})
        summary.add(QString::fromUtf8(part));
    EXPECT_EQ(summary.take(), "Great, that's right! 3 x 7 = 21. 4 x 7");
    EXPECT_TRUE(summary.isEmpty());
    EXPECT_EQ(summary.take(), "");
}

TEST_F(Drill, EachStepSaysTheVerdictWithTheRightAnswerThenTheNextOperation)
{
    open(3);
    EXPECT_EQ(shown.announcement, "3 x 7");
    EXPECT_EQ(shown.announcements, 1);

    // The verdict is said once the outcome sound is over, with the operation that follows it.
    int announcementsDuringSound = -1;
    sound.onSound = [&](int) { announcementsDuringSound = shown.announcements; };
    answer("21", 4);
    EXPECT_EQ(announcementsDuringSound, 1);
    EXPECT_EQ(shown.announcement, "vResultRightLbl. 3 x 7 = 21. 4 x 7");
    EXPECT_EQ(shown.announcements, 2);

    answer("27", 5);
    EXPECT_EQ(shown.announcement, "vResultWrongLbl. 4 x 7 = 28. 5 x 7");
    EXPECT_EQ(shown.announcements, 3);

    session.appendDigit(5); // typing says nothing
    session.clearAnswer();
    EXPECT_EQ(shown.announcements, 3);

    session.showAnswer();
    EXPECT_EQ(shown.announcement, "35. vModeClickEnterStateLbl");

    next(6);
    session.toggleStopwatch(); // engaging resets: a new operation
    EXPECT_EQ(shown.announcement, "6 x 7");
    next(2);
    session.thinkingTimeOut(); // nothing typed
    EXPECT_EQ(shown.announcement, "vResultLateLbl. 6 x 7 = 42. 2 x 7");
}

TEST_F(Drill, MentalModeSaysTheRevealedAnswerThenTheNextOperation)
{
    open(2);
    next(3);
    session.toggleStopwatch();
    next(4);
    session.setModeChoice(1);
    EXPECT_EQ(shown.announcement, "4 x 7");
    session.thinkingTimeOut();
    EXPECT_EQ(shown.announcement, "4 x 7 = 28");
    next(5);
    session.displayTimeOut();
    EXPECT_EQ(shown.announcement, "5 x 7");
}
