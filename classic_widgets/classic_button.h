// A push button in the classic raised style: its face filled flat with its colour, a 3-D edge,
// sunken while pressed and a dotted focus rectangle while it has the keyboard focus. Neither
// Enter nor Escape presses it.
#pragma once

#include <QPushButton>

class ClassicButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ClassicButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
