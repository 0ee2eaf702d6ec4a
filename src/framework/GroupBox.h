#pragma once

#include <QString>

#include "framework/RectControl.h"

class QGroupBox;

// A framed group with a caption; controls whose Parent it is sit inside it.
class GroupBox : public RectControl {
public:
    explicit GroupBox(Window& window);

    QString Caption() const;
    void Caption(const QString& caption);

private:
    QGroupBox* Box() const;
};
