#include "ui/control_factory.h"

#include "ui/one_character_validator.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

namespace vormak::ui {

namespace {

const QColor kLightYellow(255, 255, 192);
const QColor kBlue(0, 0, 192);
const QColor kDarkRed(128, 0, 0);

QString fromUtf16(const char16_t* text) {
    return QString::fromUtf16(text);
}

QRect pixels(const TwipRect& r) {
    return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
            r.height / kTwipsPerPixel};
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    const QString caption = fromUtf16(row.caption);
    switch (row.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        // Every frame draws its caption the same way; some in colour.
        QString colour = QStringLiteral("palette(window-text)");
        if (row.flags & BlueCaption)
            colour = kBlue.name();
        else if (row.flags & RedCaption)
            colour = kDarkRed.name();
        // The caption starts close to the left edge: the longest captions
        // fill their frames almost to the right edge.
        frame->setStyleSheet(
            QStringLiteral("QGroupBox::title { color: %1; subcontrol-origin: margin; left: 2px; "
                           "padding: 0px 1px; }")
                .arg(colour));
        return frame;
    }
    case ControlKind::Group:
        return new QWidget(parent);
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        if (row.font == FontRole::Message) {
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, kDarkRed);
            label->setPalette(p);
        }
        if (row.flags & RightAligned)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        if (row.flags & RightAligned)
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (row.flags & DirectInput) {
            box->setAttribute(Qt::WA_InputMethodEnabled, false);
            box->setInputMethodHints(Qt::ImhDigitsOnly);
        }
        if (row.flags & OneCharacter)
            box->setValidator(new OneCharacterValidator(box));
        if (row.flags & Yellow) {
            QPalette p = box->palette();
            p.setColor(QPalette::Base, kLightYellow);
            box->setPalette(p);
        }
        return box;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(caption, parent);
        check->setChecked(row.flags & On);
        return check;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(row.flags & On);
        return option;
    }
    case ControlKind::List: {
        auto* list = new QListWidget(parent);
        // Every line is one text row: the view may lay out a thousand lines
        // without measuring each of them.
        list->setUniformItemSizes(true);
        if (row.flags & MultiSelect)
            list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        return list;
    }
    }
    throw std::logic_error("unknown control kind");
}

// Tab and Shift+Tab enter a group of options on its selected option, from
// where the arrow keys move the selection. Qt makes the option that takes the
// focus the group's one tab stop, but only then: until an option of the group
// has had the focus, and after the program has selected another one, Tab
// lands on the group's first option, and Space there changes the selection.
// So the selected option is made the tab stop whenever the selection changes.
void keepSelectedOptionTheTabStop(QRadioButton* option) {
    const auto follow = [option](bool selected) {
        if (!selected)
            return;
        for (QRadioButton* other :
             option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            const int policy = other == option ? other->focusPolicy() | Qt::TabFocus
                                               : other->focusPolicy() & ~Qt::TabFocus;
            other->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
        }
    };
    QObject::connect(option, &QRadioButton::toggled, option, follow);
    follow(option->isChecked());
}

} // namespace

QFont fontFor(FontRole role) {
    QFont font;
    font.setStyleStrategy(QFont::PreferAntialias);
    switch (role) {
    case FontRole::Normal:
        font.setFamilies({QStringLiteral(u"ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
        font.setPixelSize(12);
        break;
    case FontRole::Bold:
        font.setFamilies({QStringLiteral(u"ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
        font.setPixelSize(15);
        font.setBold(true);
        break;
    case FontRole::Message:
        font.setFamilies({QStringLiteral(u"ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
        font.setPixelSize(21);
        font.setBold(true);
        break;
    case FontRole::Fixed:
        font.setFamilies({QStringLiteral(u"ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
        font.setPixelSize(12);
        font.setStyleHint(QFont::Monospace);
        break;
    }
    return font;
}

ControlMap createControls(QWidget* form) {
    ControlMap controls;
    for (const ControlRow& row : controlTable()) {
        QWidget* parent = form;
        if (row.container)
            parent = controls.at(row.container);
        QWidget* w = createWidget(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(pixels(row.rect));
        w->setFont(fontFor(row.font));
        if (row.tabIndex == kNoTabStop && row.kind != ControlKind::Label)
            w->setFocusPolicy(Qt::NoFocus);
        if (row.flags & Disabled)
            w->setEnabled(false);
        if (row.flags & Hidden)
            w->setVisible(false);
        if (row.helpTopic)
            w->setProperty("helpTopic", row.helpTopic);
        if (row.accessibleName)
            w->setAccessibleName(fromUtf16(row.accessibleName));
        controls.emplace(row.name, w);
    }
    for (auto& [name, w] : controls)
        if (auto* option = qobject_cast<QRadioButton*>(w))
            keepSelectedOptionTheTabStop(option);
    return controls;
}

} // namespace vormak::ui
