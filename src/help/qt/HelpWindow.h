#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "help/HelpFile.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace pellory::helpqt {

// The help viewer's window: a Contents tab with the books and their topics, an Index tab with
// a search field that narrows the keyword list, and the page of the topic in view. Esc closes
// it.
class HelpWindow : public QWidget {
  public:
    static constexpr int kContentsTab = 0;
    static constexpr int kIndexTab = 1;

    explicit HelpWindow(QWidget* parent = nullptr);

    // Reads the help file unless it is the one already shown; when it cannot be read the page
    // says why and the contents and index stay empty. True when the help is in view.
    bool Open(const std::string& path);
    // The Contents tab with the first topic.
    void ShowContents();
    // The Index tab with `keyword` in the search field, which has the focus.
    void ShowIndex(const std::string& keyword);
    // Shows a topic by its id; false when there is none of that id.
    bool ShowTopic(std::string_view id);
    void ShowTopic(std::size_t topic);
    // The topic shown before the current one.
    void Back();
    // Shows the first topic of the keyword selected in the index.
    void DisplayKeyword();

    const HelpFile* File() const { return file_ ? &*file_ : nullptr; }
    std::optional<std::size_t> CurrentTopic() const { return current_; }

    QTabWidget* tabs() const { return tabs_; }
    QTreeWidget* contents() const { return contents_; }
    QLineEdit* indexField() const { return indexField_; }
    QListWidget* keywords() const { return keywords_; }
    QListWidget* topicsFound() const { return topicsFound_; }
    QPushButton* displayButton() const { return display_; }
    QPushButton* backButton() const { return back_; }
    QTextBrowser* page() const { return page_; }

  protected:
    // Up and Down in the search field move through the keyword list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildContentsTab();
    QWidget* BuildIndexTab();
    void Clear();
    void FillContents();
    void FilterKeywords();
    void FollowLink(const QUrl& url);
    void Show(std::size_t topic, bool remember);
    void ShowProblem(const std::string& path, const HelpFileLoad& load);

    std::optional<HelpFile> file_;
    std::string path_;
    std::optional<std::size_t> current_;
    std::vector<std::size_t> history_;
    IndexMatches matches_;

    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexField_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QLabel* topicsFoundLabel_ = nullptr;
    QListWidget* topicsFound_ = nullptr;
    QPushButton* display_ = nullptr;
    QPushButton* back_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

}  // namespace pellory::helpqt
