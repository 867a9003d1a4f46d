#include "ui/file_drop.h"

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
    FileDropFilter(QLineEdit& box, std::function<bool()> locked, std::function<void()> dropped)
        : QObject(&box), box_(box), locked_(std::move(locked)), dropped_(std::move(dropped)) {}

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
        if (dragged.kind == Dragged::Unusable || locked_()) {
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
        if (dropped_)
            dropped_();
    }

    QLineEdit& box_;
    std::function<bool()> locked_;
    std::function<void()> dropped_;
};

} // namespace

void acceptFileDrops(QLineEdit& box, std::function<bool()> locked, std::function<void()> dropped) {
    box.setAcceptDrops(true);
    box.installEventFilter(new FileDropFilter(box, std::move(locked), std::move(dropped)));
}

} // namespace vormak::ui
