#include "host/views/welllayer.h"

#include "host/dataobject.h"
#include "host/errors.h"
#include "host/translation.h"
#include "host/propertymap.h"
#include "host/views/mapstrokes.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

const QString kMd = QStringLiteral("MD");

} // namespace

bool is_well(const DataObject &object)
{
    return object.geometry_type() == QLatin1String("Point") && object.prop().contains(kMd)
        && is_real(object.prop().value(kMd).dtype());
}

WellPath well_path(const NdArray &x, const NdArray &y, const NdArray &md)
{
    const std::int64_t count = x.size();
    if (md.size() != count || y.size() != count || !is_real(md.dtype()))
        throw ValueError(_("a well's MD must be real numbers, one per vertex"));
    const NdArray depths = md.dtype() == DType::Float16 ? md.astype(DType::Float32) : md;
    const std::vector<double> depth = visit_real(depths, [count](const auto *v) {
        return std::vector<double>(v, v + count);
    });
    WellPath path;
    bool in_order = true;
    for (std::size_t i = 0; i < depth.size() && in_order; ++i)
        in_order = std::isfinite(depth[i]) && (i == 0 || depth[i - 1] <= depth[i]);
    path.reordered = !in_order;
    if (!in_order) {
        for (std::int64_t i = 0; i < count; ++i) {
            if (std::isfinite(depth[std::size_t(i)]))
                path.order.push_back(i);
        }
        std::stable_sort(path.order.begin(), path.order.end(), [&depth](std::int64_t a, std::int64_t b) {
            return depth[std::size_t(a)] < depth[std::size_t(b)];
        });
    }
    const double *xs = x.data<double>(), *ys = y.data<double>();
    const std::int64_t steps = in_order ? count : std::int64_t(path.order.size());
    for (std::int64_t step = 0; step < steps; ++step) {
        const std::int64_t i = in_order ? step : path.order[std::size_t(step)];
        if (std::isfinite(xs[i]) && std::isfinite(ys[i])) {
            path.head = i;
            break;
        }
    }
    return path;
}

std::optional<std::vector<QPolygonF>> well_runs(const NdArray &x, const NdArray &y, const WellPath &path,
                                                const MapView &view, const std::function<bool()> &stale)
{
    const double *xs = x.data<double>(), *ys = y.data<double>();
    if (!path.reordered)
        return polyline_runs(xs, ys, x.size(), false, view, stale);
    std::vector<double> along_x, along_y;
    along_x.reserve(path.order.size());
    along_y.reserve(path.order.size());
    for (const std::int64_t i : path.order) {
        along_x.push_back(xs[i]);
        along_y.push_back(ys[i]);
    }
    return polyline_runs(along_x.data(), along_y.data(), std::int64_t(along_x.size()), false, view, stale);
}

} // namespace kelvra
