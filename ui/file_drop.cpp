#include "ui/file_drop.h"

#include "ui/form1.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace vormak::ui {

namespace {

enum class Dragged { NoFiles, Unusable, OneFile };

struct DraggedFiles {
    Dragged kind = Dragged::NoFiles;
    QString path;
};

// A drag from a file manager carries file URLs. Exactly one local file that is
// not a folder can go into a path box; anything else that carries files is
// refused, and a drag without files (plain text) is left to the box itself.
DraggedFiles classify(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {Dragged::Unusable, {}};
    const QString path = urls.front().toLocalFile();
    if (QFileInfo(path).isDir())
        return {Dragged::Unusable, {}};
    return {Dragged::OneFile, path};
}

class FileDropFilter : public QObject {
public:
    // side: 1 or 2 for an input box, 0 for the result file box.
    FileDropFilter(Form1& form, QLineEdit& box, int side)
        : QObject(&box), form_(form), box_(box), side_(side) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        // QDragEnterEvent and QDragMoveEvent derive from QDropEvent.
        auto* drop = static_cast<QDropEvent*>(event);
        const DraggedFiles dragged = classify(drop->mimeData());
        if (dragged.kind == Dragged::NoFiles)
            return false;
        if (dragged.kind == Dragged::Unusable || form_.operationLocked()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop)
            take(dragged.path);
        return true;
    }

private:
    void take(const QString& path) {
        box_.setText(path);
        if (side_ != 0)
            form_.runGuarded([this] { form_.engine().ChkFile_LostFocus(side_); });
    }

    Form1& form_;
    QLineEdit& box_;
    int side_;
};

} // namespace

void acceptFileDrops(Form1& form) {
    const std::pair<const char*, int> boxes[] = {
        {"ChkFile(1)", 1}, {"ChkFile(2)", 2}, {"KekkaFile", 0}};
    for (const auto& [name, side] : boxes) {
        auto* box = form.control<QLineEdit>(name);
        box->setAcceptDrops(true);
        box->installEventFilter(new FileDropFilter(form, *box, side));
    }
}

} // namespace vormak::ui
