#include "help/qt/HelpWindow.h"

#include <algorithm>

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Platform.h"

namespace pellory::helpqt {

namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(Text(std::string(kAppTitle) + " Help"));
    resize(860, 620);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildContentsTab(), tr("&Contents"));
    tabs_->addTab(BuildIndexTab(), tr("&Index"));

    page_ = new QTextBrowser(this);
    page_->setOpenLinks(false);
    connect(page_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { FollowLink(url); });

    back_ = new QPushButton(tr("&Back"), this);
    back_->setEnabled(false);
    connect(back_, &QPushButton::clicked, this, [this] { Back(); });

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addStretch();
    rightLayout->addLayout(bar);
    rightLayout->addWidget(page_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({320, 540});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

QWidget* HelpWindow::BuildContentsTab() {
    auto* tab = new QWidget(this);
    contents_ = new QTreeWidget(tab);
    contents_->setHeaderHidden(true);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr && item->data(0, kTopicRole).isValid()) {
            ShowTopic(static_cast<std::size_t>(item->data(0, kTopicRole).toULongLong()));
        }
    });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(contents_);
    return tab;
}

QWidget* HelpWindow::BuildIndexTab() {
    auto* tab = new QWidget(this);
    auto* prompt =
        new QLabel(tr("&Type the first few letters of the word you're looking for:"), tab);
    prompt->setWordWrap(true);
    indexField_ = new QLineEdit(tab);
    prompt->setBuddy(indexField_);
    indexField_->installEventFilter(this);
    connect(indexField_, &QLineEdit::textChanged, this, [this] { FilterKeywords(); });
    connect(indexField_, &QLineEdit::returnPressed, this, [this] { DisplayKeyword(); });

    keywords_ = new QListWidget(tab);
    connect(keywords_, &QListWidget::itemActivated, this, [this] { DisplayKeyword(); });

    topicsFoundLabel_ = new QLabel(tr("Topics found:"), tab);
    topicsFound_ = new QListWidget(tab);
    topicsFound_->setMaximumHeight(110);
    topicsFoundLabel_->hide();
    topicsFound_->hide();
    connect(topicsFound_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ShowTopic(static_cast<std::size_t>(item->data(kTopicRole).toULongLong()));
    });
    connect(topicsFound_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowTopic(static_cast<std::size_t>(item->data(kTopicRole).toULongLong()));
    });

    display_ = new QPushButton(tr("&Display"), tab);
    connect(display_, &QPushButton::clicked, this, [this] { DisplayKeyword(); });

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(prompt);
    layout->addWidget(indexField_);
    layout->addWidget(keywords_, 1);
    layout->addWidget(topicsFoundLabel_);
    layout->addWidget(topicsFound_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(display_);
    layout->addLayout(buttons);
    return tab;
}

bool HelpWindow::Open(const std::string& path) {
    if (file_ && path == path_) {
        return true;
    }
    Clear();
    path_ = path;
    HelpFileLoad load = LoadHelpFile(path);
    if (!load.file) {
        ShowProblem(path, load);
        return false;
    }
    file_ = std::move(load.file);
    FillContents();
    FilterKeywords();
    return true;
}

void HelpWindow::Clear() {
    file_.reset();
    current_.reset();
    history_.clear();
    back_->setEnabled(false);
    contents_->clear();
    keywords_->clear();
    topicsFound_->clear();
    topicsFoundLabel_->hide();
    topicsFound_->hide();
    page_->clear();
}

void HelpWindow::ShowProblem(const std::string& path, const HelpFileLoad& load) {
    QString text = path.empty() ? tr("No Help file was given.")
                                : tr("The Help file %1 cannot be shown.").arg(Text(path));
    text = "<p>" + text.toHtmlEscaped() + "</p><p>" + Text(load.problem).toHtmlEscaped();
    if (load.line > 0) {
        text += " " + tr("(line %1)").arg(load.line);
    }
    page_->setHtml(text + "</p>");
}

