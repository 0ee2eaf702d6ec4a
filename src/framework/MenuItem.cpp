#include "framework/MenuItem.h"

#include "framework/ArrayBounds.h"
#include "framework/NilObjectException.h"
#include "framework/Runtime.h"

void MenuItem::Name(const QString& name) {
    Runtime::RequireGuiThread();
    name_ = name;
}

void MenuItem::Text(const QString& text) {
    Runtime::RequireGuiThread();
    text_ = text;
}

void MenuItem::KeyboardShortcut(const QString& shortcut) {
    Runtime::RequireGuiThread();
    keyboardShortcut_ = shortcut;
}

void MenuItem::AutoEnable(bool autoEnable) {
    Runtime::RequireGuiThread();
    autoEnable_ = autoEnable;
}

void MenuItem::Visible(bool visible) {
    Runtime::RequireGuiThread();
    visible_ = visible;
}

void MenuItem::Append(std::unique_ptr<MenuItem> child) {
    Runtime::RequireGuiThread();
    if (!child) throw NilObjectException("no menu item to append");
    children_.push_back(std::move(child));
}

MenuItem& MenuItem::Item(std::int64_t index) const {
    ArrayBounds::CheckIndex(index, Count() - 1);
    return *children_[static_cast<std::size_t>(index)];
}

MenuItem* MenuItem::Child(const QString& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child.get();
    }
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) {
    if (name_ == name) return this;
    for (const auto& child : children_) {
        if (MenuItem* found = child->Lookup(name)) return found;
    }
    return nullptr;
}
