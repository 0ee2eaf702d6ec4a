#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "framework/FileType.h"
#include "framework/IOException.h"
#include "framework/SaveDialog.h"
#include "framework/TextOutputStream.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

class StreamTest : public testing::Test {
protected:
    QString PathOf(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

TEST_F(StreamTest, WritesUtf8LinesThatAppearOnlyWhenClosed) {
    const QString path = PathOf("out.txt");
    auto stream = TextOutputStream::Create(FolderItem(path));
    stream->WriteLine(QStringLiteral("#\tcos(\u03b1)"));
    stream->Write(QStringLiteral("\nnotes"));
    EXPECT_FALSE(QFile::exists(path));
    stream->Close();
    EXPECT_EQ(ReadAll(path), QByteArray("#\tcos(\xce\xb1)\n\nnotes"));
}

TEST_F(StreamTest, AStreamDroppedWithoutCloseLeavesAnExistingFileUntouched) {
    const QString path = PathOf("kept.txt");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    {
        auto stream = TextOutputStream::Create(FolderItem(path));
        stream->WriteLine(QStringLiteral("new"));
    }
    EXPECT_EQ(ReadAll(path), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.txt"}));
}

TEST_F(StreamTest, AFileThatCannotBeCreatedRaisesNamingTheFileAndTheReason) {
    const QString path = PathOf("no such folder/out.txt");
    try {
        TextOutputStream::Create(FolderItem(path));
        FAIL() << "no exception";
    } catch (const IOException& e) {
        const QString message = QString::fromStdString(e.Message());
        EXPECT_TRUE(message.contains(path)) << e.Message();
        EXPECT_GT(message.size(), path.size() + 12) << "no reason given: " << e.Message();
    }
}

// Run in a child process: lowers the limit on the size of a file this process
// may write, as a nearly full disk does, with SIGXFSZ ignored so that a write
// past it fails with EFBIG instead of ending the process. Writes the text over
// the file and exits 0 when the save raised, printing the message.
[[noreturn]] void SaveUnderFileSizeLimit(const QString& path, const QString& text, rlim_t limit) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    fileSize.rlim_cur = limit;
    if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0) std::_Exit(2);
    try {
        auto stream = TextOutputStream::Create(FolderItem(path));
        stream->WriteLine(QStringLiteral("#\tEigenValue"));
        stream->Write(text);
        stream->Close();
    } catch (const IOException& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        std::_Exit(0);
    }
    std::fprintf(stderr, "saved\n");
    std::_Exit(1);
}

// A text that does not fit is never committed in part: the save raises naming
// the file and the reason, the old file keeps every byte and nothing is left
// beside it. The text is kept in the stream's buffer, written past it at the
// end, or written in several pieces.
TEST_F(StreamTest, ATextThatDoesNotFitLeavesTheOldFileAsItWas) {
    const struct {
        qsizetype textSize;
        rlim_t limit;
    } cases[] = {
        {14'000, 12 * 1024},
        {15'000, 100},
        {200'000, 150'000},
    };
    const QString path = PathOf("old.txt");
    for (const auto& c : cases) {
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("OLD FILE");
        }
        const QString text(c.textSize, u'x');
        EXPECT_EXIT(SaveUnderFileSizeLimit(path, text, c.limit), testing::ExitedWithCode(0),
                    "cannot write \".*old.txt\": File too large")
            << c.textSize;
        EXPECT_EQ(ReadAll(path), QByteArray("OLD FILE")) << c.textSize;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"old.txt"}))
            << c.textSize;
    }
}

TEST_F(StreamTest, WritingAfterCloseRaises) {
    auto stream = TextOutputStream::Create(FolderItem(PathOf("closed.txt")));
    stream->Close();
    EXPECT_THROW(stream->WriteLine(QStringLiteral("late")), IOException);
}

TEST(FileTypeTest, RegisteringOrConvertingRegistersOnceAndChangingWithdraws) {
    FileType type;
    type.Name(QStringLiteral("text/plain"));
    type.Extensions(QStringLiteral(".txt;.asc"));
    EXPECT_FALSE(type.IsRegistered());
    EXPECT_EQ(static_cast<QString>(type), QStringLiteral("text/plain"));
    EXPECT_EQ(static_cast<QString>(type), QStringLiteral("text/plain"));
    EXPECT_EQ(FileType::Registrations().size(), 1u);
    type.UTI(QStringLiteral("public.text"));
    EXPECT_FALSE(type.IsRegistered());
    EXPECT_TRUE(FileType::Registrations().empty());

    type.Register();
    type.Register();
    EXPECT_EQ(static_cast<QString>(type), QStringLiteral("text/plain"));
    ASSERT_EQ(FileType::Registrations().size(), 1u);
    EXPECT_EQ(FileType::Registrations()[0].uti, QStringLiteral("public.text"));
}

TEST(SaveDialogTest, OffersTheRegisteredTypeAndAllFilesAndReportsCancel) {
    FileType type;
    type.Name(QStringLiteral("text/plain"));
    type.Extensions(QStringLiteral(".txt;.asc"));
    const QString filter = type;
    QString offered;
    QString defaultName;
    QString answer = QStringLiteral("/tmp/chosen.txt");
    auto previous = SetSaveDialogPresenter([&](const QString& filters, const QString& name) {
        offered = filters;
        defaultName = name;
        return answer;
    });
    auto chosen = GetSaveFolderItem(filter, QStringLiteral("Vorlix output.txt"));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->NativePath(), answer);
    EXPECT_EQ(offered, QStringLiteral("text/plain (*.txt *.asc);;All files (*)"));
    EXPECT_EQ(defaultName, QStringLiteral("Vorlix output.txt"));

    answer.clear();
    EXPECT_EQ(GetSaveFolderItem(filter, QStringLiteral("Vorlix output.txt")), nullptr);
    SetSaveDialogPresenter(previous);
}

}  // namespace
