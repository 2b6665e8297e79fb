#include "app/ui/pictures.h"

#include "app/core/objectstore.h"
#include "app/ui/hostwindow.h"
#include "app/ui/objecttreewidget.h"
#include "app/ui/preferencepages.h"
#include "app/ui/requests.h"

#include "host/logging.h"
#include "host/views/mapviewer.h"
#include "host/views/propertyplot.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

namespace kelvra::app {
namespace {

void settle()
{
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
}

bool save(QWidget *widget, const QString &file, QSize size = {})
{
    if (size.isValid())
        widget->resize(size);
    else
        widget->adjustSize();
    settle();
    const bool written = widget->grab().save(file, "PNG");
    if (!written)
        qCWarning(lcHost) << "cannot write" << file;
    return written;
}

// Shows the window and finishes what is drawn beside the GUI thread: the
// maps' pictures (with their contours, where they are on) and the plot's
// measure of a long property.
void finish_drawing(HostWindow &window)
{
    window.show();
    settle();
    for (MapViewer *viewer : window.findChildren<MapViewer *>()) {
        if (viewer->isVisible())
            viewer->render_now();
    }
    if (auto *plot = qobject_cast<PropertyPlot *>(window.plotWidget.data()))
        plot->wait_until_plotted();
}

} // namespace

bool save_window_picture(HostWindow &window, const QString &file)
{
    finish_drawing(window);
    return window.grab().save(file, "PNG");
}

int save_dialog_tour(HostWindow &window, const QString &folder)
{
    QDir().mkpath(folder);
    const QStringList names = window.store->object_names();
    if (!names.isEmpty())
        window.objects->select(names.first());
    finish_drawing(window);

    using Kind = Requests::Kind;
    const struct
    {
        Kind kind;
        const char *file;
    } dialogs[] = {
        {Kind::RemoveObject, "remove-object"},     {Kind::RenameObject, "rename-object"},
        {Kind::CopyObject, "copy-object"},         {Kind::LoadObject, "load-object"},
        {Kind::SaveObject, "save-object"},         {Kind::FlipDepth, "flip-depth"},
        {Kind::Translate, "translate"},            {Kind::CreateProperty, "create-property"},
        {Kind::CopyProperty, "copy-property"},     {Kind::RenameProperty, "rename-property"},
        {Kind::RemoveProperty, "remove-property"}, {Kind::PropertyOperator, "property-operator"},
        {Kind::ReportBug, "report-bug"},           {Kind::Import, "import"},
        {Kind::Export, "export"},
    };
    int written = 0;
    for (const auto &[kind, file] : dialogs) {
        EasyDialog *dialog = window.requests->open(kind, true);
        written += save(dialog, QDir(folder).filePath(QLatin1String(file) + QStringLiteral(".png")));
        dialog->close();
    }

    AspectRatioDialog aspect(&window, QVariantMap{{QStringLiteral("aspect_method"), QStringLiteral("Fixed")},
                                                  {QStringLiteral("aspect_ratio"), 2.5}});
    aspect.show();
    written += save(&aspect, QDir(folder).filePath(QStringLiteral("aspect-ratio.png")));
    CanvasExportDialog export_dialog(&window);
    export_dialog.show();
    written += save(&export_dialog, QDir(folder).filePath(QStringLiteral("canvas-export.png")));

    auto *preferences = new ConfigDialog(&window);
    preferences->add_page(new LanguagePage);
    preferences->add_page(new ViewerPage);
    preferences->show();
    written += save(preferences, QDir(folder).filePath(QStringLiteral("preferences.png")), QSize(660, 380));
    preferences->close();
    settle();
    return written;
}

} // namespace kelvra::app
