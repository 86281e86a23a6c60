#include "worksheetcommand.h"

#include "apperror.h"
#include "gradientproperties.h"
#include "inifile.h"
#include "languagecatalog.h"
#include "pathresolve.h"
#include "pdfexport.h"
#include "settingsstore.h"
#include "tablechoice.h"
#include "textfile.h"
#include "worksheetlayouts.h"

#include <QFileInfo>

namespace {

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

// The ticked tables as a start-up restores them: whole numbers from 1 to 12, increasing.
QStringList savedTables(const DataFolders &folders)
{
    try {
        return TableChoice::fromTicks(
            TableChoice::readChoiceFile(resolvePath(folders.user, SettingsStore::kChoiceFile)).ticked);
    } catch (const AppError &) {
        return {}; // no choice file yet: nothing ticked
    }
}

SheetKind sheetKind(const QString &name)
{
    if (name == QLatin1String("without"))
        return SheetKind::TablesWithoutAnswers;
    if (name == QLatin1String("with"))
        return SheetKind::TablesWithAnswers;
    if (name == QLatin1String("grid"))
        return SheetKind::Grid;
    return SheetKind::Random;
}

} // namespace

int makeWorksheet(const CommandLine::Worksheet &request, const DataFolders &folders, const QString &homePage,
                  QTextStream &errors)
{
    const IniFile settingsFile(resolvePath(folders.user, SettingsStore::kSettingsFile));
    Settings settings;
    GradientProperties background;
    SettingsStore::load(settingsFile, settings, background);
    const QString stored = SettingsStore::readLanguage(settingsFile);
    settings.Language = request.language.value_or(
        LanguageCatalog::startupLanguage(stored, stored.isEmpty() && LanguageCatalog::systemLanguageIsFrench()));
    const QString languageFile = LanguageCatalog::languageFile(folders, settings.Language);
    if (request.language && !QFileInfo::exists(languageFile)) {
        errors << "quorvel: unknown language '" << settings.Language << "': there is no " << languageFile << "\n";
        return kBadArguments;
    }

    PrintChoice choice;
    choice.sheet = sheetKind(request.sheet);
    choice.output = SheetOutput::Screen;
    choice.exercises.tables = request.tables.value_or(savedTables(folders));
    if (choice.sheet == SheetKind::Random && choice.exercises.tables.isEmpty()) {
        errors << "quorvel: no tables to draw from: give --tables or tick tables in the program\n";
        return kBadArguments;
    }
    // The allowed multipliers as the expert options build them: from the smallest up to 12.
    choice.smallestMultiplier = qint16(qBound(1, int(settings.Range), 12));
    for (int multiplier = choice.smallestMultiplier; multiplier <= 12; ++multiplier)
        choice.exercises.multipliers.append(QString::number(multiplier));
    choice.exercises.crossing = settings.Inversion;
    choice.exercises.language = settings.Language;

    try {
        QStringList modes;
        if (choice.sheet == SheetKind::Random)
            modes = TextFile::readLines(LanguageCatalog::operationListFile(folders, settings.Language));
        int operation = request.operation.value_or(SettingsStore::readOperation(settingsFile));
        if (!request.operation && (operation < 0 || operation >= modes.size()))
            operation = 0; // as the print dialog selects, without writing it back
        const bool listed = operation >= 0 && operation < modes.size();
        choice.exercises.operationMode = listed ? operation : -1;
        choice.operationText = listed ? modes.at(operation) : QString();
    } catch (const AppError &error) {
        errors << "quorvel: " << error.text() << "\n";
        return kFailed;
    }

    const Captions texts = LanguageCatalog::LoadCaptions(languageFile, CaptionSections::PrintDlg);
    Report random(WorksheetLayouts::random(homePage));
    Report without(WorksheetLayouts::tablesWithoutAnswers(homePage));
    Report with(WorksheetLayouts::tablesWithAnswers(homePage));
    Report grid(WorksheetLayouts::grid(homePage));
    ClockSeededRandom generator;
    generator.seedFromClock();
    PrintStep step(generator); // the draw state as at program start
    PdfOutput output(QFileInfo(request.pdfPath).absoluteFilePath());
    try {
        step.run(choice, texts, {&random, &without, &with, &grid}, output);
    } catch (const AppError &error) {
        errors << "quorvel: " << error.text() << "\n";
        return kBadArguments; // the PDF path cannot be written
    }
    return 0;
}
