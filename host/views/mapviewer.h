#pragma once

// A viewer that draws a 2-D base map of the objects it shows, seen from
// above (north up): surfaces filled with the colours of their current
// property between their nodes (a cube by one horizontal slice, in
// red-white-blue), with a colour bar and, on request, contour lines;
// other objects of points as dots; wells as markers with their names;
// lines and outlines as lines; with easting and northing axes and a
// legend. The picture is
// drawn off the GUI thread into an image that is kept while nothing
// changes; while a new one is made, the last one is shown moved and scaled
// to the new view.
//
// Navigation: the wheel zooms about the cursor; dragging pans; Shift and
// drag zooms to a rectangle; a double click, Home, F or the context menu
// zoom to fit; the arrow keys pan and + and - zoom.

#include "host/views/hostviews_export.h"
#include "host/views/mapaxes.h"
#include "host/views/maplayer.h"
#include "host/views/maptransform.h"
#include "host/viewer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <QThreadPool>
#include <QTransform>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QFutureWatcherBase;
class QRubberBand;
template <typename T> class QFutureWatcher;

namespace kelvra {

class ContourLayer;
class CubeSliceChooser;
class GridLevels;
class MapRenderer;
struct MapView;
struct RenderedMap;
struct ColourScale;
struct ColourBar;
struct WellPath;

class HOSTVIEWS_EXPORT MapViewer : public AbstractViewer
{
    Q_OBJECT
public:
    explicit MapViewer(QWidget *parent = nullptr);
    ~MapViewer() override;

    // Shows an object, or replaces what is shown of it; dpState lists the
    // shown objects in the order they were first shown. An object is known
    // by its id (by its name when it has none): showing the same id under
    // a new name renames it in its place; showing another object under a
    // shown name replaces that one. An object is drawn in its own colour,
    // or, without one, keeps the palette colour it was first given. Throws
    // ValueError (showing nothing new) when x and y are not float64 arrays
    // of the same length, or values, when a property is named, are not real
    // numbers, one per vertex. Vertices with a non-finite coordinate are not
    // drawn, nor dots whose value is not finite. A large object is measured
    // (its extent and the range of its values) beside the GUI thread and
    // drawn a moment later.
    void show_object(const QString &name, const MapObject &object);
    // Stops showing one object; an object that is not shown changes nothing.
    void hide_object(const QString &name);
    // The id of the object shown under name; 0 when none is shown (or it
    // came without an id).
    quint64 shown_id(const QString &name) const;
    // Stops showing every object, so that the next one shown has the first
    // colour again, and emits sig_hide_all.
    void hide_all();

    // Opens the aspect ratio dialog on the current setting; what it applies
    // goes to apply_aspect().
    void set_aspect() override;
    // Opens a colour chooser on the current background colour.
    void set_background_color() override;
    // Opens the canvas export dialog; what it asks for goes to export_to().
    void export_canvas() override;

    // Scales the axes: method "Auto", "Equal" or "Fixed" (ValueError for
    // any other text); ratio, the Y/X ratio, is used and kept for "Fixed"
    // only and must then be a positive number (ValueError otherwise).
    void apply_aspect(const QString &method, double ratio);
    AspectMethod aspect_method() const { return m_method; }
    double aspect_ratio() const { return m_ratio; }

    QColor background_color() const { return m_background; }
    void set_background(const QColor &color);

    // Writes the canvas as the user sees it, axes, colour bars and legend
    // included, as a PNG picture to file (whatever its ending), and copies
    // the picture to the clipboard first when clipboard is true. scale (1 to
    // 4) makes the picture that many times as wide and high, drawn at that
    // size (the map rendered anew, text and lines drawn sharp). Throws
    // std::runtime_error naming the file when it cannot be written.
    void export_to(const QString &file, bool clipboard, int scale = 1);
    // The canvas as export_to() writes it.
    QImage canvas_picture(int scale = 1);

    // Shows every vertex of the shown objects again, undoing zoom and pan.
    void zoom_to_fit();

