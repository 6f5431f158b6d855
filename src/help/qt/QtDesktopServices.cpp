#include "help/qt/QtDesktopServices.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "platform/RuntimeError.h"

namespace pellory::helpqt {

QtShell::QtShell(Platform& platform, Opener open)
    : platform_(platform), open_(open ? std::move(open) : [](const QUrl& url) {
          return QDesktopServices::openUrl(url);
      }) {}

void QtShell::Open(const std::string& target) {
    const QUrl url(QString::fromStdString(target), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        Raise(err::kInvalidCall);
    }
    if (open_(url)) {
        return;  // a program took the address; what it makes of it is its own to report
    }
    const bool mail = url.scheme() == QLatin1String("mailto");
    const std::string address = mail ? url.path().toStdString() : target;
    platform_.MsgBox(mail ? "No e-mail program could be started. Please write to:\n" + address
                          : "No web browser could be started. The web page is at:\n" + address,
                     MsgButtons::Ok, MsgIcon::Information, {});
}

void QtProgramStarter::Start(const std::string& program) {
    if (program.empty() || !QProcess::startDetached(QString::fromStdString(program), {})) {
        Raise(err::kFileNotFound);
    }
}

std::string FindOnSearchPath(const std::string& program) {
    return QStandardPaths::findExecutable(QString::fromStdString(program)).toStdString();
}

}  // namespace pellory::helpqt
