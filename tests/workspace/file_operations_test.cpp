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
    Owners owners;
    Workspace& workspace = owners.workspace;
    workspace.createFolder(u"f"_s);
    workspace.createFile(u"main.py"_s, ProgrammingLanguage::python, workspace.folders()[0].id);
    workspace.createFile(u"other.py"_s, ProgrammingLanguage::python);
    const FileItem other = workspace.files()[1];
    workspace.renameFile(other.id, u"main"_s);
    EXPECT_EQ(workspace.files()[1].name, u"other.py"_s);
    EXPECT_EQ(workspace.files()[1].modifiedAt, other.modifiedAt);

    workspace.renameFile(other.id, u"other"_s);
    EXPECT_EQ(workspace.files()[1].name, u"other.py"_s) << "its own name is free";
    workspace.renameFile(other.id, u"새 이름"_s);
    EXPECT_EQ(workspace.files()[1].name, u"새 이름.py"_s);
}

TEST_F(FileOperationsTest, DuplicateGoesToTheRootAndIsSelected) {
    Owners owners;
    Workspace& workspace = owners.workspace;
    workspace.createFolder(u"f"_s);
    workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp, workspace.folders()[0].id);
    workspace.setFileText(workspace.selectedFile()->id, u"int x;"_s);
    workspace.duplicateFile(workspace.files()[0].id);
    ASSERT_EQ(workspace.files().size(), 2);
    EXPECT_EQ(workspace.files()[1].name, u"a_copy.cpp"_s);
    EXPECT_EQ(workspace.files()[1].content, u"int x;"_s);
    EXPECT_FALSE(workspace.files()[1].folderId);
    EXPECT_EQ(workspace.selectedFile()->id, workspace.files()[1].id);
}
