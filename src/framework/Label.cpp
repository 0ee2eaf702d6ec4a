#include "framework/Label.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <climits>

Label::Label(Window& window) : RectControl(window, NewWidget<QLabel>()) {
    TextLabel()->setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

QString Label::Text() const { return TextLabel()->text(); }

void Label::Text(const QString& text) {
    TextLabel()->setText(text);
    FitText();
}

void Label::Multiline(bool multiline) {
    state_->multiline = multiline;
    TextLabel()->setWordWrap(multiline);
    ApplyAlignment();
    FitText();
}

void Label::TextSize(std::int64_t size) {
    RectControl::TextSize(size);
    FitText();
}

void Label::TextAlign(std::int64_t align) {
    state_->textAlign = align;
    ApplyAlignment();
}

QLabel* Label::TextLabel() const { return static_cast<QLabel*>(Widget()); }

void Label::ApplyAlignment() {
    const State& state = *state_;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (state.textAlign == 1) horizontal = Qt::AlignHCenter;
    if (state.textAlign == 2) horizontal = Qt::AlignRight;
    TextLabel()->setAlignment(horizontal | (state.multiline ? Qt::AlignTop : Qt::AlignVCenter));
}

void Label::FitText() {
    if (!state_->multiline || Width() <= 0) return;
    constexpr int kSmallestSize = 8;
    QLabel* label = TextLabel();
    QFont font = label->font();
    int size =
        TextSize() > 0 ? static_cast<int>(TextSize()) : QFontInfo(QApplication::font()).pixelSize();
    for (; size > kSmallestSize; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, static_cast<int>(Width()), INT_MAX / 2), Qt::TextWordWrap, label->text());
        if (needed.height() <= Height()) break;
    }
    font.setPixelSize(size);
    label->setFont(font);
}