void HelpWindow::FillContents() {
    const QSignalBlocker blocker(contents_);
    contents_->clear();
    for (const ContentsGroup& group : file_->Contents()) {
        QTreeWidgetItem* book = nullptr;
        if (!group.book.empty()) {
            book = new QTreeWidgetItem(contents_, {Text(group.book)});
        }
        for (const std::size_t topic : group.topics) {
            const QStringList title{Text(file_->Topics()[topic].title)};
            auto* item = book != nullptr ? new QTreeWidgetItem(book, title)
                                         : new QTreeWidgetItem(contents_, title);
            item->setData(0, kTopicRole, QVariant::fromValue<qulonglong>(topic));
        }
    }
    contents_->expandAll();
}

void HelpWindow::FilterKeywords() {
    keywords_->clear();
    if (!file_) {
        return;
    }
    matches_ = file_->FindKeywords(indexField_->text().toStdString());
    for (const std::size_t entry : matches_.entries) {
        auto* item = new QListWidgetItem(Text(file_->Index()[entry].keyword), keywords_);
        item->setData(kEntryRole, QVariant::fromValue<qulonglong>(entry));
    }
    if (!matches_.entries.empty()) {
        keywords_->setCurrentRow(static_cast<int>(matches_.best));
    }
}

void HelpWindow::ShowContents() {
    tabs_->setCurrentIndex(kContentsTab);
    if (file_ && !file_->Topics().empty()) {
        ShowTopic(std::size_t{0});
    }
    contents_->setFocus();
}

void HelpWindow::ShowIndex(const std::string& keyword) {
    tabs_->setCurrentIndex(kIndexTab);
    indexField_->setText(Text(keyword));
    FilterKeywords();
    indexField_->selectAll();
    indexField_->setFocus();
}

bool HelpWindow::ShowTopic(std::string_view id) {
    if (!file_) {
        return false;
    }
    const auto topic = file_->IndexOf(id);
    if (!topic) {
        return false;
    }
    ShowTopic(*topic);
    return true;
}

void HelpWindow::ShowTopic(std::size_t topic) {
    Show(topic, true);
}

void HelpWindow::Show(std::size_t topic, bool remember) {
    if (!file_ || topic >= file_->Topics().size()) {
        return;
    }
    const HelpTopic& shown = file_->Topics()[topic];
    page_->setHtml("<h2>" + Text(shown.title).toHtmlEscaped() + "</h2>\n" + Text(shown.body));
    if (remember && current_ != topic) {
        history_.push_back(topic);
    }
    current_ = topic;
    back_->setEnabled(history_.size() > 1);

    const QSignalBlocker blocker(contents_);
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QVariant value = (*it)->data(0, kTopicRole);
        if (value.isValid() && value.toULongLong() == topic) {
            contents_->setCurrentItem(*it);
            break;
        }
    }
}

void HelpWindow::Back() {
    if (history_.size() < 2) {
        return;
    }
    history_.pop_back();
    Show(history_.back(), false);
}

void HelpWindow::DisplayKeyword() {
    if (!file_ || keywords_->currentItem() == nullptr) {
        return;
    }
    const auto entry =
        static_cast<std::size_t>(keywords_->currentItem()->data(kEntryRole).toULongLong());
    const std::vector<std::size_t>& topics = file_->Index()[entry].topics;
    topicsFound_->clear();
    for (const std::size_t topic : topics) {
        auto* item = new QListWidgetItem(Text(file_->Topics()[topic].title), topicsFound_);
        item->setData(kTopicRole, QVariant::fromValue<qulonglong>(topic));
    }
    const bool several = topics.size() > 1;
    topicsFoundLabel_->setVisible(several);
    topicsFound_->setVisible(several);
    if (!topics.empty()) {
        topicsFound_->setCurrentRow(0);
        ShowTopic(topics.front());
    }
}

void HelpWindow::FollowLink(const QUrl& url) {
    const QString target = url.toString();
    const QString scheme = Text(HelpFile::kTopicScheme);
    if (target.startsWith(scheme)) {
        ShowTopic(target.mid(scheme.size()).toStdString());
        return;
    }
    QDesktopServices::openUrl(url);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == indexField_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && keywords_->count() > 0) {
            const int row = keywords_->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            keywords_->setCurrentRow(std::clamp(row, 0, keywords_->count() - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pellory::helpqt
