// The reference host's object store: every request either completes or is
// refused with the data left exactly as they were.

#include "app/core/objectstore.h"

#include "host/errors.h"
#include "testmain.h"

#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace kelvra;
using namespace kelvra::app;

namespace {

using test::array;

NdArray filled(std::int64_t count, double value)
{
    return NdArray::from_values(std::vector<double>(std::size_t(count), value));
}

std::unique_ptr<GeoObject> make(const QString &name, const QString &type, int vertices,
                                QStringList extra = {}, std::optional<QString> current = std::nullopt)
{
    std::vector<double> x, y, z;
    for (int i = 0; i < vertices; ++i) {
        x.push_back(i);
        y.push_back(10 * i);
        z.push_back(100 + i);
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    for (const QString &property : extra)
        prop.insert(property, filled(vertices, 7.0));
    return std::make_unique<GeoObject>(name, type, prop, current);
}

// A comparable picture of the whole store.
QString snapshot(const ObjectStore &store)
{
    QString text;
    QDebug debug(&text);
    for (const GeoObject *object : store.objects()) {
        debug << object->name() << object->geometry_type() << object->current_property().value_or("-");
        for (const QString &key : object->prop().keys())
            debug << key << object->prop().value(key).dtype_name() << object->prop().value(key).to_text();
    }
    return text;
}

using Request = std::function<void(ObjectStore &)>;

} // namespace

Q_DECLARE_METATYPE(Request)

class TestObjectStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void object_requests();
    void geometry_edits_are_exact();
    void property_requests();
    void objects_keep_their_serial_number();
    void coordinates_can_be_current();
    void properties_set_at_once();
    void objects_are_found_by_name_after_every_change();
    void refused_requests_change_nothing_data();
    void refused_requests_change_nothing();
    void objects_must_be_consistent();
    void properties_past_two_billion_values();
    void grids_follow_their_vertices();
    void topology_and_texts_must_fit_the_vertices();
    void units_follow_their_properties();
    void objects_keep_distinct_colours();

private:
    std::unique_ptr<ObjectStore> m_store;
};

void TestObjectStore::init()
{
    m_store = std::make_unique<ObjectStore>();
    m_store->add(make(QStringLiteral("well"), QStringLiteral("Point"), 3, {"vint", "poro"}, QStringLiteral("poro")));
    m_store->add(make(QStringLiteral("horizon"), QStringLiteral("Tsurface"), 4, {"age"}));
    m_store->add(make(QStringLiteral("twin"), QStringLiteral("Point"), 3));
    m_store->add(make(QStringLiteral("short"), QStringLiteral("Point"), 2));
}

void TestObjectStore::object_requests()
{
    QSignalSpy changed(m_store.get(), &ObjectStore::objects_changed);
    QPointer<GeoObject> twin = m_store->get(QStringLiteral("twin"));
    m_store->remove_object(QStringLiteral("twin"));
    QVERIFY(twin.isNull()); // a dialog holding it sees it gone
    m_store->rename_object(QStringLiteral("well"), QStringLiteral("well A"));
    m_store->copy_object(QStringLiteral("well A"), QStringLiteral("well B"));
    QCOMPARE(m_store->object_names(), (QStringList{"well A", "horizon", "short", "well B"}));
    QCOMPARE(changed.count(), 3);

    // The copy shares the arrays of its original until one of them changes.
    const GeoObject *a = m_store->get(QStringLiteral("well A"));
    const GeoObject *b = m_store->get(QStringLiteral("well B"));
    QVERIFY(a->prop().value("Z").shares_storage(b->prop().value("Z")));
    m_store->flip_depth(QStringLiteral("well B"));
    QCOMPARE(a->prop().value("Z"), array({100, 101, 102}));
    QCOMPARE(b->prop().value("Z"), array({-100, -101, -102}));
    QVERIFY(a->prop().value("X").shares_storage(b->prop().value("X")));
    QCOMPARE(m_store->get(QStringLiteral("well B"))->current_property(), std::optional<QString>("poro"));
}

