#include "startfixture.h"

#include "inifile.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QStringList multipliersFrom(int smallest)
{
    QStringList list;
    for (int n = smallest; n <= 12; ++n)
        list.append(QString::number(n));
    return list;
}

template <typename T>
T *child(QWidget *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

} // namespace

TEST_F(StartProgram, SmallestMultiplierTakesEffectThroughOkAndIsSaved)
{
    install();
    start();
    EXPECT_EQ(state().LBRange, multipliersFrom(1));

    whenModal([](QWidget *dialog) {
        auto *number = child<QSpinBox>(dialog, "UpDown1");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(number, Qt::Key_Up);
        EXPECT_EQ(child<QLineEdit>(dialog, "Edit1")->text(), "5");
        QTest::mouseClick(child<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
    });
    click("BitBtn9");
    EXPECT_EQ(state().LBRange, multipliersFrom(5));
    EXPECT_EQ(state().settings.Range, 5);

    click("BitBtn1");
    EXPECT_EQ(IniFile(userPath("sys/multable.ini")).ReadInteger("GLOBAL", "Range", 0), 5);
}

TEST_F(StartProgram, TheNumberMovesOnlyByItsArrowsWithin1To12)
{
    install();
    start();
    whenModal([](QWidget *dialog) {
        auto *number = child<QSpinBox>(dialog, "UpDown1");
        number->setFocus();
        QTest::keyClick(number, Qt::Key_Down);
        EXPECT_EQ(number->value(), 1);
        QTest::keyClicks(number, "7");
        EXPECT_EQ(number->value(), 1);
        QTest::keyClick(number, Qt::Key_PageUp);
        EXPECT_EQ(number->value(), 2);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(number, Qt::Key_Up);
        EXPECT_EQ(number->value(), 12);
        // Closed without OK: the number does not last.
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    click("BitBtn9");
    EXPECT_EQ(state().LBRange, multipliersFrom(1));

    int shown = 0;
    whenModal([&](QWidget *dialog) { shown = child<QSpinBox>(dialog, "UpDown1")->value(); });
    click("BitBtn9");
    EXPECT_EQ(shown, 1);
}

TEST_F(StartProgram, YesAndNoChangeInversionAtOnce)
{
    install();
    putUser("sys/multable.ini", "[CALCULS]\r\nInversion=0\r\n");
    start();
    whenModal([this](QWidget *dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, "RadioButton2")->isChecked());
        QTest::mouseClick(child<QRadioButton>(dialog, "RadioButton1"), Qt::LeftButton);
        EXPECT_TRUE(state().settings.Inversion);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    click("BitBtn9");
    EXPECT_TRUE(state().settings.Inversion);

    whenModal([this](QWidget *dialog) {
        QTest::mouseClick(child<QRadioButton>(dialog, "RadioButton2"), Qt::LeftButton);
        EXPECT_FALSE(state().settings.Inversion);
    });
    click("BitBtn9");
    EXPECT_FALSE(state().settings.Inversion);
}

TEST_F(StartProgram, ARangeOutside1To12KeepsTheMultipliersUsable)
{
    const std::pair<const char *, int> cases[] = {{"0", 1}, {"20", 12}, {"-4", 1}, {"$C", 12}, {"300", 12}};
    for (const auto &[stored, smallest] : cases) {
        SCOPED_TRACE(stored);
        program.reset();
        install();
        putUser("sys/multable.ini", QByteArray("[GLOBAL]\r\nRange=") + stored + "\r\n");
        start();
        EXPECT_EQ(state().LBRange, multipliersFrom(smallest));
        EXPECT_EQ(program->expertOptions().smallestMultiplier(), smallest);
    }
}

TEST_F(StartProgram, ANewSmallestMultiplierChosenDuringADrillShowsInTheNextOperation)
{
    install();
    putUser("sys/choices.txt", "7\r\n");
    start();
    QStringList firstOperands;
    whenModal([&](QWidget *drill) {
        auto *answer = drill->findChild<QLineEdit *>("Ans");
        auto *first = drill->findChild<QLabel *>("F1");
        whenModal([](QWidget *expert) {
            auto *number = child<QSpinBox>(expert, "UpDown1");
            for (int i = 0; i < 11; ++i)
                QTest::keyClick(number, Qt::Key_Up);
            QTest::mouseClick(child<QPushButton>(expert, "BitBtn1"), Qt::LeftButton);
        });
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn6"), Qt::LeftButton);
        EXPECT_EQ(drill->focusWidget(), answer); // the answer field has the focus back
        for (int i = 0; i < 2; ++i) {
            QTest::keyClicks(answer, "1");
            QTest::keyClick(answer, Qt::Key_Return);
            firstOperands << first->text();
        }
        QTest::mouseClick(drill->findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
    });
    click("BitBtn2");
    EXPECT_EQ(state().LBRange, QStringList({"12"}));
    EXPECT_EQ(firstOperands, QStringList({"12", "12"}));
}
