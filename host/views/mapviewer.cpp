#include "host/views/mapviewer.h"

#include "host/config.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/functions.h"
#include "host/translation.h"
#include "host/views/contourlayer.h"
#include "host/views/cubeslice.h"
#include "host/views/mapdecor.h"
#include "host/views/maprender.h"
#include "host/views/maptexts.h"
#include "host/views/surfacefill.h"
#include "host/views/surfacelayer.h"
#include "host/views/numberformat.h"
#include "host/views/welllayer.h"
#include "widgets/dialogs/aspectratiodialog.h"
#include "widgets/dialogs/canvasexportdialog.h"
#include "widgets/kvdialog/fields.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRubberBand>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace kelvra {
namespace {

constexpr int kPadding = 7;        // pixels between the frame and the outermost vertices when fitted
constexpr double kZoomStep = 1.25; // per wheel notch, + or -
constexpr int kBandMinimum = 4;    // a smaller rubber band is taken for a click
constexpr int kReadoutRadius = 4;  // pixels around the cursor searched for a vertex
constexpr double kZoomRange = 1e6; // how far the view may shrink, or grow, from the fitted one
// Objects of at least this many vertices are measured beside the GUI
// thread: a pass over them takes longer than a repaint should.
constexpr std::int64_t kMeasureAsideFrom = std::int64_t(1) << 20;

// Colours told apart easily on light and dark backgrounds, for objects
// that come without a colour of their own.
QRgb palette_colour(int index)
{
    static const QRgb colours[] = {
        qRgb(31, 119, 180), qRgb(255, 127, 14), qRgb(44, 160, 44),   qRgb(214, 39, 40),
        qRgb(148, 103, 189), qRgb(140, 86, 75), qRgb(227, 119, 194), qRgb(127, 127, 127),
        qRgb(188, 189, 34), qRgb(23, 190, 207),
    };
    return colours[std::size_t(index) % std::size(colours)];
}

// Whether both arrays are the same values in the same storage.
bool same_array(const NdArray &a, const NdArray &b)
{
    return a.shares_storage(b) && a.bytes() == b.bytes() && a.size() == b.size() && a.dtype() == b.dtype();
}

// A vertex's value for the readout: integers as they are, other numbers
// with six significant digits.
QString readout_value(const NdArray &values, std::int64_t vertex)
{
    return visit_real(values, [vertex](const auto *v) {
        using T = std::decay_t<decltype(*v)>;
        if constexpr (std::is_floating_point_v<T>)
            return value_text(double(v[vertex]));
        else if constexpr (std::is_signed_v<T>)
            return QString::number(qlonglong(v[vertex]));
        else
            return QString::number(qulonglong(v[vertex]));
    });
}

// The smallest map rectangle a fit shows, so that a single well or a
// vertical one is seen among its surroundings rather than in a window of a
// metre: a kilometre, or a tenth of the coordinates' size when that is less
// (coordinates in degrees, or near the origin of a local grid).
double minimum_extent(const QPointF &centre)
{
    const double magnitude = std::max(std::abs(centre.x()), std::abs(centre.y()));
    return magnitude > 0 ? std::min(1000.0, 0.1 * magnitude) : 1000.0;
}

// Where the name of a point set goes: its first vertex with finite coordinates.
std::optional<QPointF> first_finite_vertex(const NdArray &x, const NdArray &y)
{
    const double *xs = x.data<double>(), *ys = y.data<double>();
    for (std::int64_t i = 0; i < x.size(); ++i) {
        if (std::isfinite(xs[i]) && std::isfinite(ys[i]))
            return QPointF(xs[i], ys[i]);
    }
    return std::nullopt;
}

// The view of a picture drawn `scale` times as large.
MapView scaled(const MapView &view, double scale)
{
    return MapView{view.size * scale, view.sx * scale, view.ox * scale, view.sy * scale, view.oy * scale,
                   view.scale * scale};
}

} // namespace

