// The picture control that shows the pressure-enthalpy chart, stretched to fill its box.
#pragma once

#include <QWidget>

class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
