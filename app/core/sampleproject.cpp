#include "app/core/sampleproject.h"

#include <QtMath>

namespace kelvra::app {
namespace {

using Values = std::vector<double>;

struct Columns
{
    Values x, y, z;
};

std::unique_ptr<GeoObject> object(const QString &name, const QString &type, const Columns &xyz,
                                  std::vector<std::pair<QString, Values>> extra,
                                  std::optional<QString> current)
{
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(xyz.x));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(xyz.y));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(xyz.z));
    for (const auto &[key, values] : extra)
        prop.insert(key, NdArray::from_values(values));
    return std::make_unique<GeoObject>(name, type, std::move(prop), std::move(current));
}

// A vertical well from a datum at Z = 0: one sample every 25 m of measured
// depth down to 1000 m, its logs against MD; Z is elevation, so it falls.
std::unique_ptr<GeoObject> well(const QString &name, double x, double y, double velocity_top)
{
    Columns xyz;
    Values md, vint, porosity;
    for (int i = 0; i <= 40; ++i) {
        const double depth = 25.0 * i;
        xyz.x.push_back(x);
        xyz.y.push_back(y);
        xyz.z.push_back(-depth);
        md.push_back(depth);
        vint.push_back(velocity_top + 1.2 * depth + 80.0 * qSin(depth / 90.0));
        porosity.push_back(0.30 - 0.00018 * depth + 0.02 * qCos(depth / 60.0));
    }
    return object(name, QStringLiteral("Point"), xyz,
                  {{QStringLiteral("MD"), md}, {QStringLiteral("vint"), vint}, {QStringLiteral("porosity"), porosity}},
                  QStringLiteral("vint"));
}

} // namespace

std::vector<std::unique_ptr<GeoObject>> sample_objects()
{
    std::vector<std::unique_ptr<GeoObject>> objects;
    objects.push_back(well(QStringLiteral("well A"), 1200, 800, 1800));
    objects.push_back(well(QStringLiteral("well B"), 3100, 2400, 1900));

    // A horizon: a gently folded surface on a 21 x 21 grid, kept as a grid
    // so that it is drawn as a continuous map.
    Columns grid;
    Values amplitude;
    for (int row = 0; row <= 20; ++row) {
        for (int column = 0; column <= 20; ++column) {
            const double x = 200.0 * column, y = 150.0 * row;
            grid.x.push_back(x);
            grid.y.push_back(y);
            grid.z.push_back(-600 + 40 * qSin(x / 700.0) + 25 * qCos(y / 500.0));
            amplitude.push_back(qSin(x / 300.0) * qCos(y / 400.0));
        }
    }
    auto horizon = object(QStringLiteral("top reservoir"), QStringLiteral("Gsurface"), grid,
                          {{QStringLiteral("amplitude"), amplitude}}, QStringLiteral("amplitude"));
    GridGeometry nodes;
    nodes.columns = 21;
    nodes.rows = 21;
    nodes.x_increment = 200;
    nodes.y_increment = 150;
    horizon->grid() = nodes;
    objects.push_back(std::move(horizon));

    // A fault trace and a survey outline.
    Columns fault;
    Values throw_m;
    for (int i = 0; i <= 30; ++i) {
        fault.x.push_back(500 + 100.0 * i);
        fault.y.push_back(300 + 70.0 * i + 60 * qSin(i / 4.0));
        fault.z.push_back(-650);
        throw_m.push_back(12 + 6 * qSin(i / 5.0));
    }
    objects.push_back(object(QStringLiteral("fault F1"), QStringLiteral("Line"), fault,
                             {{QStringLiteral("throw"), throw_m}}, QStringLiteral("throw")));
    objects.push_back(object(QStringLiteral("survey outline"), QStringLiteral("Survey"),
                             {{0, 4000, 4000, 0, 0}, {0, 0, 3000, 3000, 0}, {0, 0, 0, 0, 0}}, {},
                             std::nullopt));
    return objects;
}

} // namespace kelvra::app
