#include "FlatComboBox.h"
#include "Forms.h"

#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QVBoxLayout>

// The pop-up frame holds the list and takes the keyboard while it is open,
// so Escape and presses outside reach it (a bare list as the pop-up gets
// neither).
class TDropDownList : public QFrame {
public:
    explicit TDropDownList(TFlatComboBox* owner)
        : QFrame(owner, Qt::Popup)
        , m_owner(owner)
        , m_view(new QListView(this))
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->addWidget(m_view);
        m_view->setMinimumSize(1, 1);
        m_view->setModel(owner->Items);
        m_view->setFrameShape(QFrame::NoFrame);
        m_view->setUniformItemSizes(true);
        m_view->setSelectionMode(QAbstractItemView::SingleSelection);
        m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_view->setMouseTracking(true);
        m_view->viewport()->installEventFilter(this);
        m_view->installEventFilter(this);
        setFocusProxy(m_view);
        connect(m_view, &QListView::entered, this, [this](const QModelIndex& index) { highlight(index.row()); });
    }

    void open()
    {
        m_view->setFont(m_owner->font());
        const int rowHeight = m_owner->Items->Count() > 0 ? m_view->sizeHintForRow(0) : m_view->fontMetrics().height();
        const int rows = std::clamp(int(m_owner->Items->Count()), 1, m_owner->DropDownCount);
        const QPoint below = m_owner->mapToGlobal(QPoint(0, m_owner->height()));
        setGeometry(below.x(), below.y(), m_owner->DropDownWidth, rows * rowHeight + 2);
        highlight(m_owner->ItemIndex());
        show();
        m_view->setFocus(Qt::PopupFocusReason);
    }

    void highlight(int row)
    {
        if (row < 0 || row >= m_owner->Items->Count()) {
            m_view->selectionModel()->clear();
            return;
        }
        const QModelIndex index = m_owner->Items->index(row);
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_view->scrollTo(index);
    }

    int highlighted() const
    {
        const QModelIndexList rows = m_view->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = m_view->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index.isValid()) {
                m_owner->pick(index.row());
                return true;
            }
        }
        if (watched == m_view && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_owner->ItemIndex() >= 0) {
                m_owner->pick(m_owner->ItemIndex());
                return true;
            }
        }
        return QFrame::eventFilter(watched, event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        // A press on the chooser's face closes the list without opening it
        // again; a press anywhere else outside the list just closes it.
        const QPoint global = event->globalPosition().toPoint();
        if (m_owner->rect().contains(m_owner->mapFromGlobal(global)))
            setAttribute(Qt::WA_NoMouseReplay);
        QFrame::mousePressEvent(event);
    }

    void hideEvent(QHideEvent* event) override
    {
        QFrame::hideEvent(event);
        m_owner->update();
    }

private:
    TFlatComboBox* m_owner;
    QListView* m_view;
};

TFlatComboBox::TFlatComboBox(QWidget* parent)
    : QWidget(parent)
    , TWinControl(static_cast<QWidget&>(*this))
    , Items(new TStrings)
    , m_list(nullptr)
{
    Items->setParent(this);
    // The chooser takes the focus only through its own press handling, so
    // that OnEnter runs once per press, whether or not the window is active.
    setFocusPolicy(Qt::NoFocus);
    m_list = new TDropDownList(this);
}

TFlatComboBox::~TFlatComboBox() = default;

int TFlatComboBox::ItemIndex() const
{
    return m_list->highlighted();
}

void TFlatComboBox::SetItemIndex(int index)
{
    m_list->highlight(index);
}

bool TFlatComboBox::DroppedDown() const
{
    return m_list->isVisible();
}

QWidget* TFlatComboBox::DropDownWindow() const
{
    return m_list;
}

void TFlatComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    FocusOnPress();
    DropDown();
}

void TFlatComboBox::DropDown()
{
    if (!DroppedDown())
        m_list->open();
}

void TFlatComboBox::pick(int index)
{
    m_list->highlight(index);
    m_text = Items->Strings(index);
    m_list->hide();
    repaint();
    if (OnClick)
        Application->Dispatch([this] { OnClick(this); });
}

void TFlatComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int arrowWidth = 13;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect().adjusted(3, 0, -arrowWidth, 0), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(width() - arrowWidth, 1, arrowWidth - 1, height() - 2);
    if (DroppedDown())
        arrow.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}
