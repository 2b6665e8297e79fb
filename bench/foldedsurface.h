#pragma once

// The model the storage benches move: one gently folded surface on a square
// grid of vertices 25 m apart, with X, Y, Z and a float64 and a float32
// property (36 bytes a vertex).

#include "app/core/geoobject.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>

// The surface's properties, in their order.
inline const QStringList kFoldedProperties{"X", "Y", "Z", "amplitude", "porosity"};

inline kelvra::app::ObjectRecord folded_surface(const QString &name, std::int64_t vertices)
{
    using kelvra::DType;
    using kelvra::NdArray;
    const auto side = std::int64_t(std::ceil(std::sqrt(double(vertices))));
    NdArray x(DType::Float64, {vertices}), y(DType::Float64, {vertices}), z(DType::Float64, {vertices});
    NdArray amplitude(DType::Float64, {vertices}), porosity(DType::Float32, {vertices});
    double *xs = x.data<double>(), *ys = y.data<double>(), *zs = z.data<double>();
    double *as = amplitude.data<double>();
    float *ps = porosity.data<float>();
    for (std::int64_t i = 0; i < vertices; ++i) {
        xs[i] = 400000.0 + 25.0 * double(i % side);
        ys[i] = 6500000.0 + 25.0 * double(i / side);
        zs[i] = 2000.0 + 40.0 * std::sin(xs[i] / 700.0) + 25.0 * std::cos(ys[i] / 500.0);
        as[i] = std::sin(xs[i] / 300.0) * std::cos(ys[i] / 400.0);
        ps[i] = float(0.2 + 0.05 * std::sin(double(i) / 1000.0));
    }
    kelvra::PropertyMap prop;
    const NdArray arrays[] = {x, y, z, amplitude, porosity};
    for (int i = 0; i < kFoldedProperties.size(); ++i)
        prop.insert(kFoldedProperties[i], arrays[i]);
    return {name, QStringLiteral("Tsurface"), prop, QStringLiteral("amplitude")};
}
