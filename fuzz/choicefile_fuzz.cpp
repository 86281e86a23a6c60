// The choice file: any file restores some tables (or stops at a line that is no number); the
// tables restored, written and read again are the same tables.
#include "fuzzsupport.h"
#include "settingsstore.h"
#include "tablechoice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeFile("choices.txt", Fuzz::bytes(data, size));
    const TableChoice::RestoredTables first = TableChoice::ticksFromFile(SettingsStore::readChoiceFile(path));
    SettingsStore::writeChoiceFile(path, TableChoice::fromTicks(first.ticked));
    const TableChoice::RestoredTables second = TableChoice::ticksFromFile(SettingsStore::readChoiceFile(path));
    Fuzz::check(second.ticked == first.ticked, "the tables written are the tables read back");
    Fuzz::check(!second.stop, "a written choice file reads without an error");
    return 0;
}
