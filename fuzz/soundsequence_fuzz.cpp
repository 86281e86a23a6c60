// The sound sequence files: any file loads, each entry resolves to a path, and a sequence saved
// once loads and saves again unchanged.
#include "fuzzsupport.h"
#include "soundfiles.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const DataFolders folders = [] {
        DataFolders f{Fuzz::folder() + "program/", Fuzz::folder() + "shared/", Fuzz::folder() + "user/"};
        for (const QString &path : {f.program, f.shared + "sys", f.user + "sys"})
            QDir().mkpath(path);
        return f;
    }();
    Fuzz::writeFile("user/sys/Sound1.txt", Fuzz::bytes(data, size));
    const QStringList loaded = SoundFiles::LoadSequence(folders, 1);
    for (const QString &entry : loaded)
        SoundFiles::ResolveSoundEntry(entry, folders);
    SoundFiles::SaveSequence(folders, 1, loaded);
    const QStringList once = SoundFiles::LoadSequence(folders, 1);
    SoundFiles::SaveSequence(folders, 1, once);
    Fuzz::check(SoundFiles::LoadSequence(folders, 1) == once, "a saved sequence saves and loads unchanged");
    return 0;
}