MapViewer::MapViewer(QWidget *parent)
    : AbstractViewer(parent)
    , m_renderer(std::make_unique<MapRenderer>())
    , m_watcher(new QFutureWatcher<std::shared_ptr<RenderedMap>>(this))
    , m_band(new QRubberBand(QRubberBand::Rectangle, this))
{
    setMinimumSize(160, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    m_pool.setMaxThreadCount(1); // one render at a time; a stale one stops within a few milliseconds
    connect(m_watcher, &QFutureWatcherBase::finished, this, [this] { take_render(); });

    setContextMenuPolicy(Qt::ActionsContextMenu);
    act_zoom_to_fit = new QAction(_("Zoom to fit"), this);
    act_zoom_to_fit->setShortcuts({QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_F)});
    act_zoom_to_fit->setShortcutContext(Qt::WidgetShortcut);
    connect_guarded(act_zoom_to_fit, &QAction::triggered, this, [this] { zoom_to_fit(); });
    act_show_names = new QAction(_("Show names"), this);
    act_show_names->setCheckable(true);
    act_show_names->setChecked(true);
    connect_guarded(act_show_names, &QAction::toggled, this, [this] { update(); });
    act_show_contours = new QAction(_("Show contours"), this);
    act_show_contours->setCheckable(true);
    connect_guarded(act_show_contours, &QAction::toggled, this, [this] {
        if (act_show_contours->isChecked())
            follow_contours();
        else
            m_contours->clear();
        update();
    });
    act_hide_all = new QAction(_("Hide all objects"), this);
    connect_guarded(act_hide_all, &QAction::triggered, this, [this] { hide_all(); });
    addActions({act_zoom_to_fit, act_show_names, act_show_contours, act_hide_all});

    m_contours = new ContourLayer(this);
    connect(m_contours, &ContourLayer::sig_traced, this, [this] {
        update();
        emit sig_contours_ready();
    });
    connect(m_contours, &ContourLayer::sig_failed, this, [](const QString &reason) {
        report_error(std::runtime_error(_("Cannot trace the contours: %1").arg(reason).toStdString()));
    });
    slice_chooser = new CubeSliceChooser(this);
    slice_chooser->hide();
    connect(slice_chooser, &CubeSliceChooser::sig_sample_chosen, this,
            [this](qint64 sample) { guarded([&] { choose_sample(sample); }); });

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

MapViewer::~MapViewer()
{
    // The render thread reads the renderer and the generation: stop it first.
    ++m_generation;
    m_pool.waitForDone();
}

std::size_t MapViewer::position_of(const QString &name, quint64 id) const
{
    if (m_index.stale) {
        m_index.by_name.clear();
        m_index.by_id.clear();
        for (std::size_t i = 0; i < m_layers.size(); ++i) {
            m_index.by_name.insert(m_layers[i].name, i);
            if (m_layers[i].object.id)
                m_index.by_id.insert(m_layers[i].object.id, i);
        }
        m_index.stale = false;
    }
    if (id) {
        const auto found = m_index.by_id.constFind(id);
        if (found != m_index.by_id.constEnd())
            return *found;
    }
    return m_index.by_name.value(name, m_layers.size());
}

std::vector<MapViewer::Layer>::iterator MapViewer::find_layer(const QString &name)
{
    return m_layers.begin() + std::ptrdiff_t(position_of(name));
}

std::vector<MapViewer::Layer>::const_iterator MapViewer::find_layer(const QString &name) const
{
    return m_layers.begin() + std::ptrdiff_t(position_of(name));
}

void MapViewer::show_object(const QString &name, const MapObject &object)
{
    if (object.x.dtype() != DType::Float64 || object.y.dtype() != DType::Float64)
        throw ValueError(_("The coordinates of %1 are not float64 arrays").arg(name));
    if (object.x.size() != object.y.size())
        throw ValueError(_("%1 has %2 X and %3 Y coordinates").arg(name).arg(object.x.size()).arg(object.y.size()));
    if (object.md.size() && (object.md.size() != object.x.size() || !is_real(object.md.dtype())))
        throw ValueError(_("The measured depths of %1 are not one real number per vertex").arg(name));
    Layer layer{name, object, map_look(object), 0, std::nullopt, std::nullopt, true, std::nullopt};
    if (object.property.isEmpty()) {
        layer.object.values = NdArray();
    } else if (object.values.size() != object.x.size() || !is_real(object.values.dtype())) {
        throw ValueError(_("The values of %1 of %2 are not one real number per vertex").arg(object.property, name));
    } else if (object.values.dtype() == DType::Float16) {
        layer.object.values = object.values.astype(DType::Float32);
    }
    if (layer.look == MapLook::Well) {
        layer.well = std::make_shared<const WellPath>(well_path(object.x, object.y, object.md));
        if (const std::optional<std::int64_t> head = layer.well->head)
            layer.label_at = QPointF(object.x.data<double>()[*head], object.y.data<double>()[*head]);
    } else if (object.geometry_type == QLatin1String("Point")) {
        layer.label_at = first_finite_vertex(object.x, object.y);
    }

    // What this replaces: the same object, else whatever is shown under the name.
    auto found = m_layers.begin() + std::ptrdiff_t(position_of(name, object.id));
    // What was measured of the same arrays before holds still.
    const bool same_vertices =
        found != m_layers.end() && same_array(found->object.x, object.x) && same_array(found->object.y, object.y);
    const bool same_values = found != m_layers.end() && same_array(found->object.values, layer.object.values);
    const bool colours = layer.look == MapLook::Dots && layer.object.values.size();
    const NdArray none;
    const NdArray &measured_values = colours ? layer.object.values : none;
    if (same_vertices && (same_values || !colours) && found->measured) {
        layer.bounds = found->bounds;
        layer.range = colours ? found->range : std::nullopt;
    } else if (object.x.size() < kMeasureAsideFrom || layer_measured(object.x, object.y, measured_values)) {
        const LayerMeasures measures = measure_layer(object.x, object.y, measured_values);
        layer.bounds = measures.bounds;
        layer.range = measures.range;
    } else {
        layer.measured = false;
        measure_aside(layer);
    }

    if (layer.look == MapLook::Dots) {
        layer.grid = surface_grid(object);
        layer.triangles = !layer.grid && surface_triangles(object);
    }
    if (layer.is_cube()) {
        // A cube shown anew (another property, say) stays at its slice.
        const bool same_cube = found != m_layers.end() && found->grid == layer.grid;
        layer.sample = same_cube ? found->sample : layer.grid->layers / 2;
    }
    prepare_levels(layer);

    if (object.colour)
        layer.colour = *object.colour;
    else if (found != m_layers.end())
        layer.colour = found->colour;
    else
        layer.colour = palette_colour(m_colours_given++);

    if (found == m_layers.end()) {
        m_layers.push_back(std::move(layer));
        if (!m_index.stale) {
            m_index.by_name.insert(name, m_layers.size() - 1);
            if (object.id)
                m_index.by_id.insert(object.id, m_layers.size() - 1);
        }
        dpState.append(name);
    } else {
        const QString before = found->name;
        if (before != name) {
            // Renamed in its place; another object shown under the new name goes.
            std::ptrdiff_t at = found - m_layers.begin();
            const auto taken = find_layer(name);
            if (taken != m_layers.end()) {
                if (taken - m_layers.begin() < at)
                    --at;
                m_layers.erase(taken);
                dpState.removeAll(name);
            }
            found = m_layers.begin() + at;
            dpState[dpState.indexOf(before)] = name;
        }
        if (before != name || found->object.id != object.id)
            m_index.stale = true;
        *found = std::move(layer);
    }
    relayout();
}

void MapViewer::hide_object(const QString &name)
{
    const auto found = find_layer(name);
    if (found == m_layers.end())
        return;
    // Its contour lines go with it (and what they hold of its arrays).
    if (found->grid || found->triangles)
        m_contours->clear();
    m_layers.erase(found);
    m_index.stale = true;
    dpState.removeAll(name);
    if (m_layers.empty())
        m_view.reset();
    relayout();
}

quint64 MapViewer::shown_id(const QString &name) const
{
    const auto found = find_layer(name);
    return found == m_layers.end() ? 0 : found->object.id;
}

void MapViewer::hide_all()
{
    m_contours->clear();
    m_layers.clear();
    m_index = {};
    dpState.clear();
    m_view.reset();
    m_colours_given = 0;
    relayout();
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
        void apply() override
        {
            m_viewer->export_to(output->lineedit->edit->text(), cbClipboard->isChecked(), scale());
        }

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
    relayout();
}

void MapViewer::set_background(const QColor &color)
{
    m_background = color;
    invalidate(); // the picture is drawn on the background
}

QImage MapViewer::canvas_picture(int scale)
{
    if (scale < 1 || scale > 4)
        throw ValueError(_("A picture is exported at 1 to 4 times the size on screen, not %1 times").arg(scale));
    render_now();
    std::shared_ptr<RenderedMap> picture = m_picture;
    if (scale > 1 && picture) {
        // Drawn anew at the size asked for, not enlarged: every vertex in its
        // own pixel of the larger picture.
        picture = std::make_shared<RenderedMap>();
        fill_render(*picture, scaled(current_view(), scale));
        MapRenderer renderer;
        const std::atomic<quint64> generation{picture->generation};
        renderer.render(*picture, m_background, generation);
        if (!picture->error.isEmpty())
            throw std::runtime_error(_("Cannot draw the map: %1").arg(picture->error).toStdString());
    }
    QImage image(size() * scale, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    // Text measures as on screen; drawing at the device pixel ratio makes
    // it, and every line, sharp at the larger size.
    image.setDotsPerMeterX(int(std::lround(logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(logicalDpiY() / 0.0254)));
    image.setDevicePixelRatio(scale);
    {
        QPainter painter(&image);
        painter.setFont(font());
        paint_canvas(painter, picture.get());
    }
    image.setDevicePixelRatio(1);
    return image;
}

void MapViewer::export_to(const QString &file, bool clipboard, int scale)
{
    m_last_export = file;
    const QImage picture = canvas_picture(scale);
    if (clipboard)
        QGuiApplication::clipboard()->setImage(picture);
    QImageWriter writer(file, "png");
    if (!writer.write(picture)) {
        throw std::runtime_error(_("Cannot write the canvas to %1: %2")
                                     .arg(file, writer.errorString()).toStdString());
    }
}

std::optional<QRectF> MapViewer::fit_rect() const
{
    // QRectF::united drops rectangles without area, such as a single well's.
    std::optional<QRectF> all;
    for (const Layer &layer : m_layers) {
        if (!layer.bounds)
            continue;
        const QRectF &b = *layer.bounds;
        all = all ? QRectF(QPointF(std::min(all->left(), b.left()), std::min(all->top(), b.top())),
                           QPointF(std::max(all->right(), b.right()), std::max(all->bottom(), b.bottom())))
                  : b;
    }
    if (!all)
        return all;
    const QPointF centre = all->center();
    const double minimum = minimum_extent(centre);
    if (std::max(all->width(), all->height()) < minimum) {
        const QSizeF size(std::max(all->width(), minimum), std::max(all->height(), minimum));
        return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
    }
    return all;
}

QRectF MapViewer::view_rect() const
{
    if (m_view)
        return *m_view;
    return fit_rect().value_or(QRectF(0, 0, 1, 1));
}

const MapViewer::Layout &MapViewer::layout() const
{
    if (!m_layout.valid) {
        m_layout = work_out_layout();
        m_layout.valid = true;
    }
    return m_layout;
}

MapViewer::Layout MapViewer::work_out_layout() const
{
    // The room of the labels depends on the ticks, which depend on the size
    // of the map, which depends on the room of the labels: start with none
    // and widen until everything fits (twice at most, in practice).
    const QFontMetrics metrics = fontMetrics();
    const std::vector<ColourScale> scales = colour_scales();
    // The room taken before is kept while the user zooms and pans, so that
    // the map does not shift under the mouse as labels grow shorter.
    int northing_labels = m_room.northing, overhang = m_room.overhang, bar_labels = m_room.bars;
    Layout out;
    for (int round = 0; round < 4; ++round) {
        const MapMargins margins = map_margins(metrics, northing_labels, overhang, !scales.empty(), bar_labels);
        out.area = rect().adjusted(margins.left, margins.top, -margins.right, -margins.bottom);
        const QRectF area = out.area;
        const QRectF inner = area.adjusted(kPadding, kPadding, -kPadding, -kPadding);
        out.to_pixels = map_transform(view_rect(), inner.isValid() ? inner : area, m_method, m_ratio);
        out.easting.clear();
        out.northing.clear();
        if (!m_layers.empty()) {
            const QTransform to_map = out.to_pixels.inverted();
            const double left = area.left(), right = area.left() + area.width();
            const double top = area.top(), bottom = area.top() + area.height();
            out.easting = map_axis_ticks(metrics, Qt::Horizontal, to_map.map(QPointF(left, 0)).x(),
                                         to_map.map(QPointF(right, 0)).x(), left, right);
            out.northing = map_axis_ticks(metrics, Qt::Vertical, to_map.map(QPointF(0, bottom)).y(),
                                          to_map.map(QPointF(0, top)).y(), bottom, top);
        }
        out.bars = place_colour_bars(metrics, out.area, scales);
        int northing_needed = 0, overhang_needed = 0;
        for (const AxisTick &tick : out.northing)
            northing_needed = std::max(northing_needed, metrics.horizontalAdvance(tick.label));
        for (const AxisTick &tick : out.easting)
            overhang_needed = std::max(overhang_needed, (metrics.horizontalAdvance(tick.label) + 1) / 2);
        const int bars_needed = widest_bar_label(metrics, out.bars);
        if (northing_needed <= northing_labels && overhang_needed <= overhang && bars_needed <= bar_labels)
            break;
        northing_labels = std::max(northing_labels, northing_needed);
        overhang = std::max(overhang, overhang_needed);
        bar_labels = std::max(bar_labels, bars_needed);
    }
    m_room = {northing_labels, overhang, bar_labels};
    return out;
}

QRect MapViewer::map_area() const
{
    return layout().area;
}

QTransform MapViewer::map_to_pixels() const
{
    return layout().to_pixels;
}

MapView MapViewer::current_view() const
{
    const QRect area = map_area();
    const QTransform to_pixels = map_to_pixels();
    return MapView{area.size(), to_pixels.m11(), to_pixels.dx() - area.left(), to_pixels.m22(),
                   to_pixels.dy() - area.top(), 1};
}

std::vector<ColourScale> MapViewer::colour_scales() const
{
    std::vector<ColourScale> scales;
    for (const Layer &layer : m_layers) {
        if (!layer.range)
            continue;
        const QString &property = layer.object.property;
        // Cubes have a scale of their own, symmetric about zero.
        const bool seismic = layer.is_cube();
        auto found = std::find_if(scales.begin(), scales.end(), [&property, seismic](const ColourScale &scale) {
            return scale.property == property && scale.seismic == seismic;
        });
        if (found == scales.end()) {
            scales.push_back({property, layer.range->first, layer.range->second, seismic});
        } else {
            found->low = std::min(found->low, layer.range->first);
            found->high = std::max(found->high, layer.range->second);
        }
    }
    for (ColourScale &scale : scales) {
        if (scale.seismic) {
            // A cube of zeros still shows zero as white, in the middle of a scale.
            const double largest = std::max(std::abs(scale.low), std::abs(scale.high));
            scale.low = largest > 0 ? -largest : -1.0;
            scale.high = largest > 0 ? largest : 1.0;
        }
    }
    return scales;
}

std::vector<AxisTick> MapViewer::axis_ticks(Qt::Orientation axis) const
{
    return axis == Qt::Horizontal ? layout().easting : layout().northing;
}

std::vector<AxisTick> MapViewer::colour_bar_ticks(const QString &property) const
{
    for (const ColourBar &bar : layout().bars) {
        if (bar.scale.property == property)
            return bar.ticks;
    }
    return {};
}

void MapViewer::zoom_to_fit()
{
    m_view.reset();
    relayout();
}

void MapViewer::zoom_at(QPointF pixel, double factor)
{
    const QPointF anchor = map_to_pixels().inverted().map(pixel);
    const QRectF view = view_rect();
    if (!set_view(QRectF(anchor + (view.topLeft() - anchor) / factor, view.size() / factor)))
        return;
    // Labels that came to need more room shrink the map a little: keep the
    // anchor under the pixel all the same.
    const QTransform now = map_to_pixels();
    const QPointF drift = now.map(anchor) - pixel;
    if (drift.manhattanLength() > 1e-6) {
        m_view->translate(drift.x() / now.m11(), drift.y() / now.m22());
        invalidate();
    }
}

void MapViewer::pan_by(QPointF delta)
{
    const QTransform to_pixels = map_to_pixels();
    set_view(view_rect().translated(-delta.x() / to_pixels.m11(), -delta.y() / to_pixels.m22()));
}

void MapViewer::zoom_to_pixels(const QRect &rect)
{
    set_view(map_to_pixels().inverted().mapRect(QRectF(rect)));
}

bool MapViewer::set_view(const QRectF &view)
{
    // Far past the data's own size, coordinates lose their precision.
    const QRectF fit = fit_rect().value_or(QRectF(0, 0, 1, 1));
    const double reference = std::max({fit.width(), fit.height(), 1e-9 * (1 + std::abs(fit.center().x()))});
    const double extent = std::max(view.width(), view.height());
    if (m_layers.empty() || !(extent >= reference / kZoomRange && extent <= reference * kZoomRange))
        return false;
    m_view = view;
    invalidate();
    return true;
}

void MapViewer::relayout()
{
    m_room = {};
    invalidate();
}

const NdArray &MapViewer::level_values(const Layer &layer)
{
    return layer.object.values.size() ? layer.object.values : layer.object.x;
}

void MapViewer::prepare_levels(Layer &layer)
{
    layer.levels.reset();
    if (!layer.grid)
        return;
    const GridGeometry &grid = *layer.grid;
    const NdArray &values = level_values(layer);
    layer.levels = cached_grid_levels(grid, values, layer.sample);
    if (layer.levels)
        return;
    if (grid.columns * grid.rows < kMeasureAsideFrom) {
        layer.levels = grid_levels(grid, values, layer.sample);
        return;
    }
    // The levels, or why they could not be built, or that they were not
    // built because nobody wanted them any more.
    struct Built
    {
        std::shared_ptr<const GridLevels> levels;
        QString error;
        bool skipped = false;
    };
    const auto unwanted = std::make_shared<std::atomic<bool>>(false);
    layer.unwanted = unwanted;
    auto *watcher = new QFutureWatcher<Built>(this);
    m_measuring.erase(std::remove(m_measuring.begin(), m_measuring.end(), nullptr), m_measuring.end());
    m_measuring.emplace_back(watcher);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, layer] {
        watcher->deleteLater();
        if (watcher->isCanceled())
            return;
        guarded([&] {
            const Built built = watcher->result();
            if (built.skipped)
                return;
            take_levels(layer, built.levels);
            if (!built.levels)
                throw std::runtime_error(_("Cannot draw %1 as a surface: %2").arg(layer.name, built.error).toStdString());
        });
    });
    watcher->setFuture(QtConcurrent::run([grid, values, sample = layer.sample, unwanted]() -> Built {
        if (*unwanted)
            return {nullptr, QString(), true};
        try {
            return {grid_levels(grid, values, sample), QString()};
        } catch (const std::exception &error) {
            return {nullptr, QString::fromLocal8Bit(error.what())};
        }
    }));
}

void MapViewer::take_levels(const Layer &built, std::shared_ptr<const GridLevels> levels)
{
    // As with measures: only for the same arrays and slice of the same object.
    const auto found = std::find_if(m_layers.begin(), m_layers.end(), [&built](const Layer &layer) {
        const bool same_object = built.object.id ? layer.object.id == built.object.id : layer.name == built.name;
        return same_object && !layer.levels && layer.grid && layer.grid == built.grid && layer.sample == built.sample
            && same_array(level_values(layer), level_values(built));
    });
    if (found == m_layers.end())
        return;
    found->levels = std::move(levels);
    if (!found->levels)
        found->grid.reset(); // drawn as dots
    invalidate();
}

MapViewer::Layer *MapViewer::last_cube()
{
    const auto cube = std::find_if(m_layers.rbegin(), m_layers.rend(), [](const Layer &layer) { return layer.is_cube(); });
    return cube == m_layers.rend() ? nullptr : &*cube;
}

void MapViewer::follow_cubes()
{
    const Layer *cube = last_cube();
    if (!cube) {
        slice_chooser->hide();
        return;
    }
    slice_chooser->show_cube(cube->name, *cube->grid, cube->sample);
    const QRect area = map_area();
    slice_chooser->move(area.right() - slice_chooser->width() - 6, area.top() + 6);
    slice_chooser->show();
}

void MapViewer::choose_sample(std::int64_t sample)
{
    Layer *cube = last_cube();
    if (!cube || cube->sample == sample || sample < 0 || sample >= cube->grid->layers)
        return;
    if (cube->unwanted)
        *cube->unwanted = true; // the slice chosen before, if still waiting to be built
    cube->sample = sample;
    prepare_levels(*cube);
    invalidate();
}

bool MapViewer::contours_are_current() const
{
    return !act_show_contours->isChecked() || (picture_is_current() && m_contours->current());
}

void MapViewer::follow_contours()
{
    if (!act_show_contours->isChecked() || !picture_is_current())
        return;
    const std::vector<ColourScale> scales = colour_scales();
    std::vector<ContourSource> sources;
    for (const Layer &layer : m_layers) {
        if (!(layer.levels || layer.triangles) || !layer.range || !layer.object.values.size())
            continue;
        for (const ColourScale &scale : scales) {
            if (scale.property != layer.object.property || scale.seismic != layer.is_cube())
                continue;
            sources.push_back({layer.levels, layer.triangles ? layer.object.triangles : NdArray(), layer.object.x,
                               layer.object.y, layer.object.values, contour_values(scale.low, scale.high)});
        }
    }
    m_contours->follow(sources, m_picture->view);
}

void MapViewer::measure_aside(const Layer &layer)
{
    auto *watcher = new QFutureWatcher<Measures>(this);
    m_measuring.erase(std::remove(m_measuring.begin(), m_measuring.end(), nullptr), m_measuring.end());
    m_measuring.emplace_back(watcher);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, layer] {
        watcher->deleteLater();
        if (!watcher->isCanceled())
            guarded([&] { take_measures(layer, watcher->result()); });
    });
    const bool colours = layer.look == MapLook::Dots && layer.object.values.size();
    watcher->setFuture(QtConcurrent::run([x = layer.object.x, y = layer.object.y,
                                          values = colours ? layer.object.values : NdArray()] {
        const LayerMeasures measures = measure_layer(x, y, values);
        return Measures{measures.bounds, measures.range};
    }));
}

