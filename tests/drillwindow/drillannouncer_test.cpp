// What a screen reader gets from the drill window: the announcement notice and the value names.
#include "drillwindowfixture.h"

#include <QAccessible>
#include <QProgressBar>

namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

// The drill window as a screen reader sees it through Qt's accessible interfaces. (Without a
// platform bridge, as here offscreen, Qt sends no accessibility events; the end-to-end test
// hears those.)
struct ScreenReader : DrillWindow
{
    using DrillWindow::DrillWindow;

    // The last thing the announcement notice said.
    QString said() const
    {
        QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(find("announcement"));
        EXPECT_EQ(notice->role(), QAccessible::Notification);
        return notice->text(QAccessible::Name);
    }
    void enter(const char *typed)
    {
        QTest::keyClicks(answer(), typed);
        QTest::keyClick(answer(), Qt::Key_Return);
    }
};

TEST_F(ScreenReader, SaysEachOperationAndVerdictWhileTheAnswerFieldKeepsTheFocus)
{
    open();
    EXPECT_EQ(said(), "3 x 7");
    EXPECT_TRUE(answer()->hasFocus());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(answer())->text(QAccessible::Description), "3 x 7 =");

    enter("21");
    EXPECT_EQ(said(), "Great, that's right! 3 x 7 = 21. 3 x 7");
    enter("20");
    EXPECT_EQ(said(), "Oops, that's wrong! 3 x 7 = 21. 3 x 7");
    EXPECT_TRUE(answer()->hasFocus());
    EXPECT_TRUE(answer()->text().isEmpty());

    window->session().thinkingTimeOut(); // the thinking time ran out with nothing typed
    EXPECT_EQ(said(), "Time's up! 3 x 7 = 21. 3 x 7");
    EXPECT_TRUE(answer()->hasFocus());
}

TEST_F(ScreenReader, ValueLabelsAreNamedWithCaptionAndValue)
{
    open();
    EXPECT_EQ(accessibleName(find("Label8")), "Sums: 0");
    EXPECT_EQ(accessibleName(find("Label10")), "Mistakes: 0");
    EXPECT_EQ(accessibleName(find("BitBtn7")), "Record");

    enter("21");
    enter("20");
    EXPECT_EQ(accessibleName(find("Label8")), "Sums: 2");
    EXPECT_EQ(accessibleName(find("Label10")), "Mistakes: 1");
    EXPECT_EQ(accessibleName(find("Label11")), "Mark: 5 out of 10");

    window->session().setRecordChoice(RecordMode::NextOperations, 10);
    window->session().recordChoiceConfirmed();
    EXPECT_EQ(accessibleName(find("BitBtn7")), "Record: Rec");

    // The gauge tells how much of the thinking time has gone.
    click("BitBtn12");
    window->session().gaugeStep();
    auto *gauge = find<QProgressBar>("Gauge1");
    QAccessibleInterface *gaugeAccessible = QAccessible::queryAccessibleInterface(gauge);
    EXPECT_EQ(gaugeAccessible->text(QAccessible::Name), "Thinking time");
    ASSERT_TRUE(gaugeAccessible->valueInterface());
    EXPECT_EQ(gaugeAccessible->valueInterface()->currentValue().toInt(), gauge->value());
    EXPECT_GT(gauge->value(), 0);
    EXPECT_EQ(gaugeAccessible->valueInterface()->maximumValue().toInt(), 24);
}

struct FrenchScreenReader : ScreenReader
{
    FrenchScreenReader() : ScreenReader(QStringLiteral("fr")) {}
};

TEST_F(FrenchScreenReader, SpeaksTheWindowLanguage)
{
    open();
    enter("21");
    EXPECT_EQ(said(), "Bravo, c'est juste ! 3 x 7 = 21. 3 x 7");
    EXPECT_EQ(accessibleName(find("Label8")), QStringLiteral(u"Calculs\u00a0: 1")); // a no-break space before the colon
    EXPECT_EQ(accessibleName(find("Label11")), QStringLiteral(u"Note\u00a0: 10 sur 10"));
    EXPECT_EQ(accessibleName(find("Gauge1")), QString::fromUtf8("Réflexion"));
}
