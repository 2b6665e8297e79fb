// Run by the test exceptions_fail_one_function, which expects exactly the
// two throwing functions to fail and the function after them to pass.

#include "testmain.h"

#include <stdexcept>

class ThrowingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void throws_a_std_exception() { throw std::runtime_error("boom"); }
    void throws_something_else() { throw 42; }
    void runs_after_the_throws() { QVERIFY(true); }
};

KELVRA_TEST_APPLESS_MAIN(ThrowingTest)
#include "tst_exceptionsfail.moc"
