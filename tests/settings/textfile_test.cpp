#include "apperror.h"
#include "filebytes.h"
#include "fulldisk.h"
#include "textfile.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextFile, SplitsAtEveryKindOfLineEndAndKeepsEmptyLines)
{
    const struct { const char *text; QStringList lines; } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}}, // LF then a lone CR: two line ends
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextFile::splitLines(QString::fromLatin1(c.text)), c.lines);
    }
}

TEST(TextFile, UsesWindows1252AndReplacesWhatItCannotHold)
{
    EXPECT_EQ(TextFile::encode(QString::fromUtf8("é€÷ß")), QByteArray("\xE9\x80\xF7\xDF"));
    EXPECT_EQ(TextFile::encode(QString::fromUtf8("aΩ😀b")), QByteArray("a??b"));
    EXPECT_EQ(TextFile::decode(QByteArray("Altern\xE9 \x80")), QString::fromUtf8("Alterné €"));
}

// Most text is converted without the codec; every byte and character must come out as the codec
// itself converts it, alone and among others.
TEST(TextFile, ConvertsExactlyAsTheWindows1252Codec)
{
    QStringDecoder decoder("windows-1252");
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const QByteArray bytes = QByteArray("a") + char(b) + "\xE9";
        EXPECT_EQ(TextFile::decode(bytes), decoder.decode(bytes));
    }
    for (char16_t c = 0; c < 0x300; ++c) {
        SCOPED_TRACE(int(c));
        const QByteArray byCodec = encoder.encode(QStringView(&c, 1));
        const bool held = byCodec.size() == 1 && (byCodec.at(0) != 0x1A || c == 0x1A);
        EXPECT_EQ(TextFile::encode(QString(QChar(c))), held ? byCodec : QByteArray("?"));
    }
}

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsTheSameLinesBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    const QStringList lines = {QString::fromUtf8("Opérateur"), "", "3x7"};
    TextFile::writeLines(path, lines);
    EXPECT_EQ(fileBytes(path), QByteArray("Op\xE9rateur\r\n\r\n3x7\r\n"));
    EXPECT_EQ(TextFile::readLines(path), lines);

    TextFile::writeLines(path, {});
    EXPECT_EQ(fileBytes(path), QByteArray());
    EXPECT_TRUE(TextFile::readLines(path).isEmpty());
}

TEST(TextFile, ReportsFilesThatCannotBeOpenedOrCreated)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.txt");
    try {
        TextFile::readLines(missing);
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot open file " + missing);
    }
    const QString noFolder = dir.filePath("no/such/folder.txt");
    try {
        TextFile::writeLines(noFolder, {"x"});
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot create file " + noFolder);
    }
}

// A write that fails part-way (here a full disk) reports the error and leaves the old file as it was.
TEST(TextFile, AFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.txt");
    TextFile::writeLines(path, {"old", "lines"});
    try {
        FullDisk full;
        TextFile::writeLines(path, {"new"});
        ADD_FAILURE() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Cannot create file " + path);
    }
    EXPECT_EQ(fileBytes(path), "old\r\nlines\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.txt"}); // no temporary file left
}

// Line by line gives the lines of the whole file, also where a line end or a long line crosses
// the reader's 64 KiB chunks.
TEST(TextFile, LineReaderGivesTheLinesOfTheWholeFile)
{
    const qsizetype chunk = 64 * 1024;
    const QByteArray cases[] = {
        "",
        "a",
        "a\r\nb\r\n",
        "a\rb\nc\r",
        "\n\n\r\r\n",
        "Op\xE9rateur\r\n\r\n\x80",
        QByteArray(chunk - 1, 'x') + "\r\ny",     // CR LF split between two chunks
        QByteArray(chunk - 1, 'x') + "\r",        // a CR last in the file, at the chunk's end
        QByteArray(chunk - 1, 'x') + "\rz\r\n",   // a lone CR at the chunk's end
        QByteArray(3 * chunk + 5, 'x') + "\nend", // one line over several chunks
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.left(20).toStdString() + "... " + std::to_string(bytes.size()) + " bytes");
        writeBytes(path, bytes);
        TextFile::LineReader reader(path);
        QStringList lines;
        QString line;
        while (reader.next(line))
            lines.append(line);
        EXPECT_EQ(lines, TextFile::readLines(path));
        EXPECT_FALSE(reader.next(line));
    }
    EXPECT_THROW(TextFile::LineReader(dir.filePath("none.txt")), AppError);
}