void MapViewer::take_measures(const Layer &measured, const Measures &measures)
{
    // The object may have been hidden or shown anew meanwhile: the measures
    // hold only for the same arrays of the same object.
    const auto found = std::find_if(m_layers.begin(), m_layers.end(), [&measured](const Layer &layer) {
        const bool same_object =
            measured.object.id ? layer.object.id == measured.object.id : layer.name == measured.name;
        return !layer.measured && same_object && same_array(layer.object.x, measured.object.x)
            && same_array(layer.object.y, measured.object.y)
            && same_array(layer.object.values, measured.object.values);
    });
    if (found == m_layers.end())
        return;
    found->bounds = measures.bounds;
    found->range = found->look == MapLook::Dots ? measures.range : std::nullopt;
    found->measured = true;
    relayout();
}

bool MapViewer::measuring() const
{
    return std::any_of(m_layers.begin(), m_layers.end(),
                       [](const Layer &layer) { return !layer.measured || (layer.grid && !layer.levels); });
}

bool MapViewer::picture_is_current() const
{
    return m_picture && m_picture->generation == m_generation.load() && !measuring();
}

void MapViewer::invalidate()
{
    ++m_generation;
    m_layout.valid = false;
    if (m_layers.empty())
        m_picture.reset();
    follow_cubes();
    if (!m_rendering)
        start_render();
    update();
}

