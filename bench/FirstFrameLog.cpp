#include "bench/FirstFrameLog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSet>
#include <QWindow>
#include <chrono>
#include <fstream>
#include <string>

namespace bench {
namespace {

class FirstFrameLog : public QObject {
public:
    explicit FirstFrameLog(std::string path) : path_(std::move(path)) {}

protected:
    // An expose paints the window's backing store and flushes it before its handling returns, so
    // the frame is on screen once the event has been delivered: the filter delivers it itself
    // and takes the time after.
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (delivering_ || event->type() != QEvent::Expose || window == nullptr ||
            framed_.contains(window)) {
            return false;
        }
        delivering_ = true;
        QCoreApplication::sendEvent(window, event);
        delivering_ = false;
        if (window->isExposed()) {
            framed_.insert(window);
            Append(*window);
        }
        return true;
    }

private:
    void Append(const QWindow& window) const {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::ofstream(path_, std::ios::app)
            << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << ' '
            << window.width() << 'x' << window.height() << '\n';
    }

    std::string path_;
    QSet<const QWindow*> framed_;
    bool delivering_ = false;
};

} // namespace

void InstallFirstFrameLogIfAsked() {
    const QByteArray path = qgetenv(kFrameLogVariable);
    if (path.isEmpty() || QCoreApplication::instance() == nullptr) {
        return;
    }
    auto* log = new FirstFrameLog(path.toStdString());
    log->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(log);
}

} // namespace bench
