#include "support/printers.h"
#include "workspace/file_operations.h"
#include "workspace_fixture.h"

using namespace Qt::StringLiterals;

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