void MapViewer::start_render()
{
    if (m_layers.empty() || !isVisible() || map_area().isEmpty() || picture_is_current()
        || m_failed == m_generation.load() || measuring())
        return;
    std::shared_ptr<RenderedMap> map = m_spare ? std::move(m_spare) : std::make_shared<RenderedMap>();
    fill_render(*map, current_view());
    m_rendering = true;
    MapRenderer *renderer = m_renderer.get();
    const std::atomic<quint64> *generation = &m_generation;
    const QColor background = m_background;
    m_watcher->setFuture(QtConcurrent::run(&m_pool, [renderer, map, background, generation] {
        renderer->render(*map, background, *generation);
        return map;
    }));
}

void MapViewer::fill_render(RenderedMap &map, const MapView &view) const
{
    map.view = view;
    map.generation = m_generation.load();
    map.layers.clear();
    const std::vector<ColourScale> scales = colour_scales();
    for (MapLook look : {MapLook::Dots, MapLook::Outline, MapLook::Polyline, MapLook::Well, MapLook::Marker}) {
        for (const Layer &layer : m_layers) {
            if (layer.look != look)
                continue;
            RenderLayer drawn;
            drawn.look = look;
            drawn.x = layer.object.x;
            drawn.y = layer.object.y;
            drawn.values = layer.object.values;
            drawn.colour = layer.colour;
            drawn.bounds = layer.bounds;
            drawn.name = layer.name;
            drawn.property = layer.object.property;
            drawn.well = layer.well;
            drawn.levels = layer.levels;
            if (layer.triangles)
                drawn.triangles = layer.object.triangles;
            drawn.seismic = layer.is_cube();
            for (const ColourScale &scale : scales) {
                if (layer.range && scale.property == layer.object.property && scale.seismic == drawn.seismic) {
                    drawn.low = scale.low;
                    drawn.high = scale.high;
                }
            }
            map.layers.push_back(std::move(drawn));
        }
    }
}

