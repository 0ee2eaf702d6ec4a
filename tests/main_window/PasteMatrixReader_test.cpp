#include "main_window/PasteMatrixReader.h"

#include <gtest/gtest.h>

#include <array>

#include "framework/QStringPrinter.h"
#include "main_window/PasteMatrixCommand.h"

static void PrintTo(const FieldWrite& write, std::ostream* os) {
    *os << write.field << "=\"" << write.text.toStdString() << '"';
}

namespace {

using Writes = std::vector<FieldWrite>;

struct Case {
    const char* name;
    const char* text;
    Writes writes;  // empty: not recognised
};

const Writes k2x2 = {{1, "1"}, {2, "2"}, {4, "3"}, {5, "4"}};
const Writes k3x3 = {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"},
                     {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}};

const Case kCases[] = {
    {"one-line 2x2 with commas", "1,2,3,4", k2x2},
    {"one-line 3x3 with tabs", "1\t2\t3\t4\t5\t6\t7\t8\t9", k3x3},
    {"tab chosen over comma", "1,5\t2\t3\t4", {{1, "1,5"}, {2, "2"}, {4, "3"}, {5, "4"}}},
    {"blanks kept", "1, 2, 3, 4", {{1, "1"}, {2, " 2"}, {4, " 3"}, {5, " 4"}}},
    {"three lines of tabs", "1\t2\t3\n4\t5\t6\n7\t8\t9", k3x3},
    {"three lines of commas", "1,2,3\n4,5,6\n7,8,9", k3x3},
    {"CR LF lines", "1,2,3\r\n4,5,6\r\n7,8,9", k3x3},
    {"lone CR lines", "1,2,3\r4,5,6\r7,8,9", k3x3},
    {"two lines of two", "1\t2\n3\t4", k2x2},
    {"two lines of two, commas", "1,2\n3,4", k2x2},
    {"trailing line ending after two lines", "1\t2\n3\t4\n", k2x2},
    {"trailing line ending stays in line 3",
     "1\t2\t3\n4\t5\t6\n7\t8\t9\n",
     {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"}, {9, "9\n"}}},
    {"four lines of two",
     "1\t2\n3\t4\n5\t6\n7\t8",
     {{1, "1"}, {2, "2"}, {4, "3"}, {5, "4"}, {7, "5"}, {8, "6\n7"}, {9, "8"}}},
    {"line of four values gives two",
     "1\t2\t3\t4\n5\t6\t7",
     {{1, "1"}, {2, "2"}, {4, "5"}, {5, "6"}, {6, "7"}}},
    {"empty values are values", "\t\t\n\t", {{1, ""}, {2, ""}, {3, ""}, {4, ""}, {5, ""}}},
    {"empty clipboard", "", {}},
    {"blanks only", "1 2 3 4", {}},
    {"lines without separator", "1\n2", {}},
    {"one value", "1,", {}},
    {"three values", "1,2,3", {}},
    {"five values", "1\t2\t3\t4\t5", {}},
    {"ten values", "1,2,3,4,5,6,7,8,9,10", {}},
    {"one-line 2x2 and a line ending", "1,2,3,4\n", k2x2},
    {"spreadsheet row", "1\t2\t3\t4\t5\t6\t7\t8\t9\r\n", k3x3},
    {"one-line 3x3 and line endings", "1,2,3,4,5,6,7,8,9\n\r\n\n", k3x3},
    {"one-line 2x2 and a blank line", "1\t2\t3\t4\n \n", {}},
    {"three values and a line ending", "1\t2\t3\n", {}},
    {"five values and a line ending", "1,2,3,4,5\n", {}},
    {"tab chosen over comma in lines", "1,5\t2\n3\t4", {{1, "1,5"}, {2, "2"}, {4, "3"}, {5, "4"}}},
    {"empty first line", "\n1,2\n3,4", {}},
    {"third line of one value", "1,2\n3,4\n5", {}},
    {"second line of one value", "1\t2\n3\n5\t6", {}},
};

TEST(PasteMatrixReaderTest, ReadsTheFormatAndRefusesTheRest) {
    for (const Case& c : kCases) {
        const auto writes =
            PasteMatrixReader::Read(QString::fromUtf8(c.text), QStringLiteral("\n"));
        if (c.writes.empty()) {
            EXPECT_FALSE(writes.has_value()) << c.name;
        } else {
            ASSERT_TRUE(writes.has_value()) << c.name;
            EXPECT_EQ(*writes, c.writes) << c.name;
        }
    }
}

TEST(PasteMatrixReaderTest, WindowsLineEndingReadsAlike) {
    for (const Case& c : kCases) {
        auto writes = PasteMatrixReader::Read(QString::fromUtf8(c.text), QStringLiteral("\r\n"));
        Writes expected = c.writes;
        for (FieldWrite& write : expected) write.text.replace(u'\n', QStringLiteral("\r\n"));
        EXPECT_EQ(writes.value_or(Writes{}), expected) << c.name;
    }
}

class FakePasteView : public PasteMatrixView {
public:
    QString ClipboardText() override { return clipboard; }
    void SetFieldText(int field, const QString& text) override { fields.at(field) = text; }
    void MsgBox(const QString& message) override { messages.push_back(message); }

    QString clipboard;
    std::array<QString, 10> fields{"", "a", "b", "c", "d", "e", "f", "g", "h", "i"};
    std::vector<QString> messages;
};

TEST(PasteMatrixCommandTest, WritesTheNamedFieldsOrShowsTheMessage) {
    FakePasteView view;
    view.clipboard = QStringLiteral("1,2,3,4");
    EXPECT_TRUE(PasteMatrixCommand::Run(view));
    EXPECT_EQ(view.fields,
              (std::array<QString, 10>{"", "1", "2", "c", "3", "4", "f", "g", "h", "i"}));
    EXPECT_TRUE(view.messages.empty());

    for (const char* text : {"", "1 2", "1,2\n3", "1,2,3"}) {
        FakePasteView refused;
        refused.clipboard = QString::fromUtf8(text);
        const auto before = refused.fields;
        EXPECT_FALSE(PasteMatrixCommand::Run(refused)) << text;
        EXPECT_EQ(refused.fields, before) << text;
        EXPECT_EQ(refused.messages,
                  std::vector<QString>{"The clipboard does not contain a recognizable matrix!"});
    }
}

}  // namespace
