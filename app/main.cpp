// Kelvra, the reference host: the object store, the object tree, the mode
// switch toolbar, the viewer and plotter docks and every dialog.
//
//   kelvra [PROJECT]              opens PROJECT (default: the sample project)
//   kelvra --screenshot FILE      renders the main window into FILE and exits
//   kelvra --tour FOLDER          saves a picture of every dialog and exits
//   kelvra --version              prints the version and exits
//
// The last two need no display: they render offscreen.

#include "app/ui/backgroundtask.h"
#include "app/ui/hostwindow.h"
#include "app/ui/pictures.h"

#include "host/errorhandler.h"
#include "host/logging.h"
#include "host/translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace {

bool renders_offscreen(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strcmp(argv[i], "--tour") == 0)
            return true;
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
    if (renders_offscreen(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    QApplication::setApplicationVersion(QStringLiteral(KELVRA_VERSION));
    kelvra::load_translations();

    QCommandLineParser parser;
    parser.setApplicationDescription(kelvra::_("Builds and inspects 3-D subsurface models."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        kelvra::_("Render the main window into a PNG file and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  kelvra::_("Save a picture of every dialog into a folder and exit."),
                                  QStringLiteral("folder"));
    parser.addOptions({screenshot, tour});
    parser.addPositionalArgument(QStringLiteral("project"), kelvra::_("The project file to open."));
    parser.process(app);

    const bool batch = parser.isSet(screenshot) || parser.isSet(tour);
    if (!batch)
        kelvra::set_error_handler(kelvra::message_box_error_handler());
    kelvra::app::HostWindow window;
    const QString project = parser.positionalArguments().value(0, sample_project());
    if (QFileInfo::exists(project) || !parser.positionalArguments().isEmpty()) {
        kelvra::guarded([&] {
            kelvra::app::BackgroundTask *opening = window.open_project(project);
            if (batch)
                opening->wait(); // the pictures show the project
        });
    } else {
        qCWarning(kelvra::lcHost) << "the sample project is missing:" << project;
    }

    if (parser.isSet(screenshot))
        return kelvra::app::save_window_picture(window, parser.value(screenshot)) ? 0 : 1;
    if (parser.isSet(tour))
        return kelvra::app::save_dialog_tour(window, parser.value(tour)) > 0 ? 0 : 1;

    window.show();
    return app.exec();
}
