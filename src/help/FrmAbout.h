#pragma once

#include <string>

#include "controls/Controls.h"
#include "controls/Window.h"
#include "help/DesktopServices.h"
#include "help/Version.h"

namespace pellory {

// The About box: the program's title and version, the maker's web page and support address as
// links, a legal notice, OK and System Info.
class FrmAbout : public Window {
  public:
    static constexpr const char* kCaption = "About Pellory 1031 Depreciation Solution";
    static constexpr const char* kWebPage = "https://www.pellory.example";
    static constexpr const char* kWebPageText = "www.pellory.example";
    static constexpr const char* kSupportMail = "mailto:support@pellory.example";
    static constexpr const char* kSupportMailText = "support@pellory.example";
    static constexpr const char* kDisclaimer =
        "Warning: this program is protected by copyright law and international treaties. "
        "Copying or distributing it, or any part of it, without the written permission of "
        "Pellory is not allowed and may lead to severe civil and criminal penalties.";
    static constexpr const char* kLinkErrorText = " Error in WebLink ";

    FrmAbout(Platform& platform, Shell& shell, SysInfoLookup& lookup, ProgramStarter& starter,
             ProgramVersion version = ThisProgramVersion());

    // Fills the title and version lines; the OK button has the focus.
    void Load();

    const std::string& Caption() const { return caption_; }
    // True once OK has unloaded the window.
    bool Closed() const { return closed_; }

    // The click handlers; the buttons' Click runs the first two.
    void OKClick();
    void SysInfoClick();
    void WebLinkClick();
    void EmailClick();

    Control picIcon{"picIcon"};
    Label lblTitle{"lblTitle"};
    Label lblVersion{"lblVersion"};
    Label lblDescription{"lblDescription"};
    Label lblWebLink{"lblWebLink"};
    Label lblQuestion{"lblQuestion"};
    Label lblEmail{"lblEmail"};
    Label lblDisclaimer{"lblDisclaimer"};
    Button cmdOK{"cmdOK"};
    Button cmdSysInfo{"cmdSysInfo"};

  private:
    // Opens a link target through the shell, reporting a run-time error.
    void OpenLink(const std::string& target);

    Shell& shell_;
    SysInfoLookup& lookup_;
    ProgramStarter& starter_;
    ProgramVersion version_;
    std::string caption_ = kCaption;
    bool closed_ = false;
};

}  // namespace pellory
