#pragma once
// Controls that only lay out and label the form.
#include "Controls.h"

#include <QGroupBox>
#include <QLabel>

class TGroupBox : public QGroupBox, public TControl {
    Q_OBJECT
public:
    TGroupBox(QWidget* parent, const QString& caption);
};

class TLabel : public QLabel, public TControl {
    Q_OBJECT
public:
    TLabel(QWidget* parent, const QString& caption);
};