void TestObjectStore::objects_are_found_by_name_after_every_change()
{
    const auto name_of = [this](const char *name) {
        const GeoObject *found = m_store->object(QLatin1String(name));
        return found ? found->name() : QStringLiteral("(none)");
    };
    m_store->remove_object(QStringLiteral("twin"));
    QCOMPARE(name_of("twin"), QStringLiteral("(none)"));
    m_store->rename_object(QStringLiteral("well"), QStringLiteral("well A"));
    QCOMPARE(name_of("well"), QStringLiteral("(none)"));
    QCOMPARE(name_of("well A"), QStringLiteral("well A"));
    m_store->copy_object(QStringLiteral("well A"), QStringLiteral("well"));
    QCOMPARE(name_of("well"), QStringLiteral("well"));
    QVERIFY(m_store->object(QStringLiteral("well")) != m_store->object(QStringLiteral("well A")));
    // The names that went are free again, the others taken.
    QVERIFY_EXCEPTION_THROWN(m_store->copy_object(QStringLiteral("short"), QStringLiteral("well A")), ValueError);
    m_store->copy_object(QStringLiteral("short"), QStringLiteral("twin"));
    QCOMPARE(name_of("twin"), QStringLiteral("twin"));

    std::vector<std::unique_ptr<GeoObject>> opened;
    opened.push_back(std::make_unique<GeoObject>(QStringLiteral("new"), QStringLiteral("Point"),
                                                 m_store->get(QStringLiteral("short"))->prop()));
    m_store->replace_all(std::move(opened));
    QCOMPARE(name_of("short"), QStringLiteral("(none)"));
    QCOMPARE(name_of("well A"), QStringLiteral("(none)"));
    QCOMPARE(name_of("new"), QStringLiteral("new"));
}

void TestObjectStore::geometry_edits_are_exact()
{
    QSignalSpy changed(m_store.get(), &ObjectStore::object_changed);
    m_store->translate(QStringLiteral("well"), 0.5, -2, 1e3);
    const GeoObject *well = m_store->get(QStringLiteral("well"));
    QCOMPARE(well->prop().value("X"), array({0.5, 1.5, 2.5}));
    QCOMPARE(well->prop().value("Y"), array({-2, 8, 18}));
    QCOMPARE(well->prop().value("Z"), array({1100, 1101, 1102}));
    m_store->flip_depth(QStringLiteral("well"));
    QCOMPARE(well->prop().value("Z"), array({-1100, -1101, -1102}));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("well"));
}

void TestObjectStore::property_requests()
{
    m_store->create_property(QStringLiteral("horizon"), QStringLiteral("depth2"));
    QCOMPARE(m_store->get("horizon")->prop().value("depth2"), filled(4, 0.0));
    // A new property becomes current on an object that had none.
    QCOMPARE(m_store->get("horizon")->current_property(), std::optional<QString>("depth2"));

    m_store->copy_property(QStringLiteral("well"), QStringLiteral("vint"), QStringLiteral("twin"), QStringLiteral("v"));
    QCOMPARE(m_store->get("twin")->prop().value("v"), filled(3, 7.0));

    m_store->rename_property(QStringLiteral("well"), QStringLiteral("poro"), QStringLiteral("phi"));
    const GeoObject *well = m_store->get(QStringLiteral("well"));
    QCOMPARE(well->prop().keys(), (QStringList{"X", "Y", "Z", "vint", "phi"}));
    QCOMPARE(well->current_property(), std::optional<QString>("phi"));

    // The current property is chosen, and the viewers and plot are told.
    QSignalSpy changed(m_store.get(), &ObjectStore::object_changed);
    m_store->set_current_property(QStringLiteral("well"), QStringLiteral("vint"));
    QCOMPARE(well->current_property(), std::optional<QString>("vint"));
    QCOMPARE(changed.count(), 1);
    m_store->set_current_property(QStringLiteral("well"), QStringLiteral("vint"));
    QCOMPARE(changed.count(), 1); // no change, nothing to tell
    m_store->set_current_property(QStringLiteral("well"), QStringLiteral("phi"));

    // Removing the current property makes a remaining one current, never a
    // coordinate; the last one leaves none.
    m_store->create_property(QStringLiteral("well"), QStringLiteral("sw"));
    m_store->remove_property(QStringLiteral("well"), QStringLiteral("phi"));
    QCOMPARE(well->prop().keys(), (QStringList{"X", "Y", "Z", "vint", "sw"}));
    QCOMPARE(well->current_property(), std::optional<QString>("sw"));
    m_store->remove_property(QStringLiteral("well"), QStringLiteral("sw"));
    QCOMPARE(well->current_property(), std::optional<QString>("vint"));
    m_store->remove_property(QStringLiteral("well"), QStringLiteral("vint"));
    QVERIFY(!well->current_property());
}

