#pragma once

// An object of the reference host's store: a geometry type, X, Y and Z per
// vertex (kept as the first three properties, float64) and further named
// per-vertex properties of any real element type, one of which may be
// current.

#include "host/dataobject.h"
#include "host/gridgeometry.h"

#include <QHash>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kelvra::app {

// The values of one object: what an object file holds and what a save
// writes. Plain values that may cross threads (a GeoObject is a QObject
// that lives on the GUI thread); its arrays share storage with the object
// they were taken from.
struct ObjectRecord
{
    QString name;
    QString geometry_type;
    PropertyMap prop;
    std::optional<QString> current_property;
    // The colour the object has on every map and legend; the store gives
    // one to an object that comes without.
    std::optional<QRgb> colour = std::nullopt;
    // The grid of a Gsurface or a Cube: which vertex is which node.
    std::optional<GridGeometry> grid = std::nullopt;
    // The triangles of a Tsurface: int32 (int64 for objects of 2^31
    // vertices or more) of shape (n, 3), vertex numbers; empty otherwise.
    NdArray triangles = NdArray();
    // One text per vertex (the names of a Label's vertices, the line
    // numbers of a Survey's corners); empty when the object has none.
    QStringList texts = {};
    // The unit of a property's values ("m", "gAPI"), where it is known.
    QHash<QString, QString> units = {};
};

// Brings a record into the form every object has, or throws ValueError
// naming what does not fit: X, Y and Z present and converted to float64;
// every property real-valued, one value per vertex (arrays of more axes are
// taken in C order); a grid with exactly as many nodes as there are
// vertices and finite, nonzero spacings; triangles of shape (n, 3) whose
// vertex numbers exist; one text per vertex or none. A current property
// that is not a property is dropped, and so are units of properties that
// do not exist.
void normalize_record(ObjectRecord &record);

class GeoObject : public DataObject
{
    Q_OBJECT
public:
    explicit GeoObject(ObjectRecord record, QObject *parent = nullptr);
    GeoObject(const QString &name, const QString &geometry_type, PropertyMap prop,
              std::optional<QString> current_property = std::nullopt, QObject *parent = nullptr);

    QString name() const override { return m_record.name; }
    const PropertyMap &prop() const override { return m_record.prop; }
    std::optional<QString> current_property() const override { return m_record.current_property; }
    std::optional<QRgb> colour() const { return m_record.colour; }
    const std::optional<GridGeometry> &grid() const { return m_record.grid; }
    const NdArray &triangles() const { return m_record.triangles; }
    const QStringList &texts() const { return m_record.texts; }
    const QHash<QString, QString> &units() const { return m_record.units; }

    QString geometry_type() const override { return m_record.geometry_type; }
    QString unit(const QString &property) const override { return m_record.units.value(property); }
    std::int64_t vertex_count() const;
    // Which object this is for as long as the program runs, whatever its
    // name: every object made gets a number of its own (a copy, or an
    // object opened in place of another of the same name, too).
    quint64 serial() const { return m_serial; }
    // The object's values; copying it shares the arrays.
    const ObjectRecord &record() const { return m_record; }

    // Changed only by the store, which checks every request first.
    void set_name(const QString &name) { m_record.name = name; }
    PropertyMap &properties() { return m_record.prop; }
    void set_current_property(std::optional<QString> name) { m_record.current_property = std::move(name); }
    void set_colour(std::optional<QRgb> colour) { m_record.colour = colour; }
    std::optional<GridGeometry> &grid() { return m_record.grid; }
    QHash<QString, QString> &units() { return m_record.units; }

    // A copy under another name, sharing the arrays until one side changes.
    GeoObject *clone(const QString &name, QObject *parent) const;

private:
    ObjectRecord m_record;
    quint64 m_serial;
};

// Whether a property holds vertex coordinates (X, Y or Z).
bool is_coordinate(const QString &property);

} // namespace kelvra::app
