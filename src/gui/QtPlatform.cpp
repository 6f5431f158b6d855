#include "gui/QtPlatform.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>

namespace pellory::gui {

MsgAnswer QtPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) {
    return Show(text, buttons, icon, title,
                buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes);
}

MsgAnswer QtPlatform::AskYesNoCancel(const std::string& text, MsgAnswer defaultAnswer) {
    return Show(text, MsgButtons::YesNoCancel, MsgIcon::None, {}, defaultAnswer);
}

MsgAnswer QtPlatform::Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title, MsgAnswer defaultAnswer) {
    if (beforeModal) {
        beforeModal();
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title.empty() ? kAppTitle : title));
    box.setText(QString::fromStdString(text));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address can be copied
    switch (icon) {
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::None:
            break;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(defaultAnswer == MsgAnswer::No       ? QMessageBox::No
                             : defaultAnswer == MsgAnswer::Cancel ? QMessageBox::Cancel
                                                                  : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

void QtPlatform::Beep() {
    QApplication::beep();
}

CalendarDate QtPlatform::Today() const {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

std::filesystem::path QtPlatform::ProgramFolder() const {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace pellory::gui
