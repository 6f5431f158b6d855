#include "gui/DesktopServices.h"

#include <QClipboard>
#include <QGuiApplication>

#include "gui/AutoMaxDialog.h"
#include "gui/MainWindowView.h"
#include "print/qt/PrintSchedule.h"

namespace pellory::gui {

DesktopServices::DesktopServices(MainWindowView& view, Platform& platform)
    : view_(view), platform_(platform), help_(platform, &view) {}

void DesktopServices::PopUpMenu(const Menu& menu) {
    view_.PopUp(menu);
}

void DesktopServices::PrintSchedule(const ReportSource& inputs) {
    PrintToDefaultPrinter(inputs, platform_);
}

void DesktopServices::CopyToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void DesktopServices::ShowHelpContents(const std::string& helpFilePath, const Window& owner) {
    help_.ShowContents(helpFilePath, owner);
}

void DesktopServices::ShowHelpSearch(const std::string& helpFilePath) {
    help_.ShowSearch(helpFilePath);
}

void DesktopServices::ShowAbout() {
    help_.ShowAbout();
}

void DesktopServices::RunAutoMaxEditor(FrmAutoMax& editor) {
    AutoMaxDialog::Run(editor, &view_);
}

void DesktopServices::FitDropDownWidth(ComboBox& list) {
    view_.FitDropDown(list);
}

}  // namespace pellory::gui
