#include "ui/help_window.h"

#include "ui/control_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <map>
#include <string>

namespace vormak::ui {

QString configuredHelpFile() {
    QString name = QStringLiteral(VORMAK_HELP_FILE);
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(name));
}

HelpWindow::HelpWindow(const QString& file, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(file), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ソルベック ヘルプ"));
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

void HelpWindow::showContents() {
    show(QStringLiteral("contents"));
}

void HelpWindow::showTopic(int topic) {
    show(QStringLiteral("topic%1").arg(topic));
}

void HelpWindow::show(const QString& anchor) {
    if (QFileInfo(file_).isFile()) {
        QUrl url = QUrl::fromLocalFile(file_);
        url.setFragment(anchor);
        browser_->setSource(url);
    } else {
        browser_->setHtml(QStringLiteral("<h2>ヘルプファイルが見つかりません</h2><p>%1</p>")
                              .arg(file_.toHtmlEscaped()));
    }
    QWidget::show();
    raise();
    activateWindow();
}

Help::Help(Window& window, QWidget* owner, QString file)
    : window_(window), owner_(owner), file_(std::move(file)) {}

bool Help::configured() {
    if (!file_.isEmpty())
        return true;
    window_.message(
        u"ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。",
        MessageButtons::Ok, MessageIcon::Information, kWindowCaption);
    return false;
}

void Help::showContents() {
    showTopic(0);
}

void Help::showTopic(int topic) {
    if (!configured())
        return;
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(file_, owner_);
    if (topic == 0)
        helpWindow_->showContents();
    else
        helpWindow_->showTopic(topic);
}

int helpTopicOf(const QWidget* widget) {
    static const std::map<std::string, int> topics = [] {
        std::map<std::string, int> m;
        for (const ControlRow& row : controlTable())
            if (row.helpTopic != 0)
                m[row.name] = row.helpTopic;
        return m;
    }();
    for (; widget; widget = widget->parentWidget()) {
        auto it = topics.find(widget->objectName().toStdString());
        if (it != topics.end())
            return it->second;
    }
    return 0;
}

} // namespace vormak::ui