void MapViewer::take_render()
{
    if (!m_rendering || !m_watcher->isFinished())
        return; // taken already by render_now()
    m_rendering = false;
    keep(m_watcher->result());
    start_render(); // the view moved on meanwhile
}

void MapViewer::keep(std::shared_ptr<RenderedMap> map)
{
    if (!map->error.isEmpty()) {
        // Not tried again until something changes.
        m_failed = map->generation;
        report_error(std::runtime_error(_("Cannot draw the map: %1").arg(map->error).toStdString()));
    }
    if (map->complete && map->generation == m_generation.load()) {
        m_spare = std::move(m_picture);
        m_picture = std::move(map);
        update();
        // What lies under a mouse that has not moved may have changed.
        if (m_cursor)
            report_cursor(*m_cursor);
        emit sig_picture_ready();
        follow_contours(); // the view settled: the lines it needs

    } else {
        m_spare = std::move(map);
    }
}

void MapViewer::render_now()
{
    while (!m_measuring.empty()) {
        for (const QPointer<QFutureWatcherBase> &watcher : std::exchange(m_measuring, {})) {
            if (!watcher)
                continue;
            watcher->waitForFinished();
            QCoreApplication::sendPostedEvents(watcher); // its finished signal, now
        }
    }
    if (m_rendering) {
        m_watcher->waitForFinished();
        m_rendering = false;
        keep(m_watcher->result());
    }
    if (!m_layers.empty() && !map_area().isEmpty() && !picture_is_current() && m_failed != m_generation.load()) {
        std::shared_ptr<RenderedMap> map = m_spare ? std::move(m_spare) : std::make_shared<RenderedMap>();
        fill_render(*map, current_view());
        m_renderer->render(*map, m_background, m_generation);
        keep(std::move(map));
    }
    if (act_show_contours->isChecked()) {
        follow_contours();
        m_contours->wait();
    }
}

