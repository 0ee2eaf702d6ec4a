#include "framework/MenuHandlers.h"

void MenuHandlers::Add(const QString& name, Handler handler) {
    handlers_->emplace_back(name, std::move(handler));
}

bool MenuHandlers::Has(const QString& name) const { return Find(name) != nullptr; }

std::optional<bool> MenuHandlers::Offer(const QString& name) const {
    const Handler* handler = Find(name);
    if (handler == nullptr) return std::nullopt;
    bool handled = false;
    Runtime::Invoke([&] { handled = (*handler)(); });
    return handled;
}

const MenuHandlers::Handler* MenuHandlers::Find(const QString& name) const {
    for (const auto& [key, handler] : *handlers_) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) return &handler;
    }
    return nullptr;
}
