#pragma once

#include <QString>

#include "framework/RectControl.h"

class QLabel;

// A text label; plain text only.
class Label : public RectControl {
public:
    explicit Label(Window& window);

    QString Text() const;
    void Text(const QString& text);
    // Multiline labels wrap within their width and start at the top.
    void Multiline(bool multiline);
    // 0 left, 1 centred, 2 right.
    void TextAlign(std::int64_t align);

    using RectControl::TextSize;
    void TextSize(std::int64_t size);

protected:
    void GeometryChanged() override { FitText(); }

private:
    QLabel* TextLabel() const;
    void ApplyAlignment();
    // A wrapped text that does not fit the label's height at its size is
    // drawn smaller, down to a floor, rather than cut off.
    void FitText();

    struct State {
        bool multiline = false;
        std::int64_t textAlign = 0;
    };

    GuiThreadOnly<State> state_;
};
