#include "settingsstore.h"

#include "textfile.h"

namespace SettingsStore {

namespace {
const QString GLOBAL = QStringLiteral("GLOBAL");
const QString CALCULS = QStringLiteral("CALCULS");
const QString CHRONO = QStringLiteral("CHRONO");
const QString SON = QStringLiteral("SON");
const QString BACKGRD = QStringLiteral("BACKGRD");
} // namespace

QString readLanguage(const IniFile &ini)
{
    return ini.ReadString(GLOBAL, QStringLiteral("Language"), QString()).left(Settings::kLanguageLength);
}

void load(const IniFile &ini, Settings &s, GradientProperties &background)
{
    s.Range = qint8(ini.ReadInteger(GLOBAL, QStringLiteral("Range"), 1));
    s.HideTextLeft = ini.ReadBool(GLOBAL, QStringLiteral("HideTextLeft"), false);
    s.HideTextRight = ini.ReadBool(GLOBAL, QStringLiteral("HideTextRight"), false);
    s.CalcColor = ini.ReadInteger(GLOBAL, QStringLiteral("CalcColor"), Settings::kDefaultColor);
    s.Inversion = ini.ReadBool(CALCULS, QStringLiteral("Inversion"), false);
    s.Timer1 = qint8(ini.ReadInteger(CHRONO, QStringLiteral("Timer1"), 3));
    s.Timer2 = qint8(ini.ReadInteger(CHRONO, QStringLiteral("Timer2"), 1));
    s.Jauge = ini.ReadBool(CHRONO, QStringLiteral("Jauge"), true);
    s.Couleur = ini.ReadInteger(CHRONO, QStringLiteral("Couleur"), Settings::kDefaultColor);
    s.Bouton = qint8(ini.ReadInteger(SON, QStringLiteral("Bouton"), 1));
    background.startColor = ini.ReadInteger(BACKGRD, QStringLiteral("Start"), 0);
    background.middleColor = ini.ReadInteger(BACKGRD, QStringLiteral("Middle"), 0);
    background.endColor = ini.ReadInteger(BACKGRD, QStringLiteral("End"), 0);
    background.doubleGradient = ini.ReadBool(BACKGRD, QStringLiteral("DblGr"), false);
    background.flipped = ini.ReadBool(BACKGRD, QStringLiteral("Flipped"), false);
    background.orientation = ini.ReadBool(BACKGRD, QStringLiteral("Orientation"), false)
                                 ? GradientOrientation::Vertical
                                 : GradientOrientation::Horizontal;
}

int readOperation(const IniFile &ini)
{
    return ini.ReadInteger(GLOBAL, QStringLiteral("Operation"), 0);
}

void save(IniFile &ini, const Settings &s, int smallestMultiplier, int operation, const GradientProperties &background)
{
    ini.WriteString(GLOBAL, QStringLiteral("Language"), s.Language);
    ini.WriteInteger(GLOBAL, QStringLiteral("Range"), smallestMultiplier);
    ini.WriteBool(GLOBAL, QStringLiteral("HideTextLeft"), s.HideTextLeft);
    ini.WriteBool(GLOBAL, QStringLiteral("HideTextRight"), s.HideTextRight);
    ini.WriteInteger(GLOBAL, QStringLiteral("CalcColor"), s.CalcColor);
    ini.WriteInteger(GLOBAL, QStringLiteral("Operation"), operation);
    ini.WriteInteger(CHRONO, QStringLiteral("Timer1"), s.Timer1);
    ini.WriteInteger(CHRONO, QStringLiteral("Timer2"), s.Timer2);
    ini.WriteBool(CHRONO, QStringLiteral("Jauge"), s.Jauge);
    ini.WriteInteger(CHRONO, QStringLiteral("Couleur"), s.Couleur);
    ini.WriteInteger(SON, QStringLiteral("Bouton"), s.Bouton);
    ini.WriteInteger(BACKGRD, QStringLiteral("Start"), background.startColor);
    ini.WriteInteger(BACKGRD, QStringLiteral("Middle"), background.middleColor);
    ini.WriteInteger(BACKGRD, QStringLiteral("End"), background.endColor);
    ini.WriteBool(BACKGRD, QStringLiteral("DblGr"), background.doubleGradient);
    ini.WriteBool(BACKGRD, QStringLiteral("Flipped"), background.flipped);
    ini.WriteBool(BACKGRD, QStringLiteral("Orientation"), background.orientation == GradientOrientation::Vertical);
    ini.WriteBool(CALCULS, QStringLiteral("Inversion"), s.Inversion);
}

void writeChoiceFile(const QString &path, const QStringList &tables)
{
    TextFile::writeLines(path, tables);
}

} // namespace SettingsStore
