#pragma once
// The chooser: a flat face that shows the item picked last, and a drop-down
// list to pick from with the mouse. It never keeps the focus: a press gives it
// the focus (its OnEnter may move the focus on at once) and then opens the
// list, which works whether or not the chooser still has the focus.
#include "Controls.h"

#include <QWidget>

class TDropDownList;

class TFlatComboBox : public QWidget, public TWinControl {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent);
    ~TFlatComboBox() override;

    TStrings* const Items;

    // The text on the face: empty until the first pick, then the item picked
    // last. Changes of Items or of ItemIndex leave it as it is.
    QString Text() const { return m_text; }

    // The highlighted item of the list, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    int DropDownWidth = 42;
    int DropDownCount = 8;

    bool DroppedDown() const;
    // Opens the list, as a press on the chooser does after giving it the focus.
    void DropDown();
    // The open list's window, for tests that route events as the system would.
    QWidget* DropDownWindow() const;

    // The user picked an item (also the one already shown).
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    friend class TDropDownList;
    void pick(int index);

    QString m_text;
    TDropDownList* m_list;
};
