#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>
#include <map>

#include "help/FrmAbout.h"
#include "platform/Platform.h"

class QLayout;
class QPushButton;

namespace pellory::helpqt {

// A label that answers a click of the left mouse button, drawn with a pointing-hand cursor.
class LinkLabel : public QLabel {
  public:
    explicit LinkLabel(QWidget* parent = nullptr);
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The About box on screen, painted from its window model: the buttons and links run the
// model's handlers, Enter and Esc go to the model's keyboard, and the box closes when the model
// is closed.
class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(FrmAbout& model, QWidget* parent = nullptr);

    // Repaints every widget from the model; closes the box once the model is closed.
    void Refresh();

    // The widget that shows a control of the model.
    QWidget* WidgetFor(const Control& control) const;
    LinkLabel* webLink() const { return webLink_; }
    LinkLabel* email() const { return email_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* sysInfoButton() const { return sysInfo_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A button getting the focus moves the model's focus with it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs a handler of the model, then repaints.
    void Run(const std::function<void()>& handler);
    QLabel* AddLabel(const Label& label, QLabel* widget);
    // The icon beside the title, the version and the two links.
    QLayout* CreateHeading();
    void CreateButtons();

    FrmAbout& model_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const Label*, QLabel*> labels_;
    QLabel* icon_ = nullptr;
    LinkLabel* webLink_ = nullptr;
    LinkLabel* email_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* sysInfo_ = nullptr;
};

// Shows the About box of `model` (already loaded) modally over `parent`.
void ShowAboutBox(FrmAbout& model, QWidget* parent);
// Shows the program's About box modally over `parent`, with the desktop's shell, program
// starter and system-information lookup.
void ShowAboutBox(Platform& platform, QWidget* parent);

}  // namespace pellory::helpqt
