#pragma once

#include <functional>

#include "platform/Platform.h"

namespace pellory::gui {

// The desktop's services: Qt message boxes over the active window, the system beep, today's
// date and the folder of the executable.
class QtPlatform : public Platform {
  public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    MsgAnswer AskYesNoCancel(const std::string& text, MsgAnswer defaultAnswer) override;
    void Beep() override;
    CalendarDate Today() const override;
    std::filesystem::path ProgramFolder() const override;

    // Runs before a message box shows, so that the windows behind it are up to date.
    std::function<void()> beforeModal;

  private:
    MsgAnswer Show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title, MsgAnswer defaultAnswer);
};

}  // namespace pellory::gui
