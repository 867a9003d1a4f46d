#include "ui/menu_bar.h"

#include <QAbstractButton>
#include <QMenuBar>

namespace vormak::ui {

namespace {

enum class MenuKind { Menu, Item, Switch, Separator };

struct MenuRow {
    MenuKind kind;
    const char* name = nullptr;
    const char16_t* caption = nullptr;
    const char* button = nullptr; // the button the item presses
    bool locked = false;          // disabled while an operation runs
};

using M = MenuKind;

// The letters of the option and help menus are shown but not bound: Alt+O and
// Alt+H belong to the buttons ﾌｧｲﾙ書出し and ヘルプ. Alt+F opens the bar, the
// arrow keys go on from there.
const MenuRow kMenus[] = {
    {M::Menu, "FileMenu", u"ファイル(&F)"},
    {M::Item, "MobileFileAction", u"携帯側ファイル指定...", "Command1", true},
    {M::Item, "AddressFileAction", u"住所録側ファイル指定...", "Command2", true},
    {M::Item, "ResultFileAction", u"検査結果ファイル指定...", "Command10", true},
    {M::Separator},
    {M::Item, "WriteResultAction", u"結果をﾌｧｲﾙへ書出し", "Command9", true},
    {M::Separator},
    {M::Item, "ExitAction", u"処理終了", "Command4"},
    {M::Menu, "OptionMenu", u"検査オプション(O)"},
    {M::Switch, "FoldReadingsAction", u"読みの表記ゆれを無視", nullptr, true},
    {M::Switch, "FoldNumbersAction", u"電話番号の表記を揃える", nullptr, true},
    {M::Menu, "HelpMenu", u"ヘルプ(H)"},
    {M::Item, "HelpContentsAction", u"目次", "Command13"},
    {M::Item, "AboutAction", u"バージョン情報"},
};

} // namespace

ActionMap createMenus(QMenuBar& bar, const ControlMap& controls) {
    ActionMap actions;
    QMenu* menu = nullptr;
    for (const MenuRow& row : kMenus) {
        const QString caption = QString::fromUtf16(row.caption);
        if (row.kind == M::Menu) {
            menu = bar.addMenu(caption);
            menu->setObjectName(QString::fromLatin1(row.name));
            continue;
        }
        if (row.kind == M::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setCheckable(row.kind == M::Switch);
        action->setProperty(kLockedInOperation, row.locked);
        if (row.button) {
            auto* button = qobject_cast<QAbstractButton*>(controls.at(row.button));
            QObject::connect(action, &QAction::triggered, button, [button] { button->click(); });
        }
        actions.emplace(row.name, action);
    }
    return actions;
}

} // namespace vormak::ui
