#include "host/views/mapviewer.h"

#include "host/config.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/functions.h"
#include "host/translation.h"
#include "widgets/dialogs/aspectratiodialog.h"
#include "widgets/dialogs/canvasexportdialog.h"
#include "widgets/kvdialog/fields.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace kelvra {
namespace {

constexpr int kMargin = 12;      // pixels between the widget's edge and the map
constexpr double kPointSize = 4; // diameter of a drawn vertex, in pixels

// Colours told apart easily on light and dark backgrounds.
const QColor &object_colour(std::size_t index)
{
    static const QColor colours[] = {
        QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),
        QColor(214, 39, 40),  QColor(148, 103, 189), QColor(140, 86, 75),
        QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34),
        QColor(23, 190, 207),
    };
    return colours[index % std::size(colours)];
}

} // namespace

MapViewer::MapViewer(QWidget *parent)
    : AbstractViewer(parent)
{
    setMinimumSize(120, 90);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    act_hide_all = new QAction(_("Hide all objects"), this);
    connect_guarded(act_hide_all, &QAction::triggered, this, [this] { hide_all(); });
    addAction(act_hide_all);

    // A new viewer starts with the defaults of the "viewer" settings section.
    const QColor background(
        CONF.get(QStringLiteral("viewer"), QStringLiteral("background_color"), QStringLiteral("#ffffff")).toString());
    if (background.isValid())
        m_background = background;
    guarded([this] {
        const QString method =
            CONF.get(QStringLiteral("viewer"), QStringLiteral("aspect_method"), QStringLiteral("Equal")).toString();
        if (method != QLatin1String("Fixed")) // a fixed ratio is chosen per viewer
            apply_aspect(method, m_ratio);
    });
}

void MapViewer::show_object(const QString &name, const NdArray &x, const NdArray &y)
{
    if (x.size() != y.size()) {
        throw ValueError(_("%1 has %2 X and %3 Y coordinates")
                             .arg(name).arg(x.size()).arg(y.size()));
    }
    const double *xs = x.data<double>();
    const double *ys = y.data<double>();
    QVector<QPointF> vertices;
    for (std::int64_t i = 0; i < x.size(); ++i) {
        if (std::isfinite(xs[i]) && std::isfinite(ys[i]))
            vertices.append(QPointF(xs[i], ys[i]));
    }
    auto found = std::find_if(m_items.begin(), m_items.end(),
                              [&name](const Item &item) { return item.name == name; });
    if (found != m_items.end()) {
        found->vertices = std::move(vertices);
    } else {
        m_items.push_back({name, std::move(vertices)});
        dpState.append(name);
    }
    update();
}

void MapViewer::hide_object(const QString &name)
{
    auto found = std::find_if(m_items.begin(), m_items.end(),
                              [&name](const Item &item) { return item.name == name; });
    if (found == m_items.end())
        return;
    m_items.erase(found);
    dpState.removeAll(name);
    update();
}

void MapViewer::hide_all()
{
    m_items.clear();
    dpState.clear();
    update();
    emit sig_hide_all();
}

void MapViewer::set_aspect()
{
    const QVariantMap state{
        {QStringLiteral("aspect_method"), aspect_method_text(m_method)},
        {QStringLiteral("aspect_ratio"), m_ratio},
    };
    // The dialog's own apply() sets the aspect, so that a refused ratio is
    // an error of apply(): reported, with the dialog left open on what the
    // user typed, as on any refused request.
    class Dialog : public AspectRatioDialog
    {
    public:
        Dialog(MapViewer *viewer, const QVariantMap &state) : AspectRatioDialog(viewer, state), m_viewer(viewer) {}
        void apply() override { m_viewer->apply_aspect(method, text_to_double(ratio->edit->text())); }

    private:
        MapViewer *m_viewer;
    };
    // The dialog is the viewer's child and runs its own event loop: should
    // the viewer be destroyed meanwhile, the guarded pointer is null and the
    // dialog is not deleted twice.
    QPointer<Dialog> dialog = new Dialog(this, state);
    dialog->exec();
    delete dialog;
}