    // The mapping from map coordinates to widget pixels for the current
    // size, zoom and aspect setting.
    QTransform map_to_pixels() const;
    // The part of the widget the map is drawn in, inside the axes.
    QRect map_area() const;
    // The ticks of the easting (Qt::Horizontal) or northing axis, at their
    // widget pixel positions.
    std::vector<AxisTick> axis_ticks(Qt::Orientation axis) const;
    // The ticks of the colour bar of a property, at their widget pixel rows;
    // nothing when no bar shows the property.
    std::vector<AxisTick> colour_bar_ticks(const QString &property) const;

    // Whether the picture on screen is of what is shown now, in the view now.
    bool picture_is_current() const;
    // Makes the picture current before returning: waits for the render in
    // progress, or renders here. For export, pictures and tests.
    void render_now();

    QAction *act_hide_all = nullptr;
    QAction *act_zoom_to_fit = nullptr;
    QAction *act_show_names = nullptr; // the names of wells beside their markers; checked at first
    // Contour lines of the surfaces' current property at round values,
    // with the values written along them; not checked at first.
    QAction *act_show_contours = nullptr;
    // Which horizontal slice of a cube is shown: over the map while a cube
    // is shown, for the cube shown last; its middle sample at first.
    CubeSliceChooser *slice_chooser = nullptr;

    // Whether the contour lines drawn are those of what is shown now at
    // the resolution of the view now (true while they are switched off).
    bool contours_are_current() const;

Q_SIGNALS:
    // The mouse is over the map: the map coordinates under it and, where a
    // vertex is drawn there, its object, its number and its value of the
    // object's current property. Empty when the mouse leaves the map.
    void sig_cursor_text(const QString &text);
    // A new picture of the current view is on screen.
    void sig_picture_ready();
    // New contour lines are on screen.
    void sig_contours_ready();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Layer
    {
        QString name;
        MapObject object; // values converted from float16, which the renderer does not read
        MapLook look;
        QRgb colour;
        std::optional<QRectF> bounds;                   // of the finite vertices
        std::optional<std::pair<double, double>> range; // of the finite values
        bool measured = true; // false while bounds and range are measured beside the GUI thread
        std::optional<QPointF> label_at;                // where the name of a well or point set goes
        std::shared_ptr<const WellPath> well = nullptr; // a well's path and wellhead
        // Filled rather than dotted: by the cells of this grid (for a cube,
        // of its slice at sample), from levels (none while they are built
        // beside the GUI thread); or by the object's triangles.
        std::optional<GridGeometry> grid = std::nullopt;
        std::int64_t sample = 0;
        std::shared_ptr<const GridLevels> levels = nullptr;
        // Set once the levels being built beside the GUI thread are no longer
        // wanted (another slice was chosen), so that a build still waiting
        // for a thread is skipped.
        std::shared_ptr<std::atomic<bool>> unwanted = nullptr;
        bool triangles = false;
        bool is_cube() const { return grid && grid->layers > 1; }
    };
    struct Measures
    {
        std::optional<QRectF> bounds;
        std::optional<std::pair<double, double>> range;
    };
    // Where everything goes for the widget's size and the view: worked out
    // once per change, as the labels' room and the map's size depend on
    // each other.
    struct Layout
    {
        bool valid = false;
        QRect area;
        QTransform to_pixels;
        std::vector<AxisTick> easting, northing;
        std::vector<ColourBar> bars;
    };
    enum class Drag { None, Pan, Band };

    std::optional<QRectF> fit_rect() const; // of every finite vertex, at least a minimum size
    QRectF view_rect() const;               // the map rectangle the view frames
    MapView current_view() const;
    std::vector<ColourScale> colour_scales() const;
    const Layout &layout() const;
    Layout work_out_layout() const;
    // Where the layer of the object with that id (when not 0), else the one
    // of that name, is in m_layers; m_layers.size() when there is none.
    std::size_t position_of(const QString &name, quint64 id = 0) const;
    // The layer of that name, or m_layers.end().
    std::vector<Layer>::iterator find_layer(const QString &name);
    std::vector<Layer>::const_iterator find_layer(const QString &name) const;
    // Draws the canvas: the picture of the map (any size that fills the map
    // area), axes, colour bars, legend and names.
    void paint_canvas(QPainter &painter, const RenderedMap *picture) const;