void TestObjectStore::objects_keep_their_serial_number()
{
    const quint64 well = m_store->get(QStringLiteral("well"))->serial();
    m_store->rename_object(QStringLiteral("well"), QStringLiteral("well 1"));
    QCOMPARE(m_store->get(QStringLiteral("well 1"))->serial(), well);
    // A copy, and an object that takes a name another had, are other objects.
    m_store->copy_object(QStringLiteral("well 1"), QStringLiteral("well"));
    QVERIFY(m_store->get(QStringLiteral("well"))->serial() != well);
    std::vector<std::unique_ptr<GeoObject>> opened;
    opened.push_back(make(QStringLiteral("well 1"), QStringLiteral("Point"), 3));
    m_store->replace_all(std::move(opened));
    QVERIFY(m_store->get(QStringLiteral("well 1"))->serial() != well);
}

void TestObjectStore::coordinates_can_be_current()
{
    // A horizon coloured by its depth: Z current; removing another property
    // leaves it current, and the coordinates stay neither renamed nor removed.
    m_store->set_current_property(QStringLiteral("well"), QStringLiteral("Z"));
    const GeoObject *well = m_store->get(QStringLiteral("well"));
    QCOMPARE(well->current_property(), std::optional<QString>("Z"));
    m_store->remove_property(QStringLiteral("well"), QStringLiteral("vint"));
    QCOMPARE(well->current_property(), std::optional<QString>("Z"));
    QVERIFY_EXCEPTION_THROWN(m_store->remove_property(QStringLiteral("well"), QStringLiteral("Z")), ValueError);
    QVERIFY_EXCEPTION_THROWN(m_store->rename_property(QStringLiteral("well"), QStringLiteral("Z"), QStringLiteral("depth")),
                             ValueError);
    QCOMPARE(well->current_property(), std::optional<QString>("Z"));
    // Removing a current property that was not chosen as a coordinate never
    // makes a coordinate current.
    m_store->set_current_property(QStringLiteral("well"), QStringLiteral("poro"));
    m_store->remove_property(QStringLiteral("well"), QStringLiteral("poro"));
    QVERIFY(!well->current_property());
}

void TestObjectStore::properties_set_at_once()
{
    QSignalSpy changed(m_store.get(), &ObjectStore::object_changed);
    const NdArray flags = NdArray::from_values(std::vector<bool>{true, false, true, false});
    m_store->set_properties(QStringLiteral("horizon"),
                            {{QStringLiteral("zeta"), filled(4, 1.5)},
                             {QStringLiteral("age"), NdArray::from_values(std::vector<float>{1, 2, 3, 4})},
                             {QStringLiteral("flag"), flags}});
    const GeoObject *horizon = m_store->get(QStringLiteral("horizon"));
    // Replaced in place, new ones after the others in the order given; the
    // first new one becomes current on an object that had none.
    QCOMPARE(horizon->prop().keys(), (QStringList{"X", "Y", "Z", "age", "zeta", "flag"}));
    QCOMPARE(horizon->prop().value("age").dtype(), DType::Float32);
    QVERIFY(horizon->prop().value("flag").shares_storage(flags));
    QCOMPARE(horizon->current_property(), std::optional<QString>("zeta"));
    QCOMPARE(changed.count(), 1);
}

