#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "app/activation.h"
#include "app/panel_layout.h"
#include "app/panel_style.h"
#include "panel/change_handlers.h"
#include "panel/stepping.h"
#include "render/help_request.h"
#include "render/render_request.h"
#include "util/messages.h"

namespace halvane {

namespace {

// No number needs more; a box that took any length would make every
// handler that reads it (and the closing) slow with a pasted page of text.
constexpr int NumberBoxCharacters = 64;

// Twips to one screen pixel: they follow the screen's logical DPI.
double twipsPerScreenPixel(int logicalDpi) { return 1440.0 / std::max(1, logicalDpi); }

// Raises the count of running handlers for as long as it lives, however the
// handler ends.
class HandlerCount {
public:
    explicit HandlerCount(int& count) : count_(++count) {}
    ~HandlerCount() { --count_; }
    HandlerCount(const HandlerCount&) = delete;
    HandlerCount& operator=(const HandlerCount&) = delete;

private:
    int& count_;
};

// A run shows at most 30 passes a second, whatever the machine's speed.
constexpr double leastPassSeconds = 1.0 / 30;

// The message of a handler abandoned by a fault, naming the fault.
std::string failureText(int je, const std::string& what)
{
    return (je == Japanese ? "処理を中止しました: " : "The request was stopped: ") + what;
}

}  // namespace

MainWindow::MainWindow(Halvane& h, Ports ports)
    : h_(h), ports_(ports), messages_(ports.messages),
      // The surface holds device pixels, finer than screen pixels on a dense screen.
      surface_(QSize(1, 1), twipsPerScreenPixel(logicalDpiX()) / devicePixelRatioF(),
               twipsPerScreenPixel(logicalDpiY()) / devicePixelRatioF(), devicePixelRatioF()),
      events_([this] { view_->updateIfChanged(); }, [this] { view_->repaintIfChanged(); }, [this] { return ending_; })
{
    setWindowTitle(h.positionModel == PositionModel::Precise ? QStringLiteral("Halvane (precise)")
                                                             : QStringLiteral("Halvane"));
    surface_.setFontFamily(chartFontFamily);
    view_ = new SurfaceView(surface_, this);
    view_->onMouseUp = [this](double x, double y) { guarded([&] { renderRequest(x, y); }); };
    buildPanel();
    h_.panel.onChanged = [this](Control control) { mirror(control); };
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
}

void MainWindow::guarded(const std::function<void()>& handler)
{
    if (ending_) return;
    {
        const HandlerCount running(handlersRunning_);
        try {
            handler();
        } catch (const ProgramEnd&) {
            ending_ = true;
        } catch (const std::exception& failure) {
            messages_.show(failureText(h_.vars.je, failure.what()));
        } catch (...) {
            messages_.show(failureText(h_.vars.je, "an unknown fault"));
        }
    }
    if (ending_ && handlersRunning_ == 0) close();
}

void MainWindow::renderRequest(double x, double y)
{
    Form_MouseUp(h_, {surface_, ports_.clock, ports_.random, events_, leastPassSeconds}, x, y);
    view_->updateIfChanged();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing cannot be cancelled: the closing steps run at the first
    // request, and inside a handler the window stays until the handler has
    // let go of it, and closes then.
    if (onClosing && !closing_) {
        closing_ = true;
        onClosing();
    }
    ending_ = true;
    if (handlersRunning_ > 0) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::buildPanel()
{
    const double tx = twipsPerScreenPixel(logicalDpiX()), ty = twipsPerScreenPixel(logicalDpiY());
    for (const PlacedControl& c : panelLayout()) {
        QWidget* widget = nullptr;
        switch (c.kind) {
        case PlacedControl::Text: {
            auto* edit = new QLineEdit(this);
            edit->setMaxLength(NumberBoxCharacters);
            const auto id = static_cast<TextBox>(c.id);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { guarded([&] { setText(h_, id, text.toStdString()); }); });
            texts_[static_cast<size_t>(c.id)] = edit;
            widget = edit;
            break;
        }
        case PlacedControl::Combo: {
            auto* combo = new PanelComboBox(this);
            const auto id = static_cast<ComboBox>(c.id);
            connect(combo, &QComboBox::activated, this, [this, id](int index) {
                guarded([&] {
                    const auto& entries = h_.panel.box(id).entries;
                    if (index >= 0 && static_cast<size_t>(index) < entries.size())
                        setShown(h_, id, entries[static_cast<size_t>(index)]);
                });
            });
            combos_[static_cast<size_t>(c.id)] = combo;
            widget = combo;
            break;
        }
        case PlacedControl::Button: {
            auto* button = new QPushButton(QString::fromUtf8(c.caption), this);
            const auto id = static_cast<CommandButton>(c.id);
            if (id == Command10)
                connect(button, &QPushButton::clicked, this, [this] { guarded([&] { showHelp(); }); });
            else
                connect(button, &QPushButton::clicked, this,
                        [this, id] { guarded([&] { pressStepButton(h_, messages_, id); }); });
            widget = button;
            break;
        }
        }
        widget->setGeometry(static_cast<int>(c.left / tx), static_cast<int>(c.top / ty), static_cast<int>(c.width / tx),
                            static_cast<int>(c.height / ty));
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) styleTextBox(edit);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // A box may widen up to the panel's width for its entries.
            combo->setMinimumWidth(combo->width());
            combo->setMaximumWidth(std::max(combo->width(), static_cast<int>(panelWidth() / tx)));
            styleSelectionBox(combo);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget))
            styleButton(button, static_cast<int>(visibleWidth(c) / tx));
    }
}

void MainWindow::mirror(Control control)
{
    if (control.kind == Control::Text) {
        QLineEdit* edit = texts_[static_cast<size_t>(control.id)];
        const QString text = QString::fromStdString(h_.panel.text(static_cast<TextBox>(control.id)));
        if (edit && edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0);  // a long number shows its sign and first digits
        }
        return;
    }
    QComboBox* combo = combos_[static_cast<size_t>(control.id)];
    if (!combo) return;
    const SelectionBox& box = h_.panel.box(static_cast<ComboBox>(control.id));
    QStringList entries;
    for (const auto& entry : box.entries) entries << QString::fromStdString(entry);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
    if (current != entries) {
        combo->clear();
        combo->addItems(entries);
        fitListToEntries(combo);
    }
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(QString::fromStdString(box.shown))));
}

bool MainWindow::event(QEvent* event)
{
    // The flag is set first: a message box shown on the way re-activates
    // the window.
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        guarded([&] { firstActivation(h_, {surface_, ports_.clock, ports_.random, events_}, messages_); });
        view_->updateIfChanged();
    }
    return QWidget::event(event);
}

void MainWindow::showHelp()
{
    helpRequest(h_, surface_);
    view_->updateIfChanged();
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    surface_.resize(size() * surface_.pixelRatio());
    view_->setGeometry(rect());
    view_->lower();
}

}  // namespace halvane
