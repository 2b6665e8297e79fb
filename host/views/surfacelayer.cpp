#include "host/views/surfacelayer.h"

#include "host/errors.h"
#include "host/translation.h"
#include "host/parallel.h"
#include "host/views/colourmap.h"
#include "host/views/maprender.h"
#include "host/views/surfacefill.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <mutex>
#include <vector>

namespace kelvra {
namespace {

// Levels still in use by a viewer, found again by the arrays they were
// built from: a levels object holds its values, so the storage it is known
// by cannot be freed and reused while the entry lives.
struct CachedLevels
{
    GridGeometry grid;
    std::int64_t layer;
    std::weak_ptr<const GridLevels> levels;
};

std::mutex &cache_mutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<CachedLevels> &cache()
{
    static std::vector<CachedLevels> entries;
    return entries;
}

bool same_values(const NdArray &a, const NdArray &b)
{
    return a.shares_storage(b) && a.bytes() == b.bytes() && a.size() == b.size() && a.dtype() == b.dtype();
}

// The caller holds the cache's mutex.
std::shared_ptr<const GridLevels> find_cached(const GridGeometry &grid, const NdArray &values, std::int64_t layer)
{
    std::vector<CachedLevels> &entries = cache();
    std::shared_ptr<const GridLevels> found;
    for (auto entry = entries.begin(); entry != entries.end();) {
        std::shared_ptr<const GridLevels> levels = entry->levels.lock();
        if (!levels) {
            entry = entries.erase(entry);
            continue;
        }
        if (!found && entry->grid == grid && entry->layer == layer && same_values(levels->value_array(), values))
            found = std::move(levels);
        ++entry;
    }
    return found;
}

bool filled(const RenderLayer &layer)
{
    return layer.levels || layer.triangles.size() > 0;
}

constexpr std::int64_t kVerticesBetweenLooks = std::int64_t(1) << 18;

// Whether the layer has more vertices than the pixels its extent covers in view.
bool dense(const RenderLayer &layer, const MapView &view)
{
    if (!layer.bounds)
        return false;
    const double across = layer.bounds->width() * std::abs(view.sx);
    const double down = layer.bounds->height() * std::abs(view.sy);
    return double(layer.x.size()) > std::max(across, 1.0) * std::max(down, 1.0);
}

// Where several vertices of a triangulated layer (number l, with values)
// fall into one pixel of the band that the layer painted, the pixel takes
// the colour of their mean value, as a grid's pixel does from its coarser
// levels: fine patterns do not fold into moiré. False when stopped as stale.
bool average_shared_pixels(const RenderLayer &layer, std::size_t l, const MapView &view, const PixelTarget &band,
                           const QRgb *table, const std::function<bool()> &stale)
{
    const std::size_t pixels = std::size_t(band.width) * std::size_t(band.height);
    std::vector<double> sums(pixels, 0.0);
    std::vector<std::uint32_t> counts(pixels, 0);
    const double *x = layer.x.data<double>(), *y = layer.y.data<double>();
    const double width = band.width, height = band.height;
    const bool complete = visit_real(layer.values, [&](const auto *values) {
        for (std::int64_t i = 0, count = layer.x.size(); i < count; ++i) {
            if (i % kVerticesBetweenLooks == 0 && stale && stale())
                return false;
            const double column = x[i] * view.sx + view.ox, row = y[i] * view.sy + view.oy;
            const double value = double(values[i]);
            // Written so that NaN fails the tests too.
            if (!(column >= 0 && column < width && row >= 0 && row < height) || !(value - value == 0))
                continue;
            const std::size_t pixel = std::size_t(row) * std::size_t(band.width) + std::size_t(column);
            sums[pixel] += value;
            ++counts[pixel];
        }
        return true;
    });
    if (!complete)
        return false;
    const ColourLookup lookup(layer.low, layer.high);
    for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
        const std::uint64_t key = band.keys[pixel];
        if (counts[pixel] >= 2 && key && key_layer(key) == l)
            band.colours[pixel] = table[lookup.index(sums[pixel] / counts[pixel])];
    }
    return true;
}

} // namespace

std::optional<GridGeometry> surface_grid(const MapObject &object)
{
    if (!object.grid)
        return std::nullopt;
    const GridGeometry &grid = *object.grid;
    const bool spaced = std::isfinite(grid.x_increment) && grid.x_increment != 0 && std::isfinite(grid.y_increment)
        && grid.y_increment != 0 && std::isfinite(grid.rotation) && std::isfinite(grid.x_origin)
        && std::isfinite(grid.y_origin) && std::isfinite(grid.z_origin) && std::isfinite(grid.z_increment);
    if (!spaced || grid.vertex_count() != object.x.size() || grid.vertex_count() <= 0)
        return std::nullopt;
    return grid;
}

