// A captioned group frame in the classic etched style: filled with its colour, an etched border
// from the middle of the caption down, and the caption at the top left.
//
// It paints itself instead of leaving it to the style, whose stretched frame pixmap made every
// update of a field inside the frame cost a whole border drawing.
#pragma once

#include <QGroupBox>

class ClassicFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit ClassicFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
