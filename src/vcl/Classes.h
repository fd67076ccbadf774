#pragma once
// The base of every control, the event types, and TStrings, the list of
// texts behind every list control.
#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
};

using Word = std::uint16_t;
using TShiftState = Qt::KeyboardModifiers;
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;

// The owner of a TStrings is told when a batch update begins and ends, so it
// can stop painting and repaint once.
class TStringsOwner {
public:
    virtual void StringsUpdating(bool updating) = 0;

protected:
    ~TStringsOwner() = default;
};

// A list of texts that is also the model shown by its owner's view. Inside a
// batch update the view is detached from the changes (one model reset at the
// outermost end), so filling tens of thousands of rows costs no layout work.
class TStrings : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TStrings(TStringsOwner* owner = nullptr);

    int Count() const { return int(m_items.size()); }
    QString Strings(int index) const;
    QString operator[](int index) const { return Strings(index); }

    // Appends, or with Sorted places the text in order; returns its index.
    int Add(const QString& text);
    // Inserts at 0..Count(); any other index raises EOutOfResources.
    void Insert(int index, const QString& text);
    // Deletes the row at index; an index outside the list deletes nothing.
    void Delete(int index);
    void Clear();

    void BeginUpdate();
    void EndUpdate();

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    // QAbstractListModel
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void insertAt(int index, const QString& text);

    TStringsOwner* m_owner;
    QStringList m_items;
    int m_updateCount = 0;
    bool m_sorted = false;
};

// Keeps a batch update open for the lifetime of the guard, so that an error
// leaving the batch still ends it.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings)
        : m_strings(strings)
    {
        m_strings.BeginUpdate();
    }
    ~TStringsUpdate() { m_strings.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& m_strings;
};
