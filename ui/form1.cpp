#include "ui/form1.h"

#include "ui/file_drop.h"
#include "ui/result_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcutEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <stdexcept>

namespace vormak::ui {

Form1::Form1(QWidget* parent)
    : QWidget(parent), menuBar_(new QMenuBar(this)), client_(new QWidget(this)),
      controls_(createControls(client_)), actions_(createMenus(*menuBar_, controls_)),
      adapter_(*this), engine_(adapter_), presenter_(std::make_unique<MessageBoxPresenter>()),
      fileChooser_(std::make_unique<DialogFileChooser>(this)),
      pump_(std::make_unique<QtEventPump>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf16(kWindowCaption));
    setFont(fontFor(FontRole::Normal));
    // The menu bar adds its height on top of the fixed client area.
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order by the controls' tab indexes.
    std::vector<const ControlRow*> tabStops;
    for (const ControlRow& row : controlTable())
        if (row.tabIndex != kNoTabStop)
            tabStops.push_back(&row);
    std::sort(tabStops.begin(), tabStops.end(),
              [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(control(tabStops[i - 1]->name), control(tabStops[i]->name));

    fileBoxes_ = {control("ChkFile(1)"), control("ChkFile(2)")};
    for (QWidget* box : fileBoxes_)
        box->installEventFilter(this);
    for (auto& [name, widget] : controls_)
        if (qobject_cast<QAbstractButton*>(widget))
            widget->installEventFilter(this);

    // The caption writes its letter without an ampersand; the key is bound here.
    control<QAbstractButton>("Command5")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));

    connectHandlers();
    connectPrintAndHelp(*this);
    equipResultList(*this);
    for (Side side : kBothSides)
        acceptFileDrops(
            *control<QLineEdit>(indexed("ChkFile", side)), [this] { return locked_; },
            [this, side] { inspectFile(side); });
    acceptFileDrops(*control<QLineEdit>("KekkaFile"), [this] { return locked_; }, {});
    layout->activate();
}

Form1::~Form1() {
    // Children die after this body; their focus changes must not reach the
    // engine any more.
    for (auto& [name, widget] : controls_)
        widget->removeEventFilter(this);
}

void Form1::centreOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

QWidget* Form1::control(std::string_view name) const {
    auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

QAction* Form1::action(std::string_view name) const {
    auto it = actions_.find(name);
    if (it == actions_.end())
        throw std::out_of_range("no menu item named " + std::string(name));
    return it->second;
}

void Form1::onClick(std::string_view button, std::function<void()> handler) {
    auto* b = control<QAbstractButton>(button);
    connect(b, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { runGuarded(handler); });
}

void Form1::runGuarded(const std::function<void()>& procedure) {
    try {
        procedure();
    } catch (const OperationAbandoned&) {
        // Already reported, or the window is closing.
    } catch (const std::exception&) {
        if (!closed_)
            message(u"処理中にエラーが発生したため、処理を中断しました。", MessageButtons::Ok,
                    MessageIcon::None, u"Vormak");
    }
}

void Form1::setMessagePresenter(std::unique_ptr<MessagePresenter> presenter) {
    presenter_ = std::move(presenter);
}

void Form1::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    fileChooser_ = std::move(chooser);
}

void Form1::setEventPump(std::unique_ptr<EventPump> pump) {
    pump_ = std::move(pump);
}

MessageAnswer Form1::message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                             std::u16string_view title) {
    if (closed_)
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    return presenter_->present(
        this, {displayLines(text), buttons, icon, QString::fromUtf16(title.data(), title.size())});
}

void Form1::setBusy(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Form1::setOperationLocked(bool locked) {
    if (locked == locked_)
        return;
    locked_ = locked;
    if (locked) {
        // Park the focus on the window itself, so that disabling the focused
        // control does not hand the focus to another one (and, after the run,
        // Enter does not press a button the user never chose).
        focusBeforeLock_ = QApplication::focusWidget();
        setFocus(Qt::OtherFocusReason);
    }
    for (const ControlRow& row : controlTable())
        if (row.flags & LockedInOperation)
            control(row.name)->setEnabled(!locked);
    for (QAction* action : findChildren<QAction*>())
        if (action->property(kLockedInOperation).toBool())
            action->setEnabled(!locked);
    if (!locked && focusBeforeLock_ && focusBeforeLock_->isEnabled() &&
        focusBeforeLock_->isVisible())
        focusBeforeLock_->setFocus(Qt::OtherFocusReason);
}

bool Form1::yield() {
    if (!closed_)
        pump_->processPendingEvents();
    return !closed_;
}

void Form1::closeEvent(QCloseEvent* event) {
    // An operation in progress sees the close at its next yield and ends
    // quietly; the program ends when its handler has returned.
    closed_ = true;
    event->accept();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window, a popup or a message box is not leaving
        // the box.
        const bool leaving =
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !closed_;
        for (Side side : kBothSides)
            if (leaving && watched == fileBoxes_[sideIndex(side)])
                inspectFile(side);
        return false;
    }
    if (event->type() == QEvent::Shortcut) {
        // An access key moves the focus to its button before the button acts,
        // as a click does, so an inspection pending in a file box runs first.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled())
            return false;
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vormak::ui
