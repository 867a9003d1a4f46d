#pragma once
// The program's help: an HTML file shown in a window of the program, its
// contents page for the help button and one section per help topic for F1.

#include "core/window.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vormak::ui {

// The help file fixed when the program was built. A relative name is taken
// from the program's own folder, so the bundled help is found both where the
// program is installed and in the build tree.
QString configuredHelpFile();

// The help window: a text browser on the help file.
class HelpWindow : public QWidget {
public:
    HelpWindow(const QString& file, QWidget* parent);

    // The contents page (the top of the file) or the section of one topic.
    void showContents();
    void showTopic(int topic);

    QTextBrowser* browser() const { return browser_; }

private:
    void show(const QString& anchor);

    QString file_;
    QTextBrowser* browser_;
};

// What the help button and F1 do: with no help file configured, the message
// that there is none; otherwise the help window, created on first use.
class Help {
public:
    Help(Window& window, QWidget* owner, QString file = configuredHelpFile());

    void showContents();
    // Topic 0 (a control without a topic) shows the contents.
    void showTopic(int topic);

private:
    bool configured();

    Window& window_;
    QWidget* owner_;
    QString file_;
    QPointer<HelpWindow> helpWindow_;
};

// Help topic of a control or, failing that, of its nearest container that has
// one (topic numbers of the control table); 0 when none has.
int helpTopicOf(const QWidget* widget);

} // namespace vormak::ui
