#include "ui/result_list.h"

#include "ui/form1.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>

namespace vormak::ui {

namespace {

// Composes a line's tooltip only when the pointer rests on it: the list may
// hold a million lines.
class RecordTips : public QObject {
public:
    RecordTips(QListWidget& list, const Engine& engine)
        : QObject(&list), list_(list), engine_(engine) {
        list.viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = list_.indexAt(help->pos());
        if (!index.isValid())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(),
                               recordsTip(engine_, static_cast<size_t>(index.row())),
                               list_.viewport(), list_.visualRect(index));
        return true;
    }

private:
    QListWidget& list_;
    const Engine& engine_;
};

} // namespace

QString recordsTip(const Engine& engine, size_t finding) {
    if (finding >= engine.findings().size())
        return {};
    const Finding& f = engine.findings()[finding];
    QStringList records;
    for (auto [side, entry] :
         {std::pair{Side::Mobile, f.mobileEntry}, std::pair{Side::AddressBook, f.addressEntry}}) {
        if (entry == 0)
            continue;
        const KeyTable& table = engine.KeyTbl(side);
        const std::vector<Text>& titles = engine.titleFields(side);
        QStringList lines = {(side == Side::Mobile ? QStringLiteral(u"携帯側 件番号")
                                                   : QStringLiteral(u"住所録側 件番号")) +
                             QString::number(entry)};
        for (int column = 1; column <= table.columns(); ++column) {
            const size_t at = static_cast<size_t>(column - 1);
            QString title = at < titles.size() ? toQString(titles[at]) : QString();
            if (title.isEmpty())
                title = QString::number(column).rightJustified(2);
            lines.push_back(title + QLatin1String(": ") + toQString(table.cell(entry, column)));
        }
        records.push_back(lines.join(u'\n').toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    }
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>")
        .arg(records.join(QStringLiteral("<br><br>")));
}

void equipResultList(Form1& form) {
    auto* list = form.control<QListWidget>("ChkLst");
    auto add = [list](const char* name, const char16_t* caption, QKeySequence::StandardKey key,
                      std::function<void()> handler) {
        auto* action = new QAction(QString::fromUtf16(caption), list);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(action, &QAction::triggered, list, std::move(handler));
        list->addAction(action);
        return action;
    };
    add("DeleteLinesAction", u"削除", QKeySequence::Delete, [&form] {
        form.runGuarded([&form] { form.engine().Command11_Click(); });
    })->setProperty(kLockedInOperation, true);
    add("SelectAllLinesAction", u"すべて選択", QKeySequence::SelectAll,
        [list] { list->selectAll(); });
    add("CopyLinesAction", u"コピー", QKeySequence::Copy, [&form] {
        QString text;
        for (size_t row : form.window().selectedFindings())
            text += toQString(form.engine().findings()[row].line) + u'\n';
        QGuiApplication::clipboard()->setText(text);
    });
    list->setContextMenuPolicy(Qt::ActionsContextMenu);

    new RecordTips(*list, form.engine());
    QObject::connect(list, &QListWidget::doubleClicked, &form, [&form](const QModelIndex& index) {
        form.runGuarded(
            [&form, row = static_cast<size_t>(index.row())] { form.engine().showEntry(row); });
    });
}

} // namespace vormak::ui
