// A one-line text field that shows a text wider than its box as its start and an ellipsis
// while it does not have the focus, its tooltip then beginning with the whole text; a field
// being edited scrolls as any line edit does.
#pragma once

#include <QLineEdit>

class ElidingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ElidingLineEdit(QWidget *parent = nullptr);

    // A note about the field's text, shown as its tooltip (after the whole text where the text is
    // cut).
    void setNote(const QString &note);
    // Whether the text is wider than the room the box has for it.
    bool isCut() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Whether the text is drawn cut, by drawCut rather than by QLineEdit.
    bool showsCut() const { return !hasFocus() && isCut(); }
    // The start of the text and an ellipsis, where QLineEdit would put the text.
    void drawCut(QPainter &painter) const;

private:
    QRect textRect() const;
    void updateToolTip();

    QString m_note;
};