void TestObjectStore::refused_requests_change_nothing_data()
{
    QTest::addColumn<Request>("request");
    QTest::newRow("remove unknown") << Request([](ObjectStore &s) { s.remove_object("nope"); });
    QTest::newRow("rename to taken") << Request([](ObjectStore &s) { s.rename_object("well", "twin"); });
    QTest::newRow("rename to empty") << Request([](ObjectStore &s) { s.rename_object("well", ""); });
    QTest::newRow("copy to taken") << Request([](ObjectStore &s) { s.copy_object("well", "horizon"); });
    QTest::newRow("copy unknown") << Request([](ObjectStore &s) { s.copy_object("nope", "x"); });
    QTest::newRow("flip unknown") << Request([](ObjectStore &s) { s.flip_depth(""); });
    QTest::newRow("translate unknown") << Request([](ObjectStore &s) { s.translate("nope", 1, 1, 1); });
    QTest::newRow("create taken") << Request([](ObjectStore &s) { s.create_property("well", "vint"); });
    QTest::newRow("create empty") << Request([](ObjectStore &s) { s.create_property("well", " "); });
    QTest::newRow("copy missing property") << Request([](ObjectStore &s) { s.copy_property("well", "nope", "twin", "q"); });
    QTest::newRow("copy vertex mismatch") << Request([](ObjectStore &s) { s.copy_property("well", "vint", "short", "q"); });
    QTest::newRow("copy geometry mismatch") << Request([](ObjectStore &s) { s.copy_property("well", "vint", "horizon", "q"); });
    QTest::newRow("copy onto existing") << Request([](ObjectStore &s) { s.copy_property("well", "vint", "well", "poro"); });
    QTest::newRow("rename coordinate") << Request([](ObjectStore &s) { s.rename_property("well", "X", "east"); });
    QTest::newRow("rename to taken property") << Request([](ObjectStore &s) { s.rename_property("well", "vint", "poro"); });
    QTest::newRow("rename missing property") << Request([](ObjectStore &s) { s.rename_property("well", "B", "C"); });
    QTest::newRow("remove coordinate") << Request([](ObjectStore &s) { s.remove_property("well", "Z"); });
    QTest::newRow("remove missing property") << Request([](ObjectStore &s) { s.remove_property("well", ""); });
    QTest::newRow("current missing") << Request([](ObjectStore &s) { s.set_current_property("well", "nope"); });
    QTest::newRow("current of unknown") << Request([](ObjectStore &s) { s.set_current_property("nope", "vint"); });
    QTest::newRow("add taken") << Request([](ObjectStore &s) { s.add(make("well", "Line", 2)); });
    QTest::newRow("set wrong length") << Request([](ObjectStore &s) {
        s.set_properties("well", {{"a", filled(3, 1)}, {"b", filled(4, 1)}});
    });
    QTest::newRow("set coordinate") << Request([](ObjectStore &s) {
        s.set_properties("well", {{"a", filled(3, 1)}, {"Z", filled(3, 1)}});
    });
    QTest::newRow("set complex") << Request([](ObjectStore &s) {
        s.set_properties("well", {{"vint", NdArray(DType::Complex128, {3})}});
    });
    QTest::newRow("set twice") << Request([](ObjectStore &s) {
        s.set_properties("well", {{"a", filled(3, 1)}, {"a", filled(3, 2)}});
    });
    QTest::newRow("set unknown object") << Request([](ObjectStore &s) { s.set_properties("nope", {}); });
    QTest::newRow("while busy") << Request([](ObjectStore &s) {
        s.set_busy(QStringLiteral("saving"));
        s.create_property("well", "new");
    });
}

void TestObjectStore::refused_requests_change_nothing()
{
    QFETCH(Request, request);
    const QString before = snapshot(*m_store);
    QSignalSpy objects(m_store.get(), &ObjectStore::objects_changed);
    QSignalSpy values(m_store.get(), &ObjectStore::object_changed);
    bool refused = false;
    try {
        request(*m_store);
    } catch (const LookupError &) {
        refused = true;
    } catch (const ValueError &) {
        refused = true;
    }
    QVERIFY(refused);
    QCOMPARE(snapshot(*m_store), before);
    QCOMPARE(objects.count() + values.count(), 0);
}

