#pragma once

#include <utility>

#include "framework/Runtime.h"

// A value that only the GUI thread may use. Building it and every access to it
// check the thread first, and raise ThreadAccessingUIException off it before
// anything is read or changed. Windows, controls and menus keep all their
// state in one, so that none of their operations can skip the check.
//
// Destroying it checks nothing: the framework destroys its objects on the GUI
// thread, and a destructor must not raise. Unchecked is for those destructors.
template <class T>
class GuiThreadOnly {
public:
    template <class... Args>
    explicit GuiThreadOnly(Args&&... args)
        : value_((Runtime::RequireGuiThread(), T(std::forward<Args>(args)...))) {}
    GuiThreadOnly(const GuiThreadOnly&) = delete;
    GuiThreadOnly& operator=(const GuiThreadOnly&) = delete;

    // Replaces the value (an event's handler, say).
    template <class U>
    GuiThreadOnly& operator=(U&& value) {
        **this = std::forward<U>(value);
        return *this;
    }

    T& operator*() {
        Runtime::RequireGuiThread();
        return value_;
    }
    const T& operator*() const {
        Runtime::RequireGuiThread();
        return value_;
    }
    T* operator->() { return &**this; }
    const T* operator->() const { return &**this; }

    T& Unchecked() { return value_; }

private:
    T value_;
};
