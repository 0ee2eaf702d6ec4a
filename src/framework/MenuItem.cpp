#include "framework/MenuItem.h"

#include "framework/ArrayBounds.h"
#include "framework/NilObjectException.h"

void MenuItem::Name(const QString& name) { state_->name = name; }

void MenuItem::Text(const QString& text) { state_->text = text; }

void MenuItem::KeyboardShortcut(const QString& shortcut) { state_->keyboardShortcut = shortcut; }

void MenuItem::AutoEnable(bool autoEnable) { state_->autoEnable = autoEnable; }

void MenuItem::Visible(bool visible) { state_->visible = visible; }

void MenuItem::Append(std::unique_ptr<MenuItem>&& child) {
    State& state = *state_;
    if (!child) throw NilObjectException("no menu item to append");
    state.children.push_back(std::move(child));
}

MenuItem& MenuItem::Item(std::int64_t index) const {
    const State& state = *state_;
    ArrayBounds::CheckIndex(index, static_cast<std::int64_t>(state.children.size()) - 1);
    return *state.children[static_cast<std::size_t>(index)];
}

MenuItem* MenuItem::Child(const QString& name) const {
    for (const auto& child : state_->children) {
        if (child->Name() == name) return child.get();
    }
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) {
    const State& state = *state_;
    if (state.name == name) return this;
    for (const auto& child : state.children) {
        if (MenuItem* found = child->Lookup(name)) return found;
    }
    return nullptr;
}
