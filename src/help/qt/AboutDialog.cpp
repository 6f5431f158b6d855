#include "help/qt/AboutDialog.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "help/qt/QtColor.h"
#include "help/qt/QtDesktopServices.h"

namespace pellory::helpqt {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick) {
        onClick();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

AboutDialog::AboutDialog(FrmAbout& model, QWidget* parent) : QDialog(parent), model_(model) {
    setModal(true);
    setWindowTitle(Text(model_.Caption()));
    QLayout* heading = CreateHeading();
    QLabel* disclaimer = AddLabel(model_.lblDisclaimer, new QLabel(this));
    disclaimer->setWordWrap(true);
    CreateButtons();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(sysInfo_);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(rule);
    layout->addLayout(bottom);
    setMinimumWidth(480);

    Refresh();
}

QLayout* AboutDialog::CreateHeading() {
    icon_ = new QLabel(this);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    }
    icon_->setPixmap(icon.pixmap(48, 48));
    icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    widgets_[&model_.picIcon] = icon_;

    QLabel* title = AddLabel(model_.lblTitle, new QLabel(this));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    QLabel* version = AddLabel(model_.lblVersion, new QLabel(this));
    QLabel* website = AddLabel(model_.lblDescription, new QLabel(this));
    webLink_ = new LinkLabel(this);
    AddLabel(model_.lblWebLink, webLink_);
    webLink_->onClick = [this] { Run([this] { model_.WebLinkClick(); }); };
    QLabel* questions = AddLabel(model_.lblQuestion, new QLabel(this));
    email_ = new LinkLabel(this);
    AddLabel(model_.lblEmail, email_);
    email_->onClick = [this] { Run([this] { model_.EmailClick(); }); };

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(version);
    auto* links = new QGridLayout;
    links->addWidget(website, 0, 0);
    links->addWidget(webLink_, 0, 1);
    links->addWidget(questions, 1, 0);
    links->addWidget(email_, 1, 1);
    links->setColumnStretch(1, 1);
    heading->addSpacing(8);
    heading->addLayout(links);
    heading->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon_);
    top->addLayout(heading, 1);
    return top;
}

void AboutDialog::CreateButtons() {
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    widgets_[&model_.cmdOK] = ok_;
    connect(ok_, &QPushButton::clicked, this, [this] {
        Run([this] {
            model_.UserFocus(model_.cmdOK);
            model_.cmdOK.Click();
        });
    });
    sysInfo_ = new QPushButton(this);
    sysInfo_->setAutoDefault(false);
    widgets_[&model_.cmdSysInfo] = sysInfo_;
    connect(sysInfo_, &QPushButton::clicked, this, [this] {
        Run([this] {
            model_.UserFocus(model_.cmdSysInfo);  // a click focuses the button first
            model_.cmdSysInfo.Click();
        });
    });
    for (QPushButton* button : {ok_, sysInfo_}) {
        button->installEventFilter(this);
    }
    setTabOrder(ok_, sysInfo_);
}

QLabel* AboutDialog::AddLabel(const Label& label, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    widgets_[&label] = widget;
    labels_[&label] = widget;
    return widget;
}

QWidget* AboutDialog::WidgetFor(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

void AboutDialog::Refresh() {
    for (const auto& [label, widget] : labels_) {
        widget->setText(Text(label->caption));
        QPalette palette = widget->palette();
        // The links' blue, and any other colour, kept readable on the palette in use.
        const QColor wanted = ToQColor(label->foreColor, this->palette());
        palette.setColor(QPalette::WindowText,
                         ReadableOn(wanted, this->palette().color(QPalette::Window)));
        widget->setPalette(palette);
        widget->setEnabled(label->enabled);
        widget->setVisible(label->visible);
    }
    ok_->setText(Text(model_.cmdOK.caption));
    ok_->setEnabled(model_.cmdOK.enabled);
    sysInfo_->setText(Text(model_.cmdSysInfo.caption));
    sysInfo_->setEnabled(model_.cmdSysInfo.enabled);
    if (QWidget* focused = model_.Focused() != nullptr ? WidgetFor(*model_.Focused()) : nullptr) {
        focused->setFocus();
    }
    if (model_.Closed()) {
        accept();
    }
}

void AboutDialog::Run(const std::function<void()>& handler) {
    handler();
    Refresh();
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Run([this] { model_.PressKey(kKeyEnter); });
            return;
        case Qt::Key_Escape:
            Run([this] { model_.PressKey(kKeyEscape); });
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == ok_) {
            model_.UserFocus(model_.cmdOK);
        } else if (watched == sysInfo_) {
            model_.UserFocus(model_.cmdSysInfo);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutBox(FrmAbout& model, QWidget* parent) {
    AboutDialog dialog(model, parent);
    dialog.exec();
}

void ShowAboutBox(Platform& platform, QWidget* parent) {
    QtShell shell(platform);
    QtProgramStarter starter;
    QtSysInfoLookup lookup;
    FrmAbout model(platform, shell, lookup, starter);
    model.Load();
    ShowAboutBox(model, parent);
}

}  // namespace pellory::helpqt
