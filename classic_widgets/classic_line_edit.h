// A one-line text field with the classic sunken border, painted in full by itself, which shows
// a text wider than its box cut with an ellipsis (ElidingLineEdit).
//
// Painting every pixel of its box lets Qt skip the frame and labels behind it when a result
// changes, which keeps a run's repaint short.
#pragma once

#include "eliding_line_edit.h"

class ClassicLineEdit : public ElidingLineEdit
{
    Q_OBJECT

public:
    explicit ClassicLineEdit(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
