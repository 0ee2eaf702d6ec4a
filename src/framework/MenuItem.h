#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/GuiThreadOnly.h"

// One entry of a menu tree: a menu bar, a menu, a command or a separator (the
// text "-"). The tree is a model; each window that uses it renders its own
// menus from it. A parent owns its children. Every operation, building an
// entry too, raises ThreadAccessingUIException off the GUI thread before it
// does anything.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const QString& Name() const { return state_->name; }
    void Name(const QString& name);
    // The text as shown, "&" before the access key.
    const QString& Text() const { return state_->text; }
    void Text(const QString& text);
    // A shortcut such as "Ctrl+Shift+V", or the empty text for none.
    const QString& KeyboardShortcut() const { return state_->keyboardShortcut; }
    void KeyboardShortcut(const QString& shortcut);
    bool AutoEnable() const { return state_->autoEnable; }
    void AutoEnable(bool autoEnable);
    bool Visible() const { return state_->visible; }
    void Visible(bool visible);

    bool IsSeparator() const { return state_->text == QStringLiteral("-"); }

    // Attaches the entry as the last child; this item owns it from then on.
    // Off the GUI thread the entry stays with the caller.
    void Append(std::unique_ptr<MenuItem>&& child);
    std::int64_t Count() const { return static_cast<std::int64_t>(state_->children.size()); }
    // The child at the index; raises OutOfBoundsException outside 0 to Count() - 1.
    MenuItem& Item(std::int64_t index) const;
    // The direct child of that name, or nullptr.
    MenuItem* Child(const QString& name) const;
    // This item or the first of its descendants with that name, or nullptr.
    MenuItem* Lookup(const QString& name);

private:
    struct State {
        QString name;
        QString text;
        QString keyboardShortcut;
        bool autoEnable = true;
        bool visible = true;
        std::vector<std::unique_ptr<MenuItem>> children;
    };

    GuiThreadOnly<State> state_;
};
