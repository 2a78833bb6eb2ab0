// A one-line text field with the classic sunken border, painted in full by itself.
//
// Painting every pixel of its box lets Qt skip the frame and labels behind it when a result
// changes, which keeps a run's repaint short. A text wider than the box shows its start and an
// ellipsis while the field does not have the focus, and the tooltip then begins with the whole
// text; a field being edited scrolls as any line edit does.
#pragma once

#include <QLineEdit>

class ClassicLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ClassicLineEdit(QWidget *parent = nullptr);

    // A note about the field's text, shown as its tooltip (after the whole text where the text is
    // cut).
    void setNote(const QString &note);
    // Whether the text is wider than the room the box has for it.
    bool isCut() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect textRect() const;
    void updateToolTip();

    QString m_note;
};
