#include "framework/EventFilter.h"

EventFilter::EventFilter(QObject* watched, Handler handler)
    : watched_(watched), handler_(std::move(handler)) {
    watched_->installEventFilter(this);
}

bool EventFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_) return handler_(event);
    return false;
}
