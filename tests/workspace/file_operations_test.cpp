#include "support/printers.h"
#include "workspace/file_operations.h"
#include "workspace_fixture.h"

using namespace Qt::StringLiterals;

namespace {

FileItem file(const char* name, ProgrammingLanguage language = ProgrammingLanguage::cpp) {
    return FileItem::make(QString::fromUtf8(name), language, {});
}

} // namespace

TEST(FileNames, DefaultNamesTakeTheFirstFreeSlot) {
    QList<FileItem> files;
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), u"solution.cpp"_s);
    files = {file("solution.cpp"), file("solution_1.cpp")};
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), u"solution_2.cpp"_s);
    files = {file("solution_1.cpp")};
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::cpp), u"solution.cpp"_s);
    EXPECT_EQ(uniqueDefaultName(files, ProgrammingLanguage::python), u"solution.py"_s);
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
    FolderItem folder = FolderItem::make(u"그래프"_s);
    QList<FileItem> files = {file("a.cpp"), file("b.cpp"), file("c.cpp"), file("d.cpp")};
    for (int i = 0; i < 3; ++i)
        files[i].folderId = folder.id;
    EXPECT_EQ(folderDeleteConfirmation(folder, files),
              u"그래프 폴더와 안의 파일 3개를 모두 삭제하시겠습니까?"_s);
    EXPECT_EQ(fileDeleteConfirmation(files[0]), u"a.cpp 파일을 삭제하시겠습니까?"_s);
}

using FileOperationsTest = WorkspaceTest;

TEST_F(FileOperationsTest, RenameRefusesAnotherFilesNameAnywhere) {
    AppState state;
    state.createFolder(u"f"_s);
    state.createFile(u"main.py"_s, ProgrammingLanguage::python, state.folders()[0].id);
    state.createFile(u"other.py"_s, ProgrammingLanguage::python);
    const FileItem other = state.files()[1];
    state.renameFile(other.id, u"main"_s);
    EXPECT_EQ(state.files()[1].name, u"other.py"_s);
    EXPECT_EQ(state.files()[1].modifiedAt, other.modifiedAt);

    state.renameFile(other.id, u"other"_s);
    EXPECT_EQ(state.files()[1].name, u"other.py"_s) << "its own name is free";
    state.renameFile(other.id, u"새 이름"_s);
    EXPECT_EQ(state.files()[1].name, u"새 이름.py"_s);
}

TEST_F(FileOperationsTest, DuplicateGoesToTheRootAndIsSelected) {
    AppState state;
    state.createFolder(u"f"_s);
    state.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp, state.folders()[0].id);
    state.setFileText(state.selectedFile()->id, u"int x;"_s);
    state.duplicateFile(state.files()[0].id);
    ASSERT_EQ(state.files().size(), 2);
    EXPECT_EQ(state.files()[1].name, u"a_copy.cpp"_s);
    EXPECT_EQ(state.files()[1].content, u"int x;"_s);
    EXPECT_FALSE(state.files()[1].folderId);
    EXPECT_EQ(state.selectedFile()->id, state.files()[1].id);
}
