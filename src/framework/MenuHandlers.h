#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "framework/GuiThreadOnly.h"

// Menu handlers registered under menu item names; a chosen item finds its
// handler by name without regard to letter case. Off the GUI thread every
// operation raises ThreadAccessingUIException before it does anything.
class MenuHandlers {
public:
    using Handler = std::function<bool()>;

    void Add(const QString& name, Handler handler);
    bool Has(const QString& name) const;
    // Runs the handler of that name through the exception wrapper: nothing
    // when there is none, else its result (false when an exception ended it).
    std::optional<bool> Offer(const QString& name) const;

private:
    const Handler* Find(const QString& name) const;

    GuiThreadOnly<std::vector<std::pair<QString, Handler>>> handlers_;
};
