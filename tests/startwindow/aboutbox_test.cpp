#include "startfixture.h"

#include "fileversion.h"
#include "tfabout.h"
#include "weblinks.h"

#include <QLabel>

TEST(VersionLine, ShowsThreeNumbersAndTheBuild)
{
    const std::pair<FileVersion, const char *> cases[] = {
        {{2, 8, 1, 156}, "Version: 2.8.1     Build: 156"},
        {{10, 0, 12, 3001}, "Version: 10.0.12     Build: 3001"},
        {{1, 0, 0, 0}, "Version: 1.0.0     Build: 0"},
        {{65535, 65535, 65535, 65535}, "Version: 65535.65535.65535     Build: 65535"},
    };
    for (const auto &[version, line] : cases)
        EXPECT_EQ(versionLine(version), line);
}

TEST_F(StartProgram, AboutBoxShowsTheProgramsVersionAndOpensItsLinks)
{
    install();
    start();
    QString version;
    whenModal([&](QWidget *box) {
        EXPECT_EQ(box->windowTitle(), "About Quorvel");
        version = box->findChild<QLabel *>("Label2")->text();
        auto *home = box->findChild<QLabel *>("Label7");
        QTest::mouseClick(home, Qt::LeftButton);
        QTest::mouseClick(home, Qt::LeftButton);
        desktopOpens = false;
        QTest::mouseClick(box->findChild<QLabel *>("Label6"), Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Escape); // only the close box closes it
        EXPECT_TRUE(box->isVisible());
    });
    menuItem("About1")->trigger();
    EXPECT_EQ(version, QStringLiteral("Version: " QUORVEL_PROJECT_VERSION "     Build: " QUORVEL_BUILD_NUMBER_TEXT));
    EXPECT_EQ(opened, QStringList({WebLinks::kHomePage, WebLinks::kHomePage, WebLinks::kMorePrograms}));
    EXPECT_EQ(messages, QStringList({"Web Browser Error!"}));
}
