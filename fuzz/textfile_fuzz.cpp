// The text-file reader and writer: whatever the bytes, what is written once reads back and writes
// again unchanged, on disk as in memory; read line by line, a file gives the lines read whole; and
// the bytes decode as the Windows-1252 codec itself decodes them.
#include "fuzzsupport.h"
#include "textfile.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString decoded = TextFile::decode(Fuzz::bytes(data, size));
    Fuzz::check(decoded == QStringDecoder("windows-1252").decode(Fuzz::bytes(data, size)), "decodes as the codec");
    const QStringList lines = TextFile::splitLines(decoded);
    const QByteArray once = TextFile::joinLines(lines);
    const QStringList again = TextFile::splitLines(TextFile::decode(once));
    Fuzz::check(TextFile::joinLines(again) == once, "joining the lines read back gives the same bytes");

    const QString input = Fuzz::writeFile("input.txt", Fuzz::bytes(data, size));
    TextFile::LineReader reader(input);
    QStringList byLine;
    QString line;
    while (reader.next(line))
        byLine.append(line);
    Fuzz::check(byLine == lines, "line by line gives the lines of the whole file");

    const QString path = Fuzz::folder() + "text.txt";
    TextFile::writeLines(path, lines);
    Fuzz::check(TextFile::readLines(path) == again, "a written file reads back as its lines");
    return 0;
}
