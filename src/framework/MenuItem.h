#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// One entry of a menu tree: a menu bar, a menu, a command or a separator (the
// text "-"). The tree is a model; each window that uses it renders its own
// menus from it. A parent owns its children.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const QString& Name() const { return name_; }
    void Name(const QString& name);
    // The text as shown, "&" before the access key.
    const QString& Text() const { return text_; }
    void Text(const QString& text);
    // A shortcut such as "Ctrl+Shift+V", or the empty text for none.
    const QString& KeyboardShortcut() const { return keyboardShortcut_; }
    void KeyboardShortcut(const QString& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool autoEnable);
    bool Visible() const { return visible_; }
    void Visible(bool visible);

    bool IsSeparator() const { return text_ == QStringLiteral("-"); }

    // Attaches the entry as the last child; this item owns it from then on.
    void Append(std::unique_ptr<MenuItem> child);
    std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
    // The child at the index; raises OutOfBoundsException outside 0 to Count() - 1.
    MenuItem& Item(std::int64_t index) const;
    // The direct child of that name, or nullptr.
    MenuItem* Child(const QString& name) const;
    // This item or the first of its descendants with that name, or nullptr.
    MenuItem* Lookup(const QString& name);

private:
    QString name_;
    QString text_;
    QString keyboardShortcut_;
    bool autoEnable_ = true;
    bool visible_ = true;
    std::vector<std::unique_ptr<MenuItem>> children_;
};
