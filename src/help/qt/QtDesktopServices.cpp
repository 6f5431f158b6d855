#include "help/qt/QtDesktopServices.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "platform/RuntimeError.h"

namespace pellory::helpqt {

void QtShell::Open(const std::string& target) {
    const QUrl url(QString::fromStdString(target), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        Raise(err::kInvalidCall);
    }
    // An address the desktop cannot open is the desktop's to report.
    QDesktopServices::openUrl(url);
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
