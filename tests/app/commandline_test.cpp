#include "commandline.h"

#include <gtest/gtest.h>

namespace {

CommandLine parse(const QStringList &options)
{
    return CommandLine::parse(QStringList{QStringLiteral("quorvel")} + options);
}

} // namespace

// --help and --version win over anything else on the line, as they end before doing anything.
TEST(CommandLine, HelpAndVersionAnswerWithoutAWindow)
{
    const struct {
        QStringList options;
        CommandLine::Action action;
    } cases[] = {
        {{"--help"}, CommandLine::Action::ShowHelp},
        {{"-h"}, CommandLine::Action::ShowHelp},
        {{"--help-all"}, CommandLine::Action::ShowHelp},
        {{"--version"}, CommandLine::Action::ShowVersion},
        {{"-v"}, CommandLine::Action::ShowVersion},
        {{"--worksheet", "grid", "--version"}, CommandLine::Action::ShowVersion},
        {{"--version", "--help"}, CommandLine::Action::ShowHelp},
        {{}, CommandLine::Action::RunProgram},
    };
    for (const auto &[options, action] : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        EXPECT_EQ(parse(options).action, action);
    }
}

TEST(CommandLine, HelpListsEveryOption)
{
    const QString help = parse({"--help"}).helpText;
    for (const char *option : {"--help", "--version", "--worksheet", "--tables", "--operation", "--language", "--pdf"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    for (const char *option : {"--worksheet", "--tables", "--operation", "--language", "--pdf", "--help", "--version"})
        EXPECT_TRUE(CommandLine::usage().contains(QLatin1String(option))) << option;
}

TEST(CommandLine, UnknownOptionsAndArgumentsAreErrors)
{
    const struct {
        QStringList options;
        const char *error;
    } cases[] = {
        {{"--colour"}, "Unknown option 'colour'"},
        {{"-x"}, "Unknown option 'x'"},
        {{"--version=2"}, "Unexpected value after '--version'"},
        {{"file.pdf"}, "unexpected argument 'file.pdf'"},
        {{"--worksheet", "grid", "--pdf", "a.pdf", "--colour", "red"}, "Unknown option 'colour'"},
        {{"--pdf"}, "Missing value after '--pdf'"},
    };
    for (const auto &[options, error] : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const CommandLine line = parse(options);
        EXPECT_EQ(line.action, CommandLine::Action::Error);
        EXPECT_TRUE(line.error.contains(QLatin1String(error))) << line.error.toStdString();
    }
}
