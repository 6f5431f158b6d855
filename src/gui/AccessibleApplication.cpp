#include "gui/AccessibleApplication.h"

#include <QAccessibleApplication>
#include <QApplication>
#include <QMenu>

namespace pellory::gui {

namespace {

// The application's accessible interface with the open pop-up menus after its windows.
class AccessibleApplication : public QAccessibleApplication {
  public:
    int childCount() const override {
        return QAccessibleApplication::childCount() + static_cast<int>(OpenMenus().size());
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QMenu*> menus = OpenMenus();
        for (qsizetype i = 0; child != nullptr && i < menus.size(); ++i) {
            if (menus[i] == child->object()) {
                return QAccessibleApplication::childCount() + static_cast<int>(i);
            }
        }
        return QAccessibleApplication::indexOfChild(child);
    }

    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows) {
            return QAccessibleApplication::child(index);
        }
        const QList<QMenu*> menus = OpenMenus();
        return index - windows < menus.size()
                   ? QAccessible::queryAccessibleInterface(menus[index - windows])
                   : nullptr;
    }

  private:
    static QList<QMenu*> OpenMenus() {
        QList<QMenu*> menus;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(window); menu != nullptr && menu->isVisible()) {
                menus.append(menu);
            }
        }
        return menus;
    }
};

QAccessibleInterface* ApplicationInterface(const QString& className, QObject* object) {
    if (object == qApp && className == QLatin1String("QApplication")) {
        return new AccessibleApplication;  // owned by Qt's cache of interfaces
    }
    return nullptr;
}

}  // namespace

void ShowOpenMenusToScreenReaders() {
    static const bool installed = [] {
        QAccessible::installFactory(ApplicationInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace pellory::gui
