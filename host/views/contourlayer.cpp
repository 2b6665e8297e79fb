#include "host/views/contourlayer.h"

#include "host/views/numberformat.h"
#include "host/views/surfacefill.h"

#include <QFontMetricsF>
#include <QFutureWatcher>
#include <QPainter>
#include <QPolygonF>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvra {
namespace {

constexpr double kMargin = 0.5;   // of the view's size traced beyond it on each side
constexpr double kLabelGap = 6;   // pixels kept free around a value label
constexpr double kLabelRoom = 3;  // a line is labelled when at least this many labels long on screen

// The nodes of a level of the grid that lie under the view, widened by
// margin times its size on each side and by a node all round.
GridWindow window_in_view(const GridLevels &levels, int level, const MapView &view, double margin)
{
    const GridGeometry &grid = levels.grid();
    const double width = view.size.width(), height = view.size.height();
    const double radians = grid.rotation * (M_PI / 180.0);
    const double c = std::cos(radians), s = std::sin(radians);
    const double span = double(std::int64_t(1) << level), centre = (span - 1) / 2;
    double i_low = std::numeric_limits<double>::infinity(), i_high = -i_low, j_low = i_low, j_high = -i_low;
    for (const QPointF corner : {QPointF(-margin, -margin), QPointF(1 + margin, -margin),
                                 QPointF(-margin, 1 + margin), QPointF(1 + margin, 1 + margin)}) {
        const QPointF at = view.to_map(QPointF(corner.x() * width, corner.y() * height));
        const double dx = at.x() - grid.x_origin, dy = at.y() - grid.y_origin;
        const double i = ((dx * c + dy * s) / grid.x_increment - centre) / span;
        const double j = ((dy * c - dx * s) / grid.y_increment - centre) / span;
        i_low = std::min(i_low, i);
        i_high = std::max(i_high, i);
        j_low = std::min(j_low, j);
        j_high = std::max(j_high, j);
    }
    const auto node = [](double index, std::int64_t count) {
        return std::int64_t(std::clamp(index, -1.0, double(count)));
    };
    const std::int64_t columns = levels.columns(level), rows = levels.rows(level);
    return GridWindow{std::max<std::int64_t>(node(std::floor(i_low), columns) - 1, 0),
                      std::max<std::int64_t>(node(std::floor(j_low), rows) - 1, 0),
                      std::min(node(std::ceil(i_high), columns) + 1, columns - 1),
                      std::min(node(std::ceil(j_high), rows) + 1, rows - 1)};
}

bool same_array(const NdArray &a, const NdArray &b)
{
    return a.shares_storage(b) && a.bytes() == b.bytes() && a.size() == b.size() && a.dtype() == b.dtype();
}

bool same_source(const ContourSource &a, const ContourSource &b)
{
    return a.levels == b.levels && same_array(a.triangles, b.triangles) && same_array(a.values, b.values)
        && same_array(a.x, b.x) && a.contours == b.contours;
}

bool contains(const GridWindow &outer, const GridWindow &inner)
{
    return outer.i_first <= inner.i_first && outer.j_first <= inner.j_first && outer.i_last >= inner.i_last
        && outer.j_last >= inner.j_last;
}

QRectF bounds_of(const std::vector<QPointF> &points)
{
    double left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (const QPointF &point : points) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The point half way along a polyline of that length.
QPointF middle_of(const QPolygonF &line, double length)
{
    double walked = 0;
    for (int k = 1; k < line.size(); ++k) {
        const QPointF step = line[k] - line[k - 1];
        const double piece = std::hypot(step.x(), step.y());
        if (walked + piece >= length / 2 && piece > 0)
            return line[k - 1] + step * ((length / 2 - walked) / piece);
        walked += piece;
    }
    return line.last();
}

} // namespace

ContourLayer::ContourLayer(QObject *parent)
    : QObject(parent)
    , m_generation(std::make_shared<std::atomic<quint64>>(0))
    , m_watcher(new QFutureWatcher<std::shared_ptr<Traced>>(this))
{
    connect(m_watcher, &QFutureWatcherBase::finished, this, [this] {
        if (!m_tracing.empty())
            take(m_watcher->result());
    });
}

ContourLayer::~ContourLayer()
{
    ++*m_generation;
    m_watcher->waitForFinished();
}

std::vector<ContourLayer::Plan> ContourLayer::plans(const std::vector<ContourSource> &sources, const MapView &view,
                                                    double margin)
{
    std::vector<Plan> out;
    for (const ContourSource &source : sources) {
        if (source.contours.empty())
            continue;
        Plan plan{source, 0, {}};
        if (source.levels) {
            plan.level = grid_level_for(*source.levels, view);
            plan.window = window_in_view(*source.levels, plan.level, view, margin);
        }
        out.push_back(std::move(plan));
    }
    return out;
}

bool ContourLayer::serves(const std::vector<Plan> &done, const std::vector<Plan> &wanted)
{
    if (done.size() != wanted.size())
        return false;
    for (std::size_t k = 0; k < done.size(); ++k) {
        if (!same_source(done[k].source, wanted[k].source) || done[k].level != wanted[k].level
            || !contains(done[k].window, wanted[k].window))
            return false;
    }
    return true;
}

void ContourLayer::follow(const std::vector<ContourSource> &sources, const MapView &view)
{
    const std::vector<Plan> wanted = plans(sources, view, 0);
    if (!m_tracing.empty() && serves(m_tracing, wanted))
        return;
    if (serves(m_traced, wanted)) {
        if (!m_tracing.empty()) { // the view came back before the trace ended
            ++*m_generation;
            m_tracing.clear();
        }
        m_current = true;
        return;
    }
    if (wanted.empty()) {
        clear();
        emit sig_traced();
        return;
    }
    // Lines of other surfaces or values are not shown over the new picture
    // while the trace runs; those of the same ones at another detail are.
    const bool same_sources = m_traced.size() == wanted.size()
        && std::equal(m_traced.begin(), m_traced.end(), wanted.begin(),
                      [](const Plan &a, const Plan &b) { return same_source(a.source, b.source); });
    if (!same_sources) {
        m_traced.clear();
        m_lines.clear();
        m_bounds.clear();
    }
    m_tracing = plans(sources, view, kMargin);
    m_current = false;
    const quint64 generation = ++*m_generation;
    m_watcher->setFuture(QtConcurrent::run(
        [plans = m_tracing, generation, now = m_generation] { return trace(plans, generation, now); }));
}

std::shared_ptr<ContourLayer::Traced> ContourLayer::trace(const std::vector<Plan> &plans, quint64 generation,
                                                          const std::shared_ptr<std::atomic<quint64>> &now)
{
    auto traced = std::make_shared<Traced>();
    traced->generation = generation;
    const auto stale = [&now, generation] { return now->load(std::memory_order_relaxed) != generation; };
    try {
        for (const Plan &plan : plans) {
            std::vector<ContourLine> lines =
                plan.source.levels
                    ? trace_grid_contours(*plan.source.levels, plan.level, plan.source.contours, stale, plan.window)
                    : trace_triangle_contours(plan.source.triangles, plan.source.x, plan.source.y,
                                              plan.source.values, plan.source.contours, stale);
            if (stale())
                return traced;
            for (ContourLine &line : lines) {
                if (line.points.size() < 2)
                    continue;
                traced->bounds.push_back(bounds_of(line.points));
                traced->lines.push_back(std::move(line));
            }
        }
        traced->complete = true;
    } catch (const std::exception &error) {
        traced->error = QString::fromLocal8Bit(error.what());
    }
    return traced;
}

void ContourLayer::take(const std::shared_ptr<Traced> &traced)
{
    if (!traced || traced->generation != m_generation->load())
        return;
    std::vector<Plan> plans = std::exchange(m_tracing, {});
    if (!traced->complete && traced->error.isEmpty())
        return;
    // A failed trace leaves no lines and is not tried again for the same
    // surfaces: the failure is reported once, not at every view.
    const bool failed = !traced->error.isEmpty();
    m_lines = failed ? std::vector<ContourLine>() : std::move(traced->lines);
    m_bounds = failed ? std::vector<QRectF>() : std::move(traced->bounds);
    m_traced = std::move(plans);
    m_current = true;
    if (!failed)
        emit sig_traced();
    else
        emit sig_failed(traced->error);
}

void ContourLayer::clear()
{
    ++*m_generation;
    m_tracing.clear();
    m_traced.clear();
    m_lines.clear();
    m_bounds.clear();
    m_current = true;
}

bool ContourLayer::current() const
{
    return m_current && m_tracing.empty();
}

void ContourLayer::wait()
{
    if (m_tracing.empty())
        return;
    m_watcher->waitForFinished();
    take(m_watcher->result());
}

void ContourLayer::draw(QPainter &painter, const QRect &area, const QTransform &to_pixels, const QColor &ink,
                        const QColor &background) const
{
    if (m_lines.empty())
        return;
    const QRectF seen = to_pixels.inverted().mapRect(QRectF(area));
    QColor line_colour = ink;
    line_colour.setAlpha(170);
    QColor veil = background;
    veil.setAlpha(200);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    std::vector<std::pair<QRectF, QString>> labels; // placed so far, in widget pixels
    painter.setPen(QPen(line_colour, 1.0));
    for (std::size_t k = 0; k < m_lines.size(); ++k) {
        // Inclusive, so that a straight north-south or east-west line counts.
        const QRectF &b = m_bounds[k];
        if (b.left() > seen.right() || b.right() < seen.left() || b.top() > seen.bottom() || b.bottom() < seen.top())
            continue;
        const ContourLine &line = m_lines[k];
        QPolygonF pixels;
        pixels.reserve(int(line.points.size()));
        double length = 0;
        for (const QPointF &point : line.points) {
            const QPointF pixel = to_pixels.map(point);
            if (!pixels.isEmpty())
                length += std::hypot(pixel.x() - pixels.last().x(), pixel.y() - pixels.last().y());
            pixels << pixel;
        }
        painter.drawPolyline(pixels);

        // The value, half way along a line long enough to carry it, where
        // it overlaps no other value and lies wholly in the map.
        const QString text = value_text(line.value);
        const QSizeF size(metrics.horizontalAdvance(text) + 4, metrics.height());
        if (length < kLabelRoom * size.width())
            continue;
        const QPointF middle = middle_of(pixels, length);
        const QRectF box(middle - QPointF(size.width() / 2, size.height() / 2), size);
        const QRectF room = box.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap);
        if (!QRectF(area).contains(box)
            || std::any_of(labels.begin(), labels.end(),
                           [&room](const auto &placed) { return placed.first.intersects(room); }))
            continue;
        labels.emplace_back(box, text);
    }
    // Over every line, so that no line crosses a value.
    painter.setPen(ink);
    for (const auto &[box, text] : labels) {
        painter.fillRect(box, veil);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace kelvra
