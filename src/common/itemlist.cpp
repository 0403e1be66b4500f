#include "itemlist.h"

#include "common/recordfile.h"

ItemList ItemList::keysOf(const RecordFile::Snapshot& records, qsizetype limit)
{
    ItemList list;
    list.m_recordCount = limit < 0 ? records.size() : qMin(limit, records.size());
    if (list.m_recordCount > 0)
        list.m_records = std::make_shared<const RecordFile::Snapshot>(records);
    return list;
}

qsizetype ItemList::size() const { return m_records ? m_recordCount : m_items.size(); }

QString ItemList::at(qsizetype i) const
{
    Q_ASSERT(i >= 0 && i < size());
    return m_records ? m_records->key(i) : m_items.at(i);
}

QString ItemList::value(qsizetype i) const { return i >= 0 && i < size() ? at(i) : QString(); }

qsizetype ItemList::indexOf(const QString& text) const
{
    if (!m_records)
        return m_items.indexOf(text);
    // The first record of that key, when it lies within the listed ones.
    const QList<qsizetype> found = m_records->indexesOf(text);
    return !found.isEmpty() && found.first() < m_recordCount ? found.first() : -1;
}

void ItemList::append(const QString& text)
{
    if (m_records)
        *this = toList();
    m_items.append(text);
}

QStringList ItemList::toList() const
{
    return m_records ? m_records->keys(0, m_recordCount) : m_items;
}

bool ItemList::sharesWith(const ItemList& other) const
{
    if (m_records || other.m_records)
        return m_recordCount == other.m_recordCount && m_records && other.m_records &&
               m_records->sharesWith(*other.m_records);
    return m_items.constData() == other.m_items.constData() &&
           m_items.size() == other.m_items.size();
}

bool operator==(const ItemList& a, const ItemList& b)
{
    if (a.sharesWith(b))
        return true;
    if (a.size() != b.size())
        return false;
    if (!a.m_records && !b.m_records)
        return a.m_items == b.m_items;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.at(i) != b.at(i))
            return false;
    return true;
}
