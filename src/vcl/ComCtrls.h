#pragma once
// A column header bar drawn from its sections; it never reacts to the mouse.
#include "Controls.h"

#include <QVector>
#include <QWidget>

struct THeaderSection {
    QString Text;
    int Width = 0;
    Qt::Alignment Alignment = Qt::AlignLeft;
};

class THeaderControl : public QWidget, public TControl {
    Q_OBJECT
public:
    explicit THeaderControl(QWidget* parent);

    QVector<THeaderSection> Sections;

protected:
    void paintEvent(QPaintEvent* event) override;
};
