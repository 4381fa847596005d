#pragma once

#include <QApplication>
#include <QTest>

// QtTest ends a run with 0 when a test skipped itself, so CTest would count it as passed. A
// test that skips with TALVO_SKIP, in a program whose main is TALVO_QTEST_MAIN, ends the run
// with kSkipExitCode when nothing failed; CTest (SKIP_RETURN_CODE) then reports it skipped.

namespace talvo::testing {

inline constexpr int kSkipExitCode = 77;

inline bool& SkippedSomething() {
    static bool skipped = false;
    return skipped;
}

}  // namespace talvo::testing

#define TALVO_SKIP(reason)                           \
    do {                                             \
        ::talvo::testing::SkippedSomething() = true; \
        QSKIP(reason);                               \
    } while (false)

#define TALVO_QTEST_MAIN(TestObject)                               \
    int main(int argc, char** argv) {                              \
        QApplication app(argc, argv);                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        TestObject tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        const int failed = QTest::qExec(&tc, argc, argv);          \
        return failed == 0 && ::talvo::testing::SkippedSomething() \
                   ? ::talvo::testing::kSkipExitCode               \
                   : failed;                                       \
    }
