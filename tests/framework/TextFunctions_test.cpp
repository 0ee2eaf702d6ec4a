#include "framework/TextFunctions.h"

#include <gtest/gtest.h>

#include "framework/QStringPrinter.h"

namespace {

// "a😀b": the emoji is one character made of two UTF-16 units.
const QString kWithPair = QStringLiteral("a\U0001F600b");

TEST(TextFunctionsTest, LenLeftRightCountCodePoints) {
    EXPECT_EQ(Len(QString()), 0);
    EXPECT_EQ(Len(QStringLiteral("abc")), 3);
    EXPECT_EQ(Len(kWithPair), 3);
    EXPECT_EQ(Left(kWithPair, 2), QStringLiteral("a\U0001F600"));
    EXPECT_EQ(Right(kWithPair, 2), QStringLiteral("\U0001F600b"));

    struct Case {
        std::int64_t count;
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {-1, "", ""}, {0, "", ""}, {2, "ab", "bc"}, {3, "abc", "abc"}, {9, "abc", "abc"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Left(QStringLiteral("abc"), c.count), QString::fromUtf8(c.left)) << c.count;
        EXPECT_EQ(Right(QStringLiteral("abc"), c.count), QString::fromUtf8(c.right)) << c.count;
    }
}

TEST(TextFunctionsTest, InStrGivesOneBasedPositionOrZero) {
    struct Case {
        std::int64_t start;
        const char* text;
        const char* sought;
        std::int64_t expected;
    };
    const Case cases[] = {
        {0, "a,b,c", ",", 2}, {1, "a,b,c", ",", 2}, {3, "a,b,c", ",", 4},     {5, "a,b,c", ",", 0},
        {0, "abc", "x", 0},   {0, "", ",", 0},      {0, "a\r\nb", "\r\n", 2}, {0, "abc", "", 1},
        {3, "abc", "", 3},    {4, "abc", "", 4},    {5, "abc", "", 0},        {-3, "abc", "c", 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InStr(c.start, QString::fromUtf8(c.text), QString::fromUtf8(c.sought)),
                  c.expected)
            << c.start << " '" << c.text << "' '" << c.sought << "'";
    }
    EXPECT_EQ(InStr(0, kWithPair, QStringLiteral("b")), 3);
    EXPECT_EQ(InStr(3, kWithPair, QStringLiteral("b")), 3);
}

TEST(TextFunctionsTest, SplitKeepsEmptyPieces) {
    struct Case {
        const char* text;
        const char* separator;
        QStringList expected;
    };
    const Case cases[] = {
        {"", ",", {""}},
        {"1,2,3", ",", {"1", "2", "3"}},
        {",,", ",", {"", "", ""}},
        {" 1, 2", ",", {" 1", " 2"}},
        {"1\t2,3", "\t", {"1", "2,3"}},
        {"a\r\nb", "\r\n", {"a", "b"}},
        {"abc", "", {"abc"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Split(QString::fromUtf8(c.text), QString::fromUtf8(c.separator)), c.expected)
            << c.text;
    }
}

TEST(TextFunctionsTest, ChrAndEndOfLine) {
    EXPECT_EQ(Chr(9), QStringLiteral("\t"));
    EXPECT_EQ(Chr(0x1F600), QStringLiteral("\U0001F600"));
    EXPECT_EQ(Chr(0xD800), QStringLiteral("\uFFFD"));
    EXPECT_EQ(Chr(-1), QStringLiteral("\uFFFD"));
#ifdef Q_OS_WIN
    EXPECT_EQ(EndOfLine(), QStringLiteral("\r\n"));
#else
    EXPECT_EQ(EndOfLine(), QStringLiteral("\n"));
#endif
}

TEST(TextFunctionsTest, ReplaceLineEndingsTreatsEveryConventionAlike) {
    const QString mixed = QStringLiteral("a\r\nb\rc\nd\n\re\r\r\n");
    EXPECT_EQ(ReplaceLineEndings(mixed, QStringLiteral("\n")),
              QStringLiteral("a\nb\nc\nd\n\ne\n\n"));
    EXPECT_EQ(ReplaceLineEndings(mixed, QStringLiteral("\r\n")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\n"));
    EXPECT_EQ(ReplaceLineEndings(QStringLiteral("no breaks"), QStringLiteral("\r\n")),
              QStringLiteral("no breaks"));
}

}  // namespace
