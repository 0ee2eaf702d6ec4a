#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

// Quits the event loop once the first paint of a window with the given title
// has been delivered.
class QuitOnFirstPaint : public QObject {
public:
    explicit QuitOnFirstPaint(QString title) : title_(std::move(title)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->window()->windowTitle() == title_) {
                done_ = true;
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    QString title_;
    bool done_ = false;
};
