#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <iterator>
#include <memory>

namespace RecordFile {
class Snapshot;
}

// The items of a combo box or list box: texts of their own, or the keys of a
// record list, decoded only when one is read. A list of 100 000 cars then
// costs the file's bytes once instead of a string per car in the Form and
// again in the widget. Reads give texts by value; a change makes the list
// texts of its own.
class ItemList
{
public:
    ItemList() = default;
    ItemList(const QStringList& items) : m_items(items) {}
    ItemList(std::initializer_list<QString> items) : m_items(items) {}
    // The keys of a record list's first `limit` records (all when negative).
    static ItemList keysOf(const RecordFile::Snapshot& records, qsizetype limit = -1);

    qsizetype size() const;
    qsizetype count() const { return size(); }
    bool isEmpty() const { return size() == 0; }
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    // Empty outside the list.
    QString value(qsizetype i) const;
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    qsizetype indexOf(const QString& text) const;
    bool contains(const QString& text) const { return indexOf(text) >= 0; }

    void append(const QString& text);
    void clear() { *this = ItemList(); }

    QStringList toList() const;
    operator QStringList() const { return toList(); }

    // Whether both read the same storage (then they are equal without a look).
    bool sharesWith(const ItemList& other) const;
    friend bool operator==(const ItemList& a, const ItemList& b);
    friend bool operator==(const ItemList& a, const QStringList& b) { return a == ItemList(b); }

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QString;
        const_iterator(const ItemList* list, qsizetype i) : m_list(list), m_i(i) {}
        QString operator*() const { return m_list->at(m_i); }
        const_iterator& operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_i == o.m_i; }

    private:
        const ItemList* m_list;
        qsizetype m_i;
    };
    using iterator = const_iterator;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    QStringList m_items;
    // Set instead of m_items for the keys of a record list.
    std::shared_ptr<const RecordFile::Snapshot> m_records;
    qsizetype m_recordCount = 0;
};
