#include "support/printers.h"
#include "workspace/file_operations.h"
#include "workspace_fixture.h"

namespace {

FileItem file(const char* name, ProgrammingLanguage language = ProgrammingLanguage::cpp) {
    return FileItem::make(QString::fromUtf8(name), language);
}

QStringList names(const QList<FileItem>& files) {
    QStringList result;
    for (const FileItem& f : files)
        result.append(f.name);
    return result;
}

} // namespace

TEST(FileNames, DefaultNamesTakeTheFirstFreeSlot) {
    QList<FileItem> files;
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), QStringLiteral("solution.cpp"));
    files = {file("solution.cpp"), file("solution_1.cpp")};
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), QStringLiteral("solution_2.cpp"));
    files = {file("solution_1.cpp")};
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), QStringLiteral("solution.cpp"));
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::python), QStringLiteral("solution.py"));
}

TEST(FileNames, DuplicateReplacesEveryOccurrenceOfTheExtension) {
    const struct {
        const char* name;
        const char* copy;
    } cases[] = {
        {"solution.cpp", "solution_copy.cpp"},
        {"solution_copy.cpp", "solution_copy_copy.cpp"},
        {"a.cpp.cpp", "a_copy.cpp_copy.cpp"},
        {"noext", "noext"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(duplicateName(QString::fromUtf8(c.name), ProgrammingLanguage::cpp),
                  QString::fromUtf8(c.copy));
}

TEST(FileNames, ConfirmationTexts) {
    FolderItem folder = FolderItem::make(QStringLiteral("그래프"));
    QList<FileItem> files = {file("a.cpp"), file("b.cpp"), file("c.cpp"), file("d.cpp")};
    for (int i = 0; i < 3; ++i)
        files[i].folderId = folder.id;
    EXPECT_EQ(folderDeleteConfirmation(folder, files),
              QStringLiteral("그래프 폴더와 안의 파일 3개를 모두 삭제하시겠습니까?"));
    EXPECT_EQ(fileDeleteConfirmation(files[0]), QStringLiteral("a.cpp 파일을 삭제하시겠습니까?"));
}

using FileOperationsTest = WorkspaceTest;

TEST_F(FileOperationsTest, RenameRefusesAnotherFilesNameAnywhere) {
    AppState state;
    state.createFolder(QStringLiteral("f"));
    state.createFile(QStringLiteral("main.py"), ProgrammingLanguage::python, state.folders()[0].id);
    state.createFile(QStringLiteral("other.py"), ProgrammingLanguage::python);
    const FileItem other = state.files()[1];
    state.renameFile(other.id, QStringLiteral("main"));
    EXPECT_EQ(state.files()[1].name, QStringLiteral("other.py"));
    EXPECT_EQ(state.files()[1].modifiedAt, other.modifiedAt);

    state.renameFile(other.id, QStringLiteral("other"));
    EXPECT_EQ(state.files()[1].name, QStringLiteral("other.py")) << "its own name is free";
    state.renameFile(other.id, QStringLiteral("새 이름"));
    EXPECT_EQ(state.files()[1].name, QStringLiteral("새 이름.py"));
}

TEST_F(FileOperationsTest, DuplicateGoesToTheRootAndIsSelected) {
    AppState state;
    state.createFolder(QStringLiteral("f"));
    state.createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp, state.folders()[0].id);
    state.updateFileContent(QStringLiteral("int x;"));
    state.duplicateFile(state.files()[0].id);
    ASSERT_EQ(state.files().size(), 2);
    EXPECT_EQ(state.files()[1].name, QStringLiteral("a_copy.cpp"));
    EXPECT_EQ(state.files()[1].content, QStringLiteral("int x;"));
    EXPECT_FALSE(state.files()[1].folderId);
    EXPECT_EQ(state.selectedFile()->id, state.files()[1].id);
}

TEST_F(FileOperationsTest, SidebarButtonMakesNamesUnique) {
    AppState state;
    for (int i = 0; i < 3; ++i)
        state.createFileWithDefaultName(ProgrammingLanguage::cpp);
    EXPECT_EQ(names(state.files()),
              (QStringList{QStringLiteral("solution.cpp"), QStringLiteral("solution_1.cpp"),
                           QStringLiteral("solution_2.cpp")}));
}

TEST_F(FileOperationsTest, DropMovesOnlyKnownFiles) {
    AppState state;
    state.createFolder(QStringLiteral("f"));
    state.createFile(QStringLiteral("a.c"), ProgrammingLanguage::c);
    const QUuid folder = state.folders()[0].id;
    EXPECT_TRUE(state.dropFiles({QStringLiteral("garbage"),
                                 QUuid::createUuid().toString(QUuid::WithoutBraces),
                                 uuidString(state.files()[0].id)},
                                folder));
    EXPECT_EQ(state.files()[0].folderId, folder);
    EXPECT_FALSE(state.dropFiles({}, std::nullopt));
    EXPECT_TRUE(state.dropFiles({uuidString(state.files()[0].id).toLower()}, std::nullopt));
    EXPECT_FALSE(state.files()[0].folderId);
}

TEST_F(FileOperationsTest, DeleteFileClosesItsTabAndSaves) {
    AppState state;
    state.createFile(QStringLiteral("a.c"), ProgrammingLanguage::c);
    state.createFile(QStringLiteral("b.c"), ProgrammingLanguage::c);
    state.deleteFile(state.files()[1].id);
    EXPECT_EQ(names(state.files()), QStringList{QStringLiteral("a.c")});
    EXPECT_EQ(state.selectedFile()->name, QStringLiteral("a.c"));
    EXPECT_FALSE(readSaveFile().contains("b.c"));
}
