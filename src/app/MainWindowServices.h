#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "autolimits/FrmAutoMax.h"
#include "controls/Controls.h"
#include "controls/Window.h"
#include "print/ReportInputs.h"

namespace pellory {

// What the main window asks of the desktop around it. Each call returns when the service is
// done: a modal window has closed, a report has been printed.
class MainWindowServices {
  public:
    virtual ~MainWindowServices() = default;

    // Shows a pop-up menu of a button; choosing an entry runs its handler.
    virtual void PopUpMenu(const Menu& menu) = 0;
    // Whether there is a default printer for PrintSchedule.
    virtual bool HasDefaultPrinter() = 0;
    // Prints the schedule report; `inputs` gives what it shows once the printer is ready.
    virtual void PrintSchedule(const ReportSource& inputs) = 0;
    // The user's documents folder.
    virtual std::filesystem::path DocumentsFolder() = 0;
    // Asks the user for the PDF file to save the schedule in, suggesting `suggested`; nothing
    // when the user cancels.
    virtual std::optional<std::filesystem::path> ChoosePdfFile(
        const std::filesystem::path& suggested) = 0;
    // Writes the schedule report into the PDF file at `path`, whole or not at all. False when
    // it was not written, the reasons shown in message boxes.
    virtual bool SavePdf(const ReportSource& inputs, const std::filesystem::path& path) = 0;
    virtual void CopyToClipboard(const std::string& text) = 0;
    // The help file at its contents, owned by `owner`, or at its keyword index, owned by none.
    virtual void ShowHelpContents(const std::string& helpFilePath, const Window& owner) = 0;
    virtual void ShowHelpSearch(const std::string& helpFilePath) = 0;
    // The help file at the topic `id`, owned by `owner`.
    virtual void ShowHelpTopic(const std::string& helpFilePath, const Window& owner,
                               const std::string& id) = 0;
    virtual void ShowAbout() = 0;
    // Shows the auto limits editor modally.
    virtual void RunAutoMaxEditor(FrmAutoMax& editor) = 0;
    // Widens a class list's drop-down part to fit its labels, measured as the window shows them.
    virtual void FitDropDownWidth(ComboBox& list) = 0;
};

// A main window with no desktop around it: every service does nothing.
class NoServices : public MainWindowServices {
  public:
    void PopUpMenu(const Menu& /*menu*/) override {}
    bool HasDefaultPrinter() override { return false; }
    void PrintSchedule(const ReportSource& /*inputs*/) override {}
    std::filesystem::path DocumentsFolder() override { return {}; }
    std::optional<std::filesystem::path> ChoosePdfFile(
        const std::filesystem::path& /*suggested*/) override {
        return std::nullopt;
    }
    bool SavePdf(const ReportSource& /*inputs*/, const std::filesystem::path& /*path*/) override {
        return false;
    }
    void CopyToClipboard(const std::string& /*text*/) override {}
    void ShowHelpContents(const std::string& /*helpFilePath*/, const Window& /*owner*/) override {}
    void ShowHelpSearch(const std::string& /*helpFilePath*/) override {}
    void ShowHelpTopic(const std::string& /*helpFilePath*/, const Window& /*owner*/,
                       const std::string& /*id*/) override {}
    void ShowAbout() override {}
    void RunAutoMaxEditor(FrmAutoMax& /*editor*/) override {}
    void FitDropDownWidth(ComboBox& /*list*/) override {}
};

}  // namespace pellory
