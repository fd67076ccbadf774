#include "Classes.h"
#include "SysUtils.h"

#include <algorithm>
#include <new>

namespace {
const QString insertLineError = QStringLiteral("行を挿入できません");
}

TStrings::TStrings(TStringsOwner* owner)
    : m_owner(owner)
{
}

QString TStrings::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(Format(QStringLiteral("リストのインデックスが範囲を超えています (%d)"), {index}));
    return m_items[index];
}

int TStrings::Add(const QString& text)
{
    int index = Count();
    // Texts that arrive in order need one comparison each.
    if (m_sorted && !m_items.isEmpty() && text < m_items.constLast())
        index = int(std::upper_bound(m_items.cbegin(), m_items.cend(), text) - m_items.cbegin());
    insertAt(index, text);
    return index;
}

void TStrings::Insert(int index, const QString& text)
{
    if (index < 0 || index > Count())
        throw EOutOfResources(insertLineError);
    insertAt(index, text);
}

void TStrings::insertAt(int index, const QString& text)
{
    const bool signal = m_updateCount == 0;
    if (signal)
        beginInsertRows({}, index, index);
    try {
        m_items.insert(index, text);
    } catch (const std::bad_alloc&) {
        if (signal)
            endInsertRows();
        throw EOutOfResources(insertLineError);
    }
    if (signal)
        endInsertRows();
}

void TStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    const bool signal = m_updateCount == 0;
    if (signal)
        beginRemoveRows({}, index, index);
    m_items.removeAt(index);
    if (signal)
        endRemoveRows();
}

void TStrings::Clear()
{
    if (m_items.isEmpty())
        return;
    const bool signal = m_updateCount == 0;
    if (signal)
        beginResetModel();
    m_items.clear();
    if (signal)
        endResetModel();
}

void TStrings::BeginUpdate()
{
    if (m_updateCount++ > 0)
        return;
    if (m_owner)
        m_owner->StringsUpdating(true);
    beginResetModel();
}

void TStrings::EndUpdate()
{
    if (m_updateCount == 0 || --m_updateCount > 0)
        return;
    endResetModel();
    if (m_owner)
        m_owner->StringsUpdating(false);
}

void TStrings::SetSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    if (!m_sorted)
        return;
    beginResetModel();
    std::stable_sort(m_items.begin(), m_items.end());
    endResetModel();
}

int TStrings::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TStrings::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_items[index.row()];
    return {};
}
