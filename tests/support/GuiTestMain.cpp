#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A run meant for a language with another decimal point proves nothing when
// that language could not be set: it fails instead. QApplication has set the C
// library's locale from the environment by now.
bool HasExpectedDecimalPoint() {
    const char* expected = std::getenv("VORLIX_TEST_DECIMAL_POINT");
    if (expected == nullptr) return true;
    const char* actual = std::localeconv()->decimal_point;
    if (std::strcmp(actual, expected) == 0) return true;
    std::fprintf(stderr,
                 "The decimal point is \"%s\", not \"%s\": is the locale of LC_ALL (%s) built?\n",
                 actual, expected, std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "unset");
    return false;
}

}  // namespace

// GUI tests need one QApplication for the whole process; the offscreen
// platform is chosen through QT_QPA_PLATFORM by CTest.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (!HasExpectedDecimalPoint()) return 1;
    return RUN_ALL_TESTS();
}
