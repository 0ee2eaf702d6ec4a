#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