void MapViewer::paint_canvas(QPainter &painter, const RenderedMap *picture) const
{
    painter.fillRect(rect(), m_background);
    const QColor ink = qGray(m_background.rgb()) < 128 ? Qt::white : Qt::black;
    painter.setPen(ink);
    if (m_layers.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, _("No objects shown"));
        return;
    }
    const Layout &now_layout = layout();
    const QRect area = now_layout.area;
    painter.save();
    painter.setClipRect(area);
    if (picture) {
        const MapView now = current_view();
        const MapView &then = picture->view;
        if (then == scaled(now, then.scale)) {
            painter.drawImage(QRectF(area), picture->image);
        } else {
            // The last picture, moved and scaled to the view now, until the new one is ready.
            const double ax = now.sx / then.sx, ay = now.sy / then.sy;
            painter.setTransform(QTransform(ax, 0, 0, ay, area.left() + now.ox - ax * then.ox,
                                            area.top() + now.oy - ay * then.oy),
                                 true);
            painter.drawImage(QPointF(0, 0), picture->image);
            painter.setTransform(QTransform());
        }
    }
    if (act_show_contours->isChecked())
        m_contours->draw(painter, area, now_layout.to_pixels, ink, m_background);
    std::vector<TextedObject> texted;
    for (const Layer &layer : m_layers)
        texted.push_back({layer.look, layer.name, layer.label_at, layer.object.x, layer.object.y, layer.object.texts});
    draw_map_texts(painter, area, now_layout.to_pixels, texted, act_show_names->isChecked(), {ink, m_background});
    painter.restore();
    draw_axes(painter, area, now_layout.easting, now_layout.northing, ink);
    draw_colour_bars(painter, now_layout.bars, ink);
    std::vector<LegendEntry> legend;
    for (const Layer &layer : m_layers)
        legend.push_back({layer.name, layer.colour, layer.range.has_value(), layer.is_cube()});
    draw_legend(painter, area, legend, ink, m_background);
}

