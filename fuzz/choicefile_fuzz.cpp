// The choice file: any file restores some tables (or stops at a line that is no number), the same
// read line by line as read whole; the tables restored, written and read again are the same tables.
#include "fuzzsupport.h"
#include "settingsstore.h"
#include "tablechoice.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile("choices.txt", Fuzz::bytes(data, size));
    const TableChoice::RestoredTables first = TableChoice::readChoiceFile(path);
    const TableChoice::RestoredTables whole = TableChoice::ticksFromFile(TextFile::readLines(path));
    Fuzz::check(first.ticked == whole.ticked, "read line by line or whole, the same tables");
    Fuzz::check(first.stop.has_value() == whole.stop.has_value() && (!first.stop || first.stop->text() == whole.stop->text()),
                "read line by line or whole, the same stop");
    SettingsStore::writeChoiceFile(path, TableChoice::fromTicks(first.ticked));
    const TableChoice::RestoredTables second = TableChoice::readChoiceFile(path);
    Fuzz::check(second.ticked == first.ticked, "the tables written are the tables read back");
    Fuzz::check(!second.stop, "a written choice file reads without an error");
    return 0;
}
