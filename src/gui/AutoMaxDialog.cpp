#include "gui/AutoMaxDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/Colors.h"

namespace pellory::gui {

AutoMaxDialog::AutoMaxDialog(FrmAutoMax& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_(model, [this] { CloseIfDone(); }) {
    setModal(true);
    setWindowTitle(QString::fromStdString(model_.Caption()));
    // The controls keep the order and the sizes of the editor's own layout as their least;
    // every caption and message is shown whole, so the window grows to what its fonts need.
    QWidget* previous = nullptr;
    for (const Placement& place : model_.Layout()) {
        QWidget* widget = Create(place);
        widget->setMinimumSize(TwipsToPixels(place.width), TwipsToPixels(place.height));
        if (widget->focusPolicy() != Qt::NoFocus && qobject_cast<QLabel*>(widget) == nullptr) {
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    auto* fields = new QGridLayout;
    const std::pair<const Control*, const Control*> rows[] = {
        {&model_.lblYear, &model_.txtYear},   {&model_.lblYear1, &model_.txtYear1},
        {&model_.lblYear2, &model_.txtYear2}, {&model_.lblYear3, &model_.txtYear3},
        {&model_.lblYear4, &model_.txtYear4},
    };
    int row = 0;
    for (const auto& [label, box] : rows) {
        fields->addWidget(WidgetFor(*label), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        fields->addWidget(WidgetFor(*box), row, 1);
        ++row;
    }
    fields->setRowStretch(row, 1);
    auto* buttons = new QVBoxLayout;
    for (const Button* button : {&model_.cmdNext, &model_.cmdPrevious, &model_.cmdDelete,
                                 &model_.cmdAdd, &model_.cmdSave, &model_.cmdClose}) {
        buttons->addWidget(WidgetFor(*button));
    }
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addSpacing(TwipsToPixels(3240 - 1440 - 1215));
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(WidgetFor(model_.stbAuto));
    layout->setSizeConstraint(QLayout::SetFixedSize);  // fixed border, sized to fit
    binder_.TieLabels();
    // Ctrl+G asks for a year and shows its record.
    auto* goTo = new QAction(this);
    goTo->setShortcut(Qt::CTRL | Qt::Key_G);
    QObject::connect(goTo, &QAction::triggered, this, [this] {
        bool ok = false;
        const QString year = QInputDialog::getText(
            this, windowTitle(), QStringLiteral("Go to year:"), QLineEdit::Normal, {}, &ok);
        if (ok && !year.trimmed().isEmpty()) {
            binder_.Run([this, &year] { model_.GoToYear(year.trimmed().toStdString()); });
        }
    });
    addAction(goTo);
}

QWidget* AutoMaxDialog::Create(const Placement& place) {
    auto* control = const_cast<Control*>(place.control);
    QWidget* widget = nullptr;
    if (auto* label = dynamic_cast<Label*>(control)) {
        auto* view = new QLabel(this);
        if (place.singleBorder) {
            // The status line: long messages wrap onto more lines instead of widening the window.
            view->setFrameStyle(QFrame::Box | QFrame::Plain);
            view->setAutoFillBackground(true);
            view->setWordWrap(true);
            view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            QPalette palette = view->palette();
            palette.setColor(QPalette::Window, ToQColor(label->backColor, palette));
            view->setPalette(palette);
        }
        binder_.Bind(view, *label);
        widget = view;
    } else if (auto* box = dynamic_cast<TextBox*>(control)) {
        auto* view = new QLineEdit(this);
        binder_.Bind(view, *box);
        widget = view;
    } else {
        auto* view = new QPushButton(this);
        binder_.Bind(view, *dynamic_cast<Button*>(control));
        widget = view;
    }
    widgets_[control] = widget;
    return widget;
}

QWidget* AutoMaxDialog::WidgetFor(const Control& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void AutoMaxDialog::Refresh() {
    binder_.Refresh();
}

void AutoMaxDialog::CloseIfDone() {
    if (model_.Closed()) {
        accept();
    }
}

void AutoMaxDialog::reject() {
    // Esc and the title bar's close box go through Close, which offers to save.
    binder_.Run([this] { model_.cmdClose.Click(); });
}

void AutoMaxDialog::closeEvent(QCloseEvent* event) {
    if (!model_.Closed()) {
        event->ignore();
        reject();
    }
}

void AutoMaxDialog::Run(FrmAutoMax& model, QWidget* parent) {
    std::optional<ScreenSize> screen;
    if (parent != nullptr && parent->screen() != nullptr) {
        const QSize size = parent->screen()->size();
        screen = ScreenSize{size.width() * 15, size.height() * 15};
    }
    model.Load(screen);
    model.ShowLatestYear();
    AutoMaxDialog dialog(model, parent);
    dialog.move(TwipsToPixels(model.Left()), TwipsToPixels(model.Top()));
    dialog.exec();
}

}  // namespace pellory::gui
