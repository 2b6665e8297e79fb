#pragma once

// The command line of a benchmark: --help says what it measures and which
// options it takes, and exits without measuring; an unknown option, a
// missing value or an argument it does not take is an error (status 2).

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

// Parses the program's arguments with the options already added to parser.
// Returns the status to exit with at once (--help, errors), or nothing when
// the benchmark should run. Needs the application object.
inline std::optional<int> parse_bench_options(QCommandLineParser &parser, const char *what_it_measures)
{
    parser.setApplicationDescription(QString::fromUtf8(what_it_measures));
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
            ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().value(0))
            : parser.errorText();
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(error), qPrintable(QCoreApplication::applicationName()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    return std::nullopt;
}

// Whether the bench's scratch folder was made; says why not otherwise. An
// invalid QTemporaryDir has an empty path, and files named into it would
// land in the current folder or in "/".
inline bool scratch_folder_made(const QTemporaryDir &folder, const QString &where)
{
    if (folder.isValid())
        return true;
    std::fprintf(stderr, "%s: cannot make a folder in %s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(where), qPrintable(folder.errorString()));
    return false;
}
