#pragma once

#include <string>

#include "app/MainWindowServices.h"
#include "help/qt/HelpMenu.h"

namespace pellory::gui {

class MainWindowView;

// The desktop around the main window: its pop-up menus and the class list's width measured in
// the view, the default printer, PDF files chosen in a file dialog, the system clipboard, the
// help window, the About box and the limit editor as modal dialogs over the view.
class DesktopServices : public MainWindowServices {
  public:
    DesktopServices(MainWindowView& view, Platform& platform);

    void PopUpMenu(const Menu& menu) override;
    bool HasDefaultPrinter() override;
    void PrintSchedule(const ReportSource& inputs) override;
    std::filesystem::path DocumentsFolder() override;
    std::optional<std::filesystem::path> ChoosePdfFile(
        const std::filesystem::path& suggested) override;
    bool SavePdf(const ReportSource& inputs, const std::filesystem::path& path) override;
    void CopyToClipboard(const std::string& text) override;
    void ShowHelpContents(const std::string& helpFilePath, const Window& owner) override;
    void ShowHelpSearch(const std::string& helpFilePath) override;
    void ShowHelpTopic(const std::string& helpFilePath, const Window& owner,
                       const std::string& id) override;
    void ShowAbout() override;
    void RunAutoMaxEditor(FrmAutoMax& editor) override;
    void FitDropDownWidth(ComboBox& list) override;

  private:
    MainWindowView& view_;
    Platform& platform_;
    helpqt::HelpMenu help_;
};

}  // namespace pellory::gui