void TestObjectStore::objects_must_be_consistent()
{
    PropertyMap missing_z;
    missing_z.insert(QStringLiteral("X"), array({1}));
    missing_z.insert(QStringLiteral("Y"), array({1}));
    QVERIFY_EXCEPTION_THROWN(GeoObject(QStringLiteral("a"), QStringLiteral("Point"), missing_z), ValueError);

    PropertyMap ragged = missing_z;
    ragged.insert(QStringLiteral("Z"), array({1}));
    ragged.insert(QStringLiteral("A"), array({1, 2}));
    QVERIFY_EXCEPTION_THROWN(GeoObject(QStringLiteral("a"), QStringLiteral("Point"), ragged), ValueError);
    ragged.insert(QStringLiteral("A"), NdArray(DType::Complex64, {1}));
    QVERIFY_EXCEPTION_THROWN(GeoObject(QStringLiteral("a"), QStringLiteral("Point"), ragged), ValueError);

    // A current property that the object does not have is dropped;
    // coordinates become float64, other properties keep their type.
    ragged.insert(QStringLiteral("A"), NdArray::from_values(std::vector<float>{1.5f}));
    ragged.insert(QStringLiteral("X"), NdArray::from_values(std::vector<std::int32_t>{7}));
    const GeoObject object(QStringLiteral("a"), QStringLiteral("Point"), ragged, QStringLiteral("B"));
    QVERIFY(!object.current_property());
    QCOMPARE(object.prop().value("X"), array({7}));
    QCOMPARE(object.prop().value("A").dtype(), DType::Float32);
}

void TestObjectStore::properties_past_two_billion_values()
{
    // Fresh zero arrays are not touched until written, so this costs no
    // memory: a surface of more vertices than a 32-bit count holds.
    const std::int64_t vertices = (std::int64_t(1) << 31) + 3;
    PropertyMap prop;
    for (const char *axis : {"X", "Y", "Z"})
        prop.insert(QLatin1String(axis), NdArray(DType::Float64, {vertices}));
    prop.insert(QStringLiteral("facies"), NdArray(DType::Int8, {vertices}));
    m_store->add(std::make_unique<GeoObject>(QStringLiteral("cube"), QStringLiteral("Cube"), prop));
    m_store->add(std::make_unique<GeoObject>(QStringLiteral("cube 2"), QStringLiteral("Cube"), prop));

    m_store->create_property(QStringLiteral("cube"), QStringLiteral("porosity"));
    m_store->copy_property(QStringLiteral("cube"), QStringLiteral("facies"), QStringLiteral("cube 2"),
                           QStringLiteral("facies copy"));
    m_store->rename_property(QStringLiteral("cube"), QStringLiteral("facies"), QStringLiteral("lithology"));
    const GeoObject *cube = m_store->get(QStringLiteral("cube"));
    QCOMPARE(cube->vertex_count(), vertices);
    QCOMPARE(cube->prop().keys(), (QStringList{"X", "Y", "Z", "lithology", "porosity"}));
    QCOMPARE(cube->prop().value("porosity").size(), vertices);
    QCOMPARE(m_store->get(QStringLiteral("cube 2"))->prop().value("facies copy").dtype(), DType::Int8);
}

KELVRA_TEST_MAIN(TestObjectStore)
#include "tst_objectstore.moc"

namespace {

// A 3 x 2 grid, rotated by 90 degrees: node (i, j) lies at
// (100 - 20 j, 50 + 10 i).
ObjectRecord grid_record(const QString &name)
{
    GridGeometry grid;
    grid.columns = 3;
    grid.rows = 2;
    grid.x_origin = 100;
    grid.y_origin = 50;
    grid.x_increment = 10;
    grid.y_increment = 20;
    grid.rotation = 90;
    std::vector<double> x, y, z;
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 3; ++i) {
            x.push_back(100 - 20 * j);
            y.push_back(50 + 10 * i);
            z.push_back(i + 3 * j);
        }
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    ObjectRecord record{name, QStringLiteral("Gsurface"), prop, std::nullopt};
    record.grid = grid;
    return record;
}

} // namespace

