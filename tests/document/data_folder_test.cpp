#include "document/data_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "document/document.h"
#include "temp_folder.h"

TEST(DataFolder, ChoiceFollowsTheSourceAndTheXdgRule) {
    struct Case {
        DataFolderSource source;
        const char* named;
        DataFolderEnvironment env;
        const char* folder;  // empty: refused
    };
    const Case cases[] = {
        {DataFolderSource::WorkingDirectory, "", {"/w", "/x", "/h"}, "/w"},
        {DataFolderSource::Named, "/boats", {"/w", "", ""}, "/boats"},
        {DataFolderSource::Named, "club", {"/w", "", ""}, "/w/club"},
        {DataFolderSource::Named, "", {"/w", "", ""}, ""},
        {DataFolderSource::UserData, "", {"/w", "/x", "/h"}, "/x/kelvane"},
        {DataFolderSource::UserData, "", {"/w", "", "/h"}, "/h/.local/share/kelvane"},
        {DataFolderSource::UserData, "", {"/w", "rel", "/h"}, "/h/.local/share/kelvane"},
        {DataFolderSource::UserData, "", {"/w", "", ""}, ""},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::string folder = ChooseDataFolder(c.source, c.named, c.env, error);
        if (*c.folder) {
            EXPECT_EQ(folder, c.folder);
            EXPECT_EQ(error, "");
        } else {
            EXPECT_NE(error, "") << folder;
        }
    }
}

TEST(DataFolder, PreparedWhenPossibleRefusedWithAReasonOtherwise) {
    TempFolder temp;
    const std::string nested = temp.Path() + "/a/b/kelvane";
    std::string error;
    EXPECT_TRUE(PrepareDataFolder(nested, error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(nested));
    std::ofstream(temp.Path() + "/file") << "x";
    for (const std::string& bad : {temp.Path() + "/file", temp.Path() + "/file/sub",
                                   temp.Path() + "/" + std::string(DATA_FOLDER_SIZE, 'x')}) {
        error.clear();
        EXPECT_FALSE(PrepareDataFolder(bad, error)) << bad.substr(0, 80);
        EXPECT_NE(error, "");
    }
}
