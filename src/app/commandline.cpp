#include "commandline.h"

#include <QCommandLineParser>

#include <set>

namespace {

const QStringList kSheets = {QStringLiteral("random"), QStringLiteral("without"), QStringLiteral("with"),
                             QStringLiteral("grid")};

CommandLine failure(const QString &error)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = error;
    return line;
}

// "2,5,7" -> "2", "5", "7": each a whole number from 1 to 12, in increasing order, once each.
std::optional<QStringList> parseTables(const QString &text, QString &error)
{
    std::set<int> tables;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int table = part.trimmed().toInt(&ok);
        if (!ok || table < 1 || table > 12) {
            error = QStringLiteral("--tables: '%1' is not a table from 1 to 12").arg(part.trimmed());
            return std::nullopt;
        }
        tables.insert(table);
    }
    QStringList list;
    for (const int table : tables)
        list.append(QString::number(table));
    return list;
}

} // namespace

QString CommandLine::usage()
{
    return QStringLiteral("Usage: quorvel [--worksheet SHEET --pdf FILE [--tables LIST] [--operation MODE] "
                          "[--language CODE]] [--help] [--version]");
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Quorvel drills the multiplication tables 1 to 12. Without options it opens its start window.\n"
        "With --worksheet it writes one worksheet as a PDF file and ends without opening a window;\n"
        "what the options leave out comes from the user's saved settings and ticked tables."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    const QCommandLineOption worksheet(QStringLiteral("worksheet"),
                                       QStringLiteral("The sheet: random (72 exercises from the tables), without "
                                                      "(the tables 1 to 12 without answers), with (with answers) "
                                                      "or grid (the multiplication grid)."),
                                       QStringLiteral("sheet"));
    const QCommandLineOption tables(QStringLiteral("tables"),
                                    QStringLiteral("The tables of the random sheet, e.g. 2,5,7 (1 to 12). "
                                                   "Default: the tables ticked in the program."),
                                    QStringLiteral("list"));
    const QCommandLineOption operation(QStringLiteral("operation"),
                                       QStringLiteral("The random sheet's operations: 0 multiply, 1 divide, "
                                                      "2 alternate, 3 random. Default: the saved choice."),
                                       QStringLiteral("mode"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The language of the sheet's texts, e.g. en, fr, de. "
                                                     "Default: the program's language."),
                                      QStringLiteral("code"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."),
                                 QStringLiteral("file"));
    parser.addOptions({worksheet, tables, operation, language, pdf});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    // --help-all is Qt's own, also listed by --help: the same text, as no Qt option applies here.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        CommandLine line;
        line.action = Action::ShowHelp;
        line.helpText = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        CommandLine line;
        line.action = Action::ShowVersion;
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (arguments.size() <= 1)
        return {};

    if (!parser.isSet(worksheet))
        return failure(QStringLiteral("--tables, --operation, --language and --pdf go with --worksheet"));
    CommandLine line;
    line.action = Action::MakeWorksheet;
    Worksheet &request = line.worksheet;
    request.sheet = parser.value(worksheet);
    if (!kSheets.contains(request.sheet))
        return failure(QStringLiteral("unknown worksheet '%1': choose random, without, with or grid").arg(request.sheet));
    if (parser.isSet(tables)) {
        QString error;
        request.tables = parseTables(parser.value(tables), error);
        if (!request.tables)
            return failure(error);
    }
    if (parser.isSet(operation)) {
        bool ok = false;
        const int mode = parser.value(operation).toInt(&ok);
        if (!ok || mode < 0 || mode > 3)
            return failure(QStringLiteral("--operation: '%1' is not 0, 1, 2 or 3").arg(parser.value(operation)));
        request.operation = mode;
    }
    if (parser.isSet(language)) {
        request.language = parser.value(language);
        if (request.language->isEmpty())
            return failure(QStringLiteral("--language needs a language code"));
    }
    request.pdfPath = parser.value(pdf);
    if (request.pdfPath.isEmpty())
        return failure(QStringLiteral("--worksheet needs --pdf FILE"));
    return line;
}
