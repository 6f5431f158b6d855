#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

// The limit editor as the desktop runs it: modally, here by `run`.
struct EditorServices : NoServices {
    void RunAutoMaxEditor(FrmAutoMax& editor) override { run(editor); }
    std::function<void(FrmAutoMax&)> run;
};

class AutoLimitsFlowTest : public testing::MainWindowTest {
  public:
    AutoLimitsFlowTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        platform.folder =
            std::filesystem::temp_directory_path() / (std::string("pellory-flow-") + info->name());
        std::filesystem::remove_all(platform.folder);
        std::filesystem::create_directories(platform.folder);
    }
    ~AutoLimitsFlowTest() override { std::filesystem::remove_all(platform.folder); }

    void Car() {
        w.Type(w.txtCost, "30000");
        Method("MACRS");
        InService("06/2002");
        PickClass("Automobiles (5)");
    }
};

TEST_F(AutoLimitsFlowTest, AMissingTableAsksForTheYearAndIsNotCreated) {
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption,
              "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
    EXPECT_EQ(w.stbMain.foreColor, kRed);
    EXPECT_FALSE(std::filesystem::exists(platform.folder / "AutoMax.DAT"));
    EXPECT_EQ(LastWrittenYear(), 0);
    EXPECT_TRUE(platform.boxes.empty());
}

// A table that cannot be opened is named once per try; neither advice nor editor follows.
TEST_F(AutoLimitsFlowTest, ATableThatCannotBeOpenedIsOneMessage) {
    std::filesystem::create_directory(platform.folder / "AutoMax.DAT");
    const std::string message = "Can't open file. " + (platform.folder / "AutoMax.DAT").string() +
                                ": It is a folder, not a file";
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption, "");
    EXPECT_EQ(LastWrittenYear(), 0);
    EditorServices editor;
    editor.run = [](FrmAutoMax&) { ADD_FAILURE() << "the editor opened"; };
    w.SetServices(&editor);
    w.mnuTools.entries[1].onClick();
    ASSERT_EQ(platform.boxes.size(), 2U);
    EXPECT_EQ(platform.boxes[0].text, message);
    EXPECT_EQ(platform.boxes[1].text, message);
    EXPECT_FALSE(w.dataFile.IsOpen());
}

TEST_F(AutoLimitsFlowTest, TheToolsEntriesOpenTheEditorOnTheirTableAndCalculateReadsIt) {
    std::ofstream(platform.folder / "AutoMax.DAT", std::ios::binary) << "20023060 4900 2950 1775 ";
    std::string shown;
    EditorServices services;
    services.run = [&](FrmAutoMax& editor) {
        editor.Load();
        shown += editor.txtYear.Text() + ";";
        editor.cmdClose.Click();
    };
    w.SetServices(&services);
    w.mnuTools.entries[2].onClick();
    w.mnuTools.entries[1].onClick();
    EXPECT_EQ(shown, ";2002;");
    EXPECT_FALSE(w.dataFile.IsOpen());
    Car();
    w.cmdCalculate.Click();
    EXPECT_EQ(Amount(2), 490000);  // the second year's cap from the table
    EXPECT_EQ(w.stbMain.caption, "Method: MACRS-200% DB Luxury Auto");
    EXPECT_FALSE(w.dataFile.IsOpen());
}

}  // namespace
}  // namespace pellory
