#include "help/FrmAbout.h"

#include "help/SysInfo.h"
#include "platform/ErrorReport.h"

namespace pellory {

FrmAbout::FrmAbout(Platform& platform, Shell& shell, SysInfoLookup& lookup, ProgramStarter& starter,
                   ProgramVersion version)
    : Window(platform), shell_(shell), lookup_(lookup), starter_(starter), version_(version) {
    lblDescription.caption = "Website:";
    lblWebLink.caption = kWebPageText;
    lblWebLink.foreColor = kBlue;
    lblQuestion.caption = "Questions:";
    lblEmail.caption = kSupportMailText;
    lblEmail.foreColor = kBlue;
    lblDisclaimer.caption = kDisclaimer;
    cmdOK.caption = "OK";
    cmdOK.tabIndex = 0;
    cmdOK.onClick = [this] { OKClick(); };
    cmdSysInfo.caption = "&System Info...";
    cmdSysInfo.tabIndex = 1;
    cmdSysInfo.onClick = [this] { SysInfoClick(); };
    defaultButton_ = &cmdOK;
    cancelButton_ = &cmdOK;
}

void FrmAbout::Load() {
    lblVersion.caption = VersionLine(version_);
    lblTitle.caption = kAppTitle;
    UserFocus(cmdOK);
}

void FrmAbout::OKClick() {
    closed_ = true;
}

void FrmAbout::SysInfoClick() {
    StartSysInfo(platform(), lookup_, starter_);
}

void FrmAbout::WebLinkClick() {
    OpenLink(kWebPage);
}

void FrmAbout::EmailClick() {
    OpenLink(kSupportMail);
}

void FrmAbout::OpenLink(const std::string& target) {
    ErrorReport::Procedure(platform(), kLinkErrorText)([&] { shell_.Open(target); });
}

}  // namespace pellory
