#include "gui/DesktopServices.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>

#include "gui/AutoMaxDialog.h"
#include "gui/MainWindowView.h"
#include "print/qt/PrintSchedule.h"

namespace pellory::gui {

DesktopServices::DesktopServices(MainWindowView& view, Platform& platform)
    : view_(view), platform_(platform), help_(platform, &view) {}

void DesktopServices::PopUpMenu(const Menu& menu) {
    view_.PopUp(menu);
}

bool DesktopServices::HasDefaultPrinter() {
    return DefaultPrinterExists();
}

void DesktopServices::PrintSchedule(const ReportSource& inputs) {
    PrintToDefaultPrinter(inputs, platform_);
}

std::filesystem::path DesktopServices::DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return (QDir(documents).exists() ? documents : QDir::homePath()).toStdString();
}

std::optional<std::filesystem::path> DesktopServices::ChoosePdfFile(
    const std::filesystem::path& suggested) {
    QFileDialog dialog(&view_, QStringLiteral("Save Schedule as PDF"),
                       QString::fromStdString(suggested.string()),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

bool DesktopServices::SavePdf(const ReportSource& inputs, const std::filesystem::path& path) {
    return PrintToPdf(inputs, path.string(), platform_);
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

void DesktopServices::ShowHelpTopic(const std::string& helpFilePath, const Window& owner,
                                    const std::string& id) {
    help_.ShowTopic(helpFilePath, owner, id);
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
