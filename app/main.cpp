// Kelvra, the reference host: the object store, the object tree, the mode
// switch toolbar, the viewer and plotter docks and every dialog.
//
//   kelvra [PROJECT]              opens PROJECT (default: the sample project)
//   kelvra --screenshot FILE      renders the main window into FILE and exits
//   kelvra --tour FOLDER          saves a picture of every dialog and exits
//   kelvra --version              prints the version and exits
//   kelvra PROJECT --script OBJECT FILE [--save OUT]
//                                 runs a property script without a window;
//                                 SIGINT and SIGTERM cancel it cleanly
//   kelvra PROJECT --save OUT     copies the project (files and server projects)
//   kelvra [PROJECT] --import FILE [options] ... --export OBJECT FILE [options] ... [--save OUT]
//                                 imports and exports files without a window
//                                 (app/core/filebatch.h; --help lists the options)
//
// A PROJECT or OUT of the form postgresql://...?project=NAME is a project on
// a PostgreSQL server.
//
// All but the first need no display: they render offscreen or show nothing.

#include "app/core/filebatch.h"
#include "app/core/scriptfile.h"
#include "app/ui/backgroundtask.h"
#include "app/ui/hostwindow.h"
#include "app/ui/pictures.h"
#include "app/ui/projectsession.h"

#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/logging.h"
#include "host/nativepath.h"
#include "host/translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

bool has_option(int argc, char **argv, std::initializer_list<const char *> options)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : options) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

// Whether the command line asks for imports or exports: it holds --import,
// --export or an option that follows them.
bool is_file_batch(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = QByteArray(argv[i]).split('=').front();
        if (argument == "--import" || argument == "--export")
            return true;
        for (const kelvra::app::BatchOption &option : kelvra::app::batch_options()) {
            if (argument == QByteArray("--") + option.name)
                return true;
        }
    }
    return false;
}

QString sample_project()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/kelvra/sample-project.db"));
}

} // namespace

int main(int argc, char **argv)
{
    if (has_option(argc, argv, {"--screenshot", "--tour"}) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A batch run, the help and the version need no display: they make no widgets.
    const bool file_batch = is_file_batch(argc, argv);
    const bool no_widgets =
        file_batch || has_option(argc, argv, {"--script", "--save", "--version", "-v", "--help", "-h", "-?", "--help-all"});
    const std::unique_ptr<QCoreApplication> app = no_widgets
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    // Runs without a window print what was asked for and warnings.
    if (no_widgets || has_option(argc, argv, {"--screenshot", "--tour"}))
        kelvra::log_warnings_only();
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    QApplication::setApplicationVersion(QStringLiteral(KELVRA_VERSION));
    kelvra::load_translations();

    if (file_batch && !has_option(argc, argv, {"--help", "-h", "-?", "--help-all"})) {
        QTextStream out(stdout), err(stderr);
        return kelvra::app::run_file_batch(QCoreApplication::arguments().mid(1), out, err);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(kelvra::_("Builds and inspects 3-D subsurface models."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        kelvra::_("Render the main window into a PNG file and exit."),
                                        kelvra::_("file"));
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  kelvra::_("Save a picture of every dialog into a folder and exit."),
                                  kelvra::_("folder"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    kelvra::_("Run the script file given after the project on this object, "
                                              "without a window, and exit."),
                                    kelvra::_("object"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  kelvra::_("Save the project to this file or server project (postgresql://...) "
                                            "and exit; with --script, after the script ran."),
                                  kelvra::_("out"));
    // Listed for --help; a command line with them goes to run_file_batch above.
    const QCommandLineOption import_file(QStringLiteral("import"),
                                         kelvra::_("Import a file without a window, with the options below that "
                                                   "follow it, and exit."),
                                         kelvra::_("file"));
    const QCommandLineOption export_object(QStringLiteral("export"),
                                           kelvra::_("After the imports: export an object into a file, with "
                                                     "--format and --null following it."),
                                           kelvra::_("object file"));
    parser.addOptions({screenshot, tour, script, save, import_file, export_object});
    for (const kelvra::app::BatchOption &option : kelvra::app::batch_options())
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), kelvra::_(option.description),
                                            kelvra::_(option.value)));
    parser.addPositionalArgument(kelvra::_("project"), kelvra::_("The project file, or server project (postgresql://...), to open."));
    parser.addPositionalArgument(kelvra::_("file"), kelvra::_("With --script: the script file."),
                                 kelvra::_("[file]"));
    // File names as the system holds them, also those that are not UTF-8.
    parser.process(kelvra::native_arguments(argc, argv));

    if (parser.isSet(save) && !parser.isSet(script)) {
        // A copy of the project: between files and servers, either way.
        QTextStream err(stderr);
        if (parser.positionalArguments().size() != 1) {
            err << kelvra::_("Usage: %1 PROJECT --save OUT").arg(argv[0]) << Qt::endl;
            return 2;
        }
        if (parser.value(save).isEmpty()) {
            err << kelvra::_("%1: --save needs the name of the file to write.").arg(argv[0]) << Qt::endl;
            return 2;
        }
        return kelvra::app::run_project_copy(parser.positionalArguments().at(0), parser.value(save), err);
    }
    if (parser.isSet(script)) {
        QTextStream out(stdout), err(stderr);
        if (parser.positionalArguments().size() != 2) {
            err << kelvra::_("Usage: %1 PROJECT --script OBJECT FILE [--save OUT]").arg(argv[0]) << Qt::endl;
            return 2;
        }
        if (parser.isSet(save) && parser.value(save).isEmpty()) {
            err << kelvra::_("%1: --save needs the name of the file to write.").arg(argv[0]) << Qt::endl;
            return 2;
        }
        return kelvra::app::run_script_file(parser.positionalArguments().at(0), parser.value(script),
                                            parser.positionalArguments().at(1), parser.value(save), out, err);
    }

    const bool batch = parser.isSet(screenshot) || parser.isSet(tour);
    if (!batch)
        kelvra::set_error_handler(kelvra::message_box_error_handler());
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kelvra"));
    // The window answers the session's end itself (unsaved changes); Qt's
    // fallback would close it afterwards and ask a second time.
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    kelvra::app::HostWindow window;
    // The sample project is a starting point: Save asks where to save it.
    const bool sample = parser.positionalArguments().isEmpty();
    const QString project = parser.positionalArguments().value(0, sample_project());
    bool opened = false;
    if (QFileInfo::exists(project) || !sample) {
        kelvra::guarded([&] {
            kelvra::app::BackgroundTask *opening =
                window.project->open(project, [&opened](bool ok) { opened = ok; }, sample);
            if (batch)
                opening->wait(); // the pictures show the project
        });
    } else {
        qCWarning(kelvra::lcHost) << "the sample project is missing:" << project;
    }
    if (batch && !opened) {
        QTextStream(stderr) << kelvra::_("%1 did not open; no picture was taken.").arg(project) << Qt::endl;
        return 1;
    }

    if (parser.isSet(screenshot))
        return kelvra::app::save_window_picture(window, parser.value(screenshot)) ? 0 : 1;
    if (parser.isSet(tour))
        return kelvra::app::save_dialog_tour(window, parser.value(tour)) > 0 ? 0 : 1;

    window.show();
    return QCoreApplication::exec();
}