bool surface_triangles(const MapObject &object)
{
    const NdArray &triangles = object.triangles;
    return triangles.ndim() == 2 && triangles.shape()[1] == 3 && triangles.shape()[0] > 0
        && (triangles.dtype() == DType::Int32 || triangles.dtype() == DType::Int64);
}

std::shared_ptr<const GridLevels> cached_grid_levels(const GridGeometry &grid, const NdArray &values,
                                                     std::int64_t layer)
{
    const std::lock_guard<std::mutex> lock(cache_mutex());
    return find_cached(grid, values, layer);
}

std::shared_ptr<const GridLevels> grid_levels(const GridGeometry &grid, const NdArray &values, std::int64_t layer)
{
    if (std::shared_ptr<const GridLevels> found = cached_grid_levels(grid, values, layer))
        return found;
    // Built outside the lock: two viewers asking at once each build their own.
    auto built = std::make_shared<const GridLevels>(grid, values, layer);
    const std::lock_guard<std::mutex> lock(cache_mutex());
    cache().push_back({grid, layer, built});
    return built;
}

bool fill_surfaces(RenderedMap &map, const std::function<bool()> &stale)
{
    std::vector<std::size_t> surfaces;
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
        const RenderLayer &layer = map.layers[l];
        if (!filled(layer))
            continue;
        if (!layer.levels
            && (layer.triangles.ndim() != 2 || layer.triangles.shape()[1] != 3
                || (layer.triangles.dtype() != DType::Int32 && layer.triangles.dtype() != DType::Int64)))
            throw ValueError(_("triangles must be rows of three int32 or int64 vertex numbers"));
        surfaces.push_back(l);
    }
    if (surfaces.empty())
        return true;
    const int width = map.image.width(), height = map.image.height();
    auto *colours = reinterpret_cast<QRgb *>(map.image.bits());
    const PixelTarget whole{width, height, map.keys.data(), colours};

    // Each thread fills a band of rows of every surface: no pixel is
    // written by two threads.
    const auto fill_band = [&](int first_row, int end_row) {
        for (std::size_t l : surfaces) {
            const RenderLayer &layer = map.layers[l];
            const bool valued = layer.values.size() > 0;
            FillColours colouring{layer.seismic ? seismic_table().data() : viridis_table().data(), layer.low,
                                  layer.high, valued ? std::nullopt : std::optional<QRgb>(layer.colour)};
            const std::uint64_t key_base = vertex_key(l, 0);
            if (layer.levels) {
                if (!fill_grid(*layer.levels, map.view, colouring, key_base, first_row, end_row, whole, stale))
                    return false;
                continue;
            }
            // The band as a picture of its own: the view moved up by its first row.
            const std::size_t offset = std::size_t(first_row) * std::size_t(width);
            const PixelTarget band{width, end_row - first_row, whole.keys + offset, whole.colours + offset};
            MapView view = map.view;
            view.oy -= first_row;
            view.size.setHeight(end_row - first_row);
            // Without values the coordinates decide where the holes are.
            if (!fill_triangles(layer.triangles, 0, layer.triangles.shape()[0], layer.x, layer.y,
                                valued ? layer.values : layer.x, view, colouring, key_base, band, stale))
                return false;
            if (valued && dense(layer, map.view)
                && !average_shared_pixels(layer, l, view, band, colouring.table, stale))
                return false;
        }
        return true;
    };
    const int parts = std::min(parts_for(std::int64_t(width) * std::int64_t(height)), std::max(1, height));
    std::vector<char> finished(std::size_t(parts), 0);
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(parts));
    {
        Threads helpers;
        for (int part = 0; part < parts; ++part) {
            const auto run = [&, part] {
                try {
                    finished[std::size_t(part)] = fill_band(height * part / parts, height * (part + 1) / parts);
                } catch (...) {
                    failures[std::size_t(part)] = std::current_exception();
                }
            };
            if (part + 1 < parts)
                helpers.running.emplace_back(run);
            else
                run();
        }
    }
    for (const std::exception_ptr &failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
    return std::find(finished.begin(), finished.end(), 0) == finished.end();
}

} // namespace kelvra
