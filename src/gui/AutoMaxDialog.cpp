#include "gui/AutoMaxDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/Colors.h"

namespace pellory::gui {

AutoMaxDialog::AutoMaxDialog(FrmAutoMax& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_(model, [this] { CloseIfDone(); }) {
    setModal(true);
    setWindowTitle(QString::fromStdString(model_.Caption()));
    setFixedSize(TwipsToPixels(FrmAutoMax::kClientWidth), TwipsToPixels(FrmAutoMax::kClientHeight));
    QWidget* previous = nullptr;
    for (const Placement& place : model_.Layout()) {
        auto* control = const_cast<Control*>(place.control);
        QWidget* widget = nullptr;
        if (auto* label = dynamic_cast<Label*>(control)) {
            auto* view = new QLabel(this);
            if (place.singleBorder) {
                view->setFrameStyle(QFrame::Box | QFrame::Plain);
                view->setAutoFillBackground(true);
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
        } else if (auto* button = dynamic_cast<Button*>(control)) {
            auto* view = new QPushButton(this);
            binder_.Bind(view, *button);
            widget = view;
        }
        if (widget == nullptr) {
            continue;
        }
        widget->setGeometry(TwipsToPixels(place.left), TwipsToPixels(place.top),
                            TwipsToPixels(place.width), TwipsToPixels(place.height));
        widgets_[control] = widget;
        if (widget->focusPolicy() != Qt::NoFocus && dynamic_cast<Label*>(control) == nullptr) {
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    Refresh();
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
    AutoMaxDialog dialog(model, parent);
    dialog.move(TwipsToPixels(model.Left()), TwipsToPixels(model.Top()));
    dialog.exec();
}

}  // namespace pellory::gui
