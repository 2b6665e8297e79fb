#pragma once

// The main() of the test programs: QtTest's QTEST_MAIN and
// QTEST_APPLESS_MAIN, except that an exception leaving a test function (or
// init(), cleanup() or a data function) fails that function, and the run
// goes on with the next one. QtTest itself rethrows such an exception,
// which ends the program and skips every function after it.
//
//     KELVRA_TEST_MAIN(TestFormDialogs)
//     KELVRA_TEST_APPLESS_MAIN(TestNdArray)
//     KELVRA_TEST_GUILESS_MAIN(TestPropertyScript)

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QtTest>

#include <exception>

namespace kelvra::test {

using StaticMetacall = void (*)(QObject *, QMetaObject::Call, int, void **);

// Runs a call of moc's static_metacall; an exception out of it fails the
// test function being run.
inline void call_failing_on_exceptions(StaticMetacall call, QObject *object, QMetaObject::Call kind,
                                       int index, void **arguments)
{
    try {
        call(object, kind, index, arguments);
    } catch (const std::exception &error) {
        QTest::qFail(qPrintable(QStringLiteral("Exception thrown: ") + QString::fromUtf8(error.what())),
                     __FILE__, __LINE__);
    } catch (...) {
        QTest::qFail("Exception thrown that is not a std::exception", __FILE__, __LINE__);
    }
}

// The test object as QtTest runs it. QtTest invokes the slots through the
// static_metacall of the meta-object that metaObject() returns; this one is
// a copy of the class's own whose static_metacall catches. (Being a copy,
// it is not TestObject::staticMetaObject: qobject_cast to TestObject fails
// on the test object itself.)
template <class TestObject>
class FailingOnExceptions : public TestObject
{
public:
    using TestObject::TestObject;

    const QMetaObject *metaObject() const override
    {
        static const QMetaObject guarded = [] {
            QMetaObject copy = TestObject::staticMetaObject;
            copy.d.static_metacall = &call;
            return copy;
        }();
        return &guarded;
    }

private:
    static void call(QObject *object, QMetaObject::Call kind, int index, void **arguments)
    {
        call_failing_on_exceptions(TestObject::staticMetaObject.d.static_metacall, object, kind, index,
                                   arguments);
    }
};

} // namespace kelvra::test

#define KELVRA_TEST_MAIN(TestObject) QTEST_MAIN(kelvra::test::FailingOnExceptions<TestObject>)
#define KELVRA_TEST_APPLESS_MAIN(TestObject) QTEST_APPLESS_MAIN(kelvra::test::FailingOnExceptions<TestObject>)
#define KELVRA_TEST_GUILESS_MAIN(TestObject) QTEST_GUILESS_MAIN(kelvra::test::FailingOnExceptions<TestObject>)