void TestObjectStore::grids_follow_their_vertices()
{
    m_store->add(std::make_unique<GeoObject>(grid_record(QStringLiteral("top"))));
    const GridGeometry before = *m_store->get(QStringLiteral("top"))->grid();
    // The node positions the grid gives are where the vertices are.
    for (std::int64_t j = 0; j < before.rows; ++j) {
        for (std::int64_t i = 0; i < before.columns; ++i) {
            const QPointF node = before.node_position(double(i), double(j));
            QCOMPARE(node.x(), 100.0 - 20 * j);
            QCOMPARE(node.y(), 50.0 + 10 * i);
        }
    }

    m_store->translate(QStringLiteral("top"), 5, -7, 2);
    const GridGeometry moved = *m_store->get(QStringLiteral("top"))->grid();
    QCOMPARE(moved.x_origin, 105.0);
    QCOMPARE(moved.y_origin, 43.0);
    QCOMPARE(moved.columns, 3);
    QCOMPARE(moved.rotation, 90.0);
    const NdArray x = m_store->get(QStringLiteral("top"))->prop().value(QStringLiteral("X"));
    QCOMPARE(moved.node_position(2, 1).x(), x.data<double>()[moved.vertex(2, 1)]);

    m_store->copy_object(QStringLiteral("top"), QStringLiteral("copy"));
    QCOMPARE(*m_store->get(QStringLiteral("copy"))->grid(), moved);
    m_store->flip_depth(QStringLiteral("copy"));
    QCOMPARE(*m_store->get(QStringLiteral("copy"))->grid(), moved); // a surface's grid has no depth

    // A cube's samples run the other way after a flip, and move with Z.
    GridGeometry cube;
    cube.columns = 2;
    cube.rows = 1;
    cube.layers = 3;
    cube.x_increment = cube.y_increment = 1;
    cube.z_origin = -100;
    cube.z_increment = -4;
    std::vector<double> x6, y6, z6;
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 3; ++k) {
            x6.push_back(i);
            y6.push_back(0);
            z6.push_back(-100 - 4 * k);
        }
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), NdArray::from_values(x6));
    prop.insert(QStringLiteral("Y"), NdArray::from_values(y6));
    prop.insert(QStringLiteral("Z"), NdArray::from_values(z6));
    ObjectRecord record{QStringLiteral("cube"), QStringLiteral("Cube"), prop, std::nullopt};
    record.grid = cube;
    m_store->add(std::make_unique<GeoObject>(record));
    m_store->flip_depth(QStringLiteral("cube"));
    m_store->translate(QStringLiteral("cube"), 0, 0, 10);
    const GridGeometry flipped = *m_store->get(QStringLiteral("cube"))->grid();
    const NdArray z = m_store->get(QStringLiteral("cube"))->prop().value(QStringLiteral("Z"));
    for (int k = 0; k < 3; ++k)
        QCOMPARE(flipped.z_origin + k * flipped.z_increment, z.data<double>()[flipped.vertex(1, 0, k)]);
}

void TestObjectStore::topology_and_texts_must_fit_the_vertices()
{
    const auto refused = [](ObjectRecord record) {
        try {
            GeoObject object(std::move(record));
        } catch (const ValueError &) {
            return true;
        }
        return false;
    };
    ObjectRecord good = grid_record(QStringLiteral("g"));
    QVERIFY(!refused(good));

    ObjectRecord wrong_count = good;
    wrong_count.grid->rows = 3;
    QVERIFY(refused(wrong_count));
    ObjectRecord flat = good;
    flat.grid->y_increment = 0;
    QVERIFY(refused(flat));
    ObjectRecord infinite = good;
    infinite.grid->x_origin = qInf();
    QVERIFY(refused(infinite));
    ObjectRecord overflowing = good;
    overflowing.grid->columns = std::int64_t(1) << 40;
    overflowing.grid->rows = std::int64_t(1) << 40;
    QVERIFY(refused(overflowing));

    ObjectRecord triangles = good;
    triangles.grid.reset();
    triangles.geometry_type = QStringLiteral("Tsurface");
    triangles.triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 3, 1, 4, 3}, {2, 3});
    QVERIFY(!refused(triangles));
    ObjectRecord past_the_end = triangles;
    past_the_end.triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 6}, {1, 3});
    QVERIFY(refused(past_the_end));
    ObjectRecord negative = triangles;
    negative.triangles = NdArray::from_values(std::vector<std::int64_t>{0, -1, 2}, {1, 3});
    QVERIFY(refused(negative));
    ObjectRecord pairs = triangles;
    pairs.triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 2, 3}, {2, 2});
    QVERIFY(refused(pairs));
    ObjectRecord floats = triangles;
    floats.triangles = NdArray::from_values(std::vector<double>{0, 1, 2}, {1, 3});
    QVERIFY(refused(floats));

    ObjectRecord texts = good;
    texts.texts = QStringList{"a", "b", "c", "d", "e", "f"};
    QVERIFY(!refused(texts));
    texts.texts.removeLast();
    QVERIFY(refused(texts));
}

