// The INI reader and writer through the settings: load any file, save it, load it again: the same
// values; lines of unknown sections and keys are still there after the save.
#include "fuzzsupport.h"
#include "settingsstore.h"
#include "textfile.h"

namespace {

bool sameSettings(const Settings &a, const Settings &b)
{
    return a.Range == b.Range && a.HideTextLeft == b.HideTextLeft && a.HideTextRight == b.HideTextRight
           && a.CalcColor == b.CalcColor && a.Inversion == b.Inversion && a.Timer1 == b.Timer1
           && a.Timer2 == b.Timer2 && a.Jauge == b.Jauge && a.Couleur == b.Couleur && a.Bouton == b.Bouton;
}

// Without the blanks (spaces and tabs) the settings files ignore around names.
QString blanksTrimmed(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.mid(b, e - b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    IniFile ini(Fuzz::writeFile("multable.ini", input));
    Settings first;
    GradientProperties firstBackground;
    SettingsStore::load(ini, first, firstBackground);
    SettingsStore::readLanguage(ini);
    const int operation = SettingsStore::readOperation(ini);
    // The program saves the language it chose from the catalog, never the raw value it read.
    first.Language = QStringLiteral("en");

    // The lines of sections the settings never write, to be found again after the save.
    const QStringList before = TextFile::splitLines(TextFile::decode(input));
    static const QStringList known = {"GLOBAL", "CHRONO", "SON", "BACKGRD", "CALCULS"};
    QStringList foreign;
    bool inForeign = false;
    for (const QString &line : before) {
        const QString t = blanksTrimmed(line);
        if (t.startsWith('[') && t.contains(']'))
            inForeign = !known.contains(blanksTrimmed(t.mid(1, t.indexOf(']') - 1)), Qt::CaseInsensitive);
        else if (inForeign && line.contains('='))
            foreign.append(line);
    }

    SettingsStore::save(ini, first, first.Range, operation, firstBackground);
    Settings second;
    GradientProperties secondBackground;
    SettingsStore::load(ini, second, secondBackground);
    Fuzz::check(sameSettings(first, second), "the settings read after a save are the ones saved");
    Fuzz::check(firstBackground == secondBackground, "the background read after a save is the one saved");
    Fuzz::check(SettingsStore::readLanguage(ini) == first.Language, "the language read after a save is the one saved");

    const QStringList after = ini.read().lines();
    for (const QString &line : foreign)
        Fuzz::check(after.contains(line), "a line of an unknown section survives the save");
    return 0;
}