void MapViewer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint_canvas(painter, m_picture.get());
}

void MapViewer::resizeEvent(QResizeEvent *event)
{
    AbstractViewer::resizeEvent(event);
    relayout();
}

void MapViewer::showEvent(QShowEvent *event)
{
    AbstractViewer::showEvent(event);
    if (!m_rendering)
        start_render();
}

void MapViewer::changeEvent(QEvent *event)
{
    AbstractViewer::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout(); // the labels take other room
}

void MapViewer::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (m_layers.empty() || notches == 0) {
        event->ignore();
        return;
    }
    zoom_at(event->position(), std::pow(kZoomStep, notches));
    m_cursor = event->position().toPoint();
    report_cursor(*m_cursor);
}

void MapViewer::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_layers.empty()) {
        AbstractViewer::mousePressEvent(event);
        return;
    }
    m_press = m_last = event->pos();
    if (event->modifiers() & Qt::ShiftModifier) {
        m_drag = Drag::Band;
        m_band->setGeometry(QRect(m_press, QSize()));
        m_band->show();
    } else {
        m_drag = Drag::Pan;
        setCursor(Qt::ClosedHandCursor);
    }
}

void MapViewer::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Pan) {
        pan_by(event->pos() - m_last);
        m_last = event->pos();
    } else if (m_drag == Drag::Band) {
        m_band->setGeometry(QRect(m_press, event->pos()).normalized());
    }
    m_cursor = event->pos();
    report_cursor(event->pos());
}