void TestObjectStore::units_follow_their_properties()
{
    m_store->add(make(QStringLiteral("logged"), QStringLiteral("Point"), 4, {QStringLiteral("GR")}));
    m_store->add(make(QStringLiteral("other"), QStringLiteral("Point"), 4));
    m_store->get(QStringLiteral("logged"))->units().insert(QStringLiteral("GR"), QStringLiteral("gAPI"));

    m_store->copy_property(QStringLiteral("logged"), QStringLiteral("GR"), QStringLiteral("other"), QStringLiteral("gamma"));
    QCOMPARE(m_store->get(QStringLiteral("other"))->units().value(QStringLiteral("gamma")), QStringLiteral("gAPI"));
    m_store->rename_property(QStringLiteral("logged"), QStringLiteral("GR"), QStringLiteral("gamma ray"));
    QCOMPARE(m_store->get(QStringLiteral("logged"))->units(),
             (QHash<QString, QString>{{QStringLiteral("gamma ray"), QStringLiteral("gAPI")}}));
    m_store->copy_object(QStringLiteral("logged"), QStringLiteral("logged copy"));
    QCOMPARE(m_store->get(QStringLiteral("logged copy"))->units().value(QStringLiteral("gamma ray")),
             QStringLiteral("gAPI"));
    m_store->remove_property(QStringLiteral("logged"), QStringLiteral("gamma ray"));
    QVERIFY(m_store->get(QStringLiteral("logged"))->units().isEmpty());
    // A unit that names no property is not kept.
    ObjectRecord stray = m_store->get(QStringLiteral("other"))->record();
    stray.name = QStringLiteral("stray");
    stray.units.insert(QStringLiteral("no such property"), QStringLiteral("m"));
    QVERIFY(!GeoObject(stray).units().contains(QStringLiteral("no such property")));
}

void TestObjectStore::objects_keep_distinct_colours()
{
    for (int i = 0; i < 4; ++i)
        m_store->add(make(QStringLiteral("o%1").arg(i), QStringLiteral("Point"), 2));
    QSet<QRgb> colours;
    for (const GeoObject *object : m_store->objects()) {
        QVERIFY(object->colour());
        colours << *object->colour();
    }
    QCOMPARE(colours.size(), m_store->objects().size());

    // A colour stays through rename and edits; a copy is another object
    // with another colour; a colour brought along (from a file) is kept.
    const QRgb first = *m_store->get(QStringLiteral("o0"))->colour();
    m_store->rename_object(QStringLiteral("o0"), QStringLiteral("renamed"));
    m_store->translate(QStringLiteral("renamed"), 1, 1, 1);
    QCOMPARE(*m_store->get(QStringLiteral("renamed"))->colour(), first);
    m_store->copy_object(QStringLiteral("renamed"), QStringLiteral("copy"));
    QVERIFY(!colours.contains(*m_store->get(QStringLiteral("copy"))->colour()));

    ObjectRecord saved = m_store->get(QStringLiteral("o1"))->record();
    saved.name = QStringLiteral("from a file");
    saved.colour = qRgb(1, 2, 3);
    m_store->add(std::make_unique<GeoObject>(saved));
    QCOMPARE(*m_store->get(QStringLiteral("from a file"))->colour(), qRgb(1, 2, 3));

    // Removing an object frees its colour for the next new one.
    const QRgb freed = *m_store->get(QStringLiteral("o2"))->colour();
    m_store->remove_object(QStringLiteral("o2"));
    m_store->add(make(QStringLiteral("new"), QStringLiteral("Point"), 2));
    QCOMPARE(*m_store->get(QStringLiteral("new"))->colour(), freed);
}
