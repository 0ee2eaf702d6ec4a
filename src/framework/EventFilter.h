#pragma once

#include <QObject>
#include <functional>

// Lets a framework object that is not a QObject watch the events of a widget.
// Destroying the filter stops the watching.
class EventFilter : public QObject {
public:
    using Handler = std::function<bool(QEvent* event)>;

    EventFilter(QObject* watched, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* watched_;
    Handler handler_;
};
