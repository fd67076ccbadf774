#pragma once
// A list of text rows with one selected row or none.
#include "Controls.h"

#include <QListView>

class TListBox : public QListView, public TWinControl, private TStringsOwner {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent);

    TStrings* const Items;

    // Every row has this height in pixels.
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);

    // The selected row, or -1 for none. Setting it raises no OnClick.
    int ItemIndex() const;
    void SetItemIndex(int index);

    void SetSorted(bool sorted) { Items->SetSorted(sorted); }

    // The user selected a row, with the mouse or the keyboard.
    TNotifyEvent OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void StringsUpdating(bool updating) override;
    void click();

    int m_itemHeight = 12;
    int m_indexBeforeUpdate = -1;
    bool m_pressedOnRow = false;
};