void MapViewer::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) {
        AbstractViewer::mouseReleaseEvent(event);
        return;
    }
    if (m_drag == Drag::Band) {
        m_band->hide();
        const QRect band = QRect(m_press, event->pos()).normalized();
        if (band.width() >= kBandMinimum && band.height() >= kBandMinimum)
            zoom_to_pixels(band);
    }
    m_drag = Drag::None;
    setCursor(Qt::CrossCursor);
}

void MapViewer::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        zoom_to_fit();
}

void MapViewer::keyPressEvent(QKeyEvent *event)
{
    const QRectF area = map_area();
    const double across = area.width() / 8, down = area.height() / 8;
    switch (m_layers.empty() ? 0 : event->key()) {
    case Qt::Key_Left: // look west: the map moves east
        pan_by(QPointF(across, 0));
        break;
    case Qt::Key_Right:
        pan_by(QPointF(-across, 0));
        break;
    case Qt::Key_Up:
        pan_by(QPointF(0, down));
        break;
    case Qt::Key_Down:
        pan_by(QPointF(0, -down));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom_at(area.center(), kZoomStep);
        break;
    case Qt::Key_Minus:
        zoom_at(area.center(), 1 / kZoomStep);
        break;
    default:
        AbstractViewer::keyPressEvent(event);
    }
}

void MapViewer::leaveEvent(QEvent *event)
{
    AbstractViewer::leaveEvent(event);
    m_cursor.reset();
    emit sig_cursor_text(QString());
}

void MapViewer::report_cursor(QPoint pixel)
{
    const QRect area = map_area();
    if (m_layers.empty() || !area.contains(pixel)) {
        emit sig_cursor_text(QString());
        return;
    }
    const QTransform to_pixels = map_to_pixels();
    const QPointF at = to_pixels.inverted().map(QPointF(pixel) + QPointF(0.5, 0.5));
    // As many decimals as tell neighbouring pixels apart, written as the axes write them.
    const double pixel_size = 1 / std::abs(to_pixels.m11());
    const TickFormat format(std::pow(10.0, std::floor(std::log10(pixel_size))),
                            std::max(std::abs(at.x()), std::abs(at.y())));
    QString text = _("E %1   N %2").arg(format.text(at.x()), format.text(at.y()));
    if (picture_is_current()) {
        if (const auto found = m_picture->vertex_near(pixel - area.topLeft(), kReadoutRadius)) {
            const RenderLayer &layer = m_picture->layers[found->first];
            const QString vertex = QString::number(found->second);
            text += QStringLiteral("    ");
            text += layer.values.size()
                        ? _("%1, vertex %2: %3 = %4")
                              .arg(layer.name, vertex, layer.property, readout_value(layer.values, found->second))
                        : _("%1, vertex %2").arg(layer.name, vertex);
        }
    }
    emit sig_cursor_text(text);
}

} // namespace kelvra
