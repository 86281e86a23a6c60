#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command-line options. Without any argument the program opens its windows.
struct CommandLine
{
    enum class Action {
        RunProgram, // no arguments
        ShowHelp,
        ShowVersion, // the about box's version line
        MakeWorksheet,
        Error, // 'error' says what is wrong; the program ends with status 2
    };

    // What --worksheet asks for; what is left out comes from the user's files.
    struct Worksheet
    {
        QString sheet;                     // random, without, with or grid
        std::optional<QStringList> tables; // increasing decimal texts, each 1 to 12
        std::optional<int> operation;      // 0 to 3
        std::optional<QString> language;
        QString pdfPath;
    };

    Action action = Action::RunProgram;
    QString error;
    Worksheet worksheet;
    QString helpText;

    // 'arguments' starts with the program's name, as QCoreApplication::arguments() does.
    static CommandLine parse(const QStringList &arguments);
    // The one-line summary of the options, shown with an error.
    static QString usage();
};