    // Zooms by factor (above 1: in), keeping the map point under pixel in place.
    void zoom_at(QPointF pixel, double factor);
    // Moves the map by delta pixels.
    void pan_by(QPointF delta);
    // Frames the map rectangle under the widget pixels of rect.
    void zoom_to_pixels(const QRect &rect);
    // Frames view, unless it lies past the zoom limits; whether it did.
    bool set_view(const QRectF &view);

    // Measures a large layer's bounds and range on another thread; the
    // layer is drawn once they are in.
    void measure_aside(const Layer &layer);
    void take_measures(const Layer &measured, const Measures &measures);
    // Gives a grid layer the levels of its values (or, without values, of
    // its X, which place its holes): from the cache, built here when small,
    // else built beside the GUI thread.
    void prepare_levels(Layer &layer);
    void take_levels(const Layer &built, std::shared_ptr<const GridLevels> levels);
    // Whether a layer waits for its measures or its levels.
    bool measuring() const;
    // The values a grid layer is filled by.
    static const NdArray &level_values(const Layer &layer);
    // The cube shown last; null when none is shown.
    Layer *last_cube();
    // Shows the slice chooser for the cube shown last, or hides it.
    void follow_cubes();
    void choose_sample(std::int64_t sample);
    // Has the contours traced for the picture on screen, when they are on.
    void follow_contours();

    // Something drawn changed: the picture is stale; a new one is asked for.
    void invalidate();
    // The same after a change other than zooming and panning: the labels'
    // room is worked out anew.
    void relayout();
    void start_render();
    // Sets what map draws: the shown objects, in drawing order, in view.
    void fill_render(RenderedMap &map, const MapView &view) const;
    void take_render();
    void keep(std::shared_ptr<RenderedMap> map);
    void report_cursor(QPoint pixel);

    std::vector<Layer> m_layers;
    // Where each layer is in m_layers, by name and by id, so that showing
    // thousands of objects takes linear time; rebuilt after a layer went,
    // was renamed or replaced by another object.
    struct LayerIndex
    {
        QHash<QString, std::size_t> by_name;
        QHash<quint64, std::size_t> by_id;
        bool stale = false;
    };
    mutable LayerIndex m_index;
    int m_colours_given = 0;
    AspectMethod m_method = AspectMethod::Equal;
    double m_ratio = 1.0;
    QColor m_background = Qt::white;
    std::optional<QRectF> m_view; // the zoomed view; none: fit to every vertex
    QString m_last_export;        // offered again by the next export dialog
    mutable Layout m_layout;
    // The room the labels were given (widths in pixels): it only grows while
    // the view is zoomed and panned, and is worked out anew when something
    // else changes.
    struct Room
    {
        int northing = 0, overhang = 0, bars = 0;
    };
    mutable Room m_room;

    std::unique_ptr<MapRenderer> m_renderer;
    std::atomic<quint64> m_generation{1};      // grows with every change; a render of another is stale
    std::shared_ptr<RenderedMap> m_picture;    // on screen
    std::shared_ptr<RenderedMap> m_spare;      // buffers for the next render
    QThreadPool m_pool;                        // one render thread
    QFutureWatcher<std::shared_ptr<RenderedMap>> *m_watcher = nullptr;
    bool m_rendering = false;
    quint64 m_failed = 0; // the generation whose render failed; not tried again
    std::vector<QPointer<QFutureWatcherBase>> m_measuring; // measures and levels under way
    ContourLayer *m_contours = nullptr;

    Drag m_drag = Drag::None;
    QPoint m_press;
    QPoint m_last;
    std::optional<QPoint> m_cursor; // the mouse, while it is over the widget
    QRubberBand *m_band = nullptr;
};

} // namespace kelvra
