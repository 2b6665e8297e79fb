#pragma once

// The contour lines a map viewer draws over its surfaces, with their values
// written along them. Traced beside the GUI thread at the resolution the
// view shows (for a grid, at its level for the view and over the part in
// view and around it), then drawn from the traced lines however the view
// moves, until a view that needs more is asked for. Internal to the viewers.

#include "host/ndarray.h"
#include "host/views/contours.h"
#include "host/views/maprender.h"

#include <QObject>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <atomic>
#include <memory>
#include <vector>

class QColor;
class QPainter;
template <typename T> class QFutureWatcher;

namespace kelvra {

class GridLevels;

// One surface to contour: a grid's levels, or triangles over x and y, with
// values, and the contour values wanted.
struct ContourSource
{
    std::shared_ptr<const GridLevels> levels;
    NdArray triangles;
    NdArray x, y, values;
    std::vector<double> contours;
};

class ContourLayer : public QObject
{
    Q_OBJECT
public:
    explicit ContourLayer(QObject *parent = nullptr);
    // Stops a trace in progress and waits for it.
    ~ContourLayer() override;

    // Sees that the contours of sources are traced for view (image pixels
    // of the map area): nothing happens when what was traced, or what is
    // being traced, serves it; otherwise a trace starts, and one in
    // progress is dropped.
    void follow(const std::vector<ContourSource> &sources, const MapView &view);
    // Forgets every line and stops a trace in progress.
    void clear();
    // Whether the lines drawn are those last asked for.
    bool current() const;
    // Finishes the trace in progress here and takes its lines.
    void wait();

    // Draws the lines and their values over area (widget pixels), the map
    // mapped to the widget by to_pixels.
    void draw(QPainter &painter, const QRect &area, const QTransform &to_pixels, const QColor &ink,
              const QColor &background) const;

Q_SIGNALS:
    // New lines were traced.
    void sig_traced();
    // A trace failed: why.
    void sig_failed(const QString &reason);

private:
    // What a source is traced at: a grid's level and window (whole
    // triangulations have neither).
    struct Plan
    {
        ContourSource source;
        int level = 0;
        GridWindow window;
    };
    struct Traced
    {
        quint64 generation = 0;
        bool complete = false; // false when stopped as stale
        QString error;         // why it failed
        std::vector<ContourLine> lines;
        std::vector<QRectF> bounds; // of each line
    };
    static std::vector<Plan> plans(const std::vector<ContourSource> &sources, const MapView &view, double margin);
    static bool serves(const std::vector<Plan> &done, const std::vector<Plan> &wanted);
    static std::shared_ptr<Traced> trace(const std::vector<Plan> &plans, quint64 generation,
                                         const std::shared_ptr<std::atomic<quint64>> &now);
    void take(const std::shared_ptr<Traced> &traced);

    std::vector<ContourLine> m_lines;
    std::vector<QRectF> m_bounds;
    std::vector<Plan> m_traced;  // of the lines held
    std::vector<Plan> m_tracing; // of the trace in progress
    bool m_current = true;
    // Grows with every trace asked for; a trace of another is stale. Shared
    // with the traces, which may outlive the layer by a few milliseconds.
    std::shared_ptr<std::atomic<quint64>> m_generation;
    QFutureWatcher<std::shared_ptr<Traced>> *m_watcher;
};

} // namespace kelvra
