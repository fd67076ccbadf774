#pragma once
// The chooser: a flat face showing a number, over a list of items.
#include "Controls.h"

#include <QWidget>

class TFlatComboBox : public QWidget, public TWinControl {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent);

    TStrings* const Items;

    // The text on the face; only a pick changes it.
    QString Text() const { return m_text; }

    // The highlighted item, -1 for none; independent of Text.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_itemIndex = -1;
};
