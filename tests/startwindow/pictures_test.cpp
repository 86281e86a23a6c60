#include "svgiconengine.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

// The program's pictures, drawn at the first request, look exactly as Qt's own SVG engine draws
// them, in every mode a button uses and at the sizes the windows ask for.
TEST(Pictures, DrawnAsQtsOwnSvgEngineDrawsThem)
{
    const QDir pictures(QStringLiteral(QUORVEL_SOURCE_DIR "/data/pictures"));
    const QStringList files = pictures.entryList({"*.svg"}, QDir::Files);
    ASSERT_GE(files.size(), 20);
    const QSize sizes[] = {{16, 16}, {24, 24}, {32, 32}, {153, 41}, {57, 70}};
    for (const QString &file : files) {
        const QString path = pictures.filePath(file);
        QIcon ours(new SvgIconEngine(path));
        QIcon qts(path);
        for (const QSize size : sizes) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                SCOPED_TRACE(file.toStdString() + " " + std::to_string(size.width()) + "x" +
                             std::to_string(size.height()) + " mode " + std::to_string(int(mode)));
                const QImage expected = qts.pixmap(size, mode).toImage();
                ASSERT_FALSE(expected.isNull());
                EXPECT_EQ(ours.pixmap(size, mode).toImage(), expected);
                EXPECT_EQ(ours.actualSize(size, mode), qts.actualSize(size, mode));
            }
        }
    }
}

TEST(Pictures, AMissingFileGivesANullIcon)
{
    QIcon missing(new SvgIconEngine(QStringLiteral("/nonexistent/picture.svg")));
    EXPECT_TRUE(missing.isNull());
    EXPECT_TRUE(missing.pixmap(QSize(32, 32)).isNull());
}