void MapViewer::set_background_color()
{
    const QColor color = QColorDialog::getColor(m_background, this, _("Viewer background colour"),
                                                QColorDialog::DontUseNativeDialog);
    if (color.isValid())
        set_background(color);
}

void MapViewer::export_canvas()
{
    // As in set_aspect(): a file that cannot be written is an error of the
    // dialog's apply(), which keeps the dialog open on the name typed.
    class Dialog : public CanvasExportDialog
    {
    public:
        explicit Dialog(MapViewer *viewer) : CanvasExportDialog(viewer), m_viewer(viewer) {}
        void apply() override { m_viewer->export_to(output->lineedit->edit->text(), cbClipboard->isChecked()); }

    private:
        MapViewer *m_viewer;
    };
    QPointer<Dialog> dialog = new Dialog(this);
    if (!m_last_export.isEmpty())
        dialog->output->lineedit->edit->setText(m_last_export);
    dialog->exec();
    delete dialog;
}

void MapViewer::apply_aspect(const QString &method, double ratio)
{
    const AspectMethod chosen = aspect_method_from_text(method);
    if (chosen == AspectMethod::Fixed) {
        if (!(std::isfinite(ratio) && ratio > 0))
            throw ValueError(_("The Y/X ratio must be a positive number, not %1").arg(ratio));
        m_ratio = ratio;
    }
    m_method = chosen;
    update();
}

void MapViewer::set_background(const QColor &color)
{
    m_background = color;
    update();
}

void MapViewer::export_to(const QString &file, bool clipboard)
{
    m_last_export = file;
    const QImage picture = grab().toImage();
    if (clipboard)
        QGuiApplication::clipboard()->setImage(picture);
    QImageWriter writer(file, "png");
    if (!writer.write(picture)) {
        throw std::runtime_error(_("Cannot write the canvas to %1: %2")
                                     .arg(file, writer.errorString()).toStdString());
    }
}

std::optional<QRectF> MapViewer::map_bounds() const
{
    bool any = false;
    double left = 0, right = 0, bottom = 0, top = 0;
    for (const Item &item : m_items) {
        for (const QPointF &p : item.vertices) {
            left = any ? std::min(left, p.x()) : p.x();
            right = any ? std::max(right, p.x()) : p.x();
            bottom = any ? std::min(bottom, p.y()) : p.y();
            top = any ? std::max(top, p.y()) : p.y();
            any = true;
        }
    }
    if (!any)
        return std::nullopt;
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

QRectF MapViewer::drawing_area() const
{
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QTransform MapViewer::map_to_pixels() const
{
    const std::optional<QRectF> bounds = map_bounds();
    return bounds ? map_transform(*bounds, drawing_area(), m_method, m_ratio) : QTransform();
}

void MapViewer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    const QColor ink = qGray(m_background.rgb()) < 128 ? Qt::white : Qt::black;
    painter.setPen(ink);
    if (m_items.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, _("No objects shown"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (const std::optional<QRectF> bounds = map_bounds()) {
        const QTransform to_pixels = map_transform(*bounds, drawing_area(), m_method, m_ratio);
        painter.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 60), 1));
        painter.drawRect(to_pixels.mapRect(*bounds));
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            painter.setPen(QPen(object_colour(i), kPointSize, Qt::SolidLine, Qt::RoundCap));
            painter.drawPoints(to_pixels.map(QPolygonF(m_items[i].vertices)));
        }
    }
    // Legend, top left: a swatch and the name of each object.
    const int line_height = painter.fontMetrics().height();
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const QPointF baseline(kMargin, kMargin + line_height * double(i + 1));
        painter.fillRect(QRectF(baseline - QPointF(0, 8), QSizeF(8, 8)), object_colour(i));
        painter.setPen(ink);
        painter.drawText(baseline + QPointF(12, 0), m_items[i].name);
    }
}

} // namespace kelvra
