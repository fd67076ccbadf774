#include "ListBox.h"
#include "Forms.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Rows of one fixed height with the text 2 pixels from the left edge, so that
// fixed-pitch rows line up under their header sections.
class TRowDelegate : public QStyledItemDelegate {
public:
    TRowDelegate(TListBox* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), m_list->ItemHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        if (selected)
            painter->fillRect(option.rect, palette.brush(QPalette::Highlight));
        painter->setFont(option.font);
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data().toString());
    }

private:
    TListBox* m_list;
};

} // namespace

TListBox::TListBox(QWidget* parent)
    : QListView(parent)
    , TWinControl(static_cast<QWidget&>(*this))
    , Items(new TStrings(this))
{
    Items->setParent(this);
    setModel(Items);
    setItemDelegate(new TRowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
}

void TListBox::SetItemHeight(int height)
{
    m_itemHeight = height;
    doItemsLayout();
}

int TListBox::ItemIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void TListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= Items->Count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex row = Items->index(index);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
}

void TListBox::StringsUpdating(bool updating)
{
    if (updating) {
        m_indexBeforeUpdate = ItemIndex();
        setUpdatesEnabled(false);
        return;
    }
    SetItemIndex(m_indexBeforeUpdate < Items->Count() ? m_indexBeforeUpdate : -1);
    // Lay the rows out now, or the repaint would come before the layout and
    // the layout would bring a second one. A hidden list lays out nothing.
    if (isVisible())
        executeDelayedItemsLayout();
    setUpdatesEnabled(true);
}

void TListBox::click()
{
    if (OnClick)
        Application->Dispatch([&] { OnClick(this); });
}

void TListBox::mousePressEvent(QMouseEvent* event)
{
    FocusOnPress();
    QListView::mousePressEvent(event);
    m_pressedOnRow = event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
}

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    // A click selects, also the row that was selected already.
    if (event->button() == Qt::LeftButton && std::exchange(m_pressedOnRow, false) && ItemIndex() >= 0)
        click();
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = ItemIndex();
    QListView::keyPressEvent(event);
    if (ItemIndex() != before && ItemIndex() >= 0)
        click();
}
