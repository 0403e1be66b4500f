#include "common/colour.h"
#include "gridmodel.h"
#include "print/gridexport.h"
#include "ratiogridview.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>

namespace {
// Counts the paints a widget gets, to tell a view that shows a change from
// one that never draws it.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

// The ratio grid on screen: headings as headers, copying with Ctrl+C, and a
// cell changed by a handler drawn at the next render.
class GridViewTest : public QObject
{
    Q_OBJECT

private:
    WindowFixture m_fixture;
    RatioGridView* m_view = nullptr;

    const FlexGrid& grid() const { return m_fixture.window()->app().form().MSFlexGrid1; }

private slots:
    void initTestCase() { AppSetup::apply(*qApp); }
    void init()
    {
        m_fixture.open();
        m_view = qobject_cast<RatioGridView*>(m_fixture.control("MSFlexGrid1"));
        QVERIFY(m_view);
    }
    void cleanup() { m_fixture.close(); }

    // Selections in model cells (the grid's row and column 0 are headings).
    void ctrlCCopiesTheSelectionWithItsHeadings_data()
    {
        QTest::addColumn<QString>("way"); // "none", "cells" or "heading"
        QTest::addColumn<QRect>("cells"); // left, top, right, bottom in model cells
        QTest::addColumn<int>("lines");
        QTest::newRow("nothing selected: the whole table") << "none" << QRect() << 0;
        QTest::newRow("one cell") << "cells" << QRect(QPoint(2, 3), QPoint(2, 3)) << 2;
        QTest::newRow("a block") << "cells" << QRect(QPoint(1, 0), QPoint(4, 5)) << 7;
        QTest::newRow("a spur picked at its heading")
            << "heading" << QRect(QPoint(2, 0), QPoint(2, 29)) << 31;
    }

    void ctrlCCopiesTheSelectionWithItsHeadings()
    {
        QFETCH(QString, way);
        QFETCH(QRect, cells);
        QFETCH(int, lines);
        QAbstractItemModel* model = m_view->model();
        if (way == u"cells") {
            m_view->selectionModel()->select(
                QItemSelection(model->index(cells.top(), cells.left()),
                               model->index(cells.bottom(), cells.right())),
                QItemSelectionModel::ClearAndSelect);
        } else if (way == u"heading") {
            QHeaderView* across = m_view->horizontalHeader();
            const QPoint at(across->sectionViewportPosition(cells.left()) + 5, 5);
            QTest::mouseClick(across->viewport(), Qt::LeftButton, {}, at);
        }
        QApplication::clipboard()->clear();
        m_view->setFocus();
        QTest::keyClick(m_view, Qt::Key_C, Qt::ControlModifier);

        const QString copied = QApplication::clipboard()->text();
        const QString expected =
            way == u"none" ? GridExport::tabSeparated(grid())
                           : GridExport::tabSeparated(grid(), cells.top() + 1, cells.left() + 1,
                                                      cells.bottom() + 1, cells.right() + 1);
        QCOMPARE(copied, expected);
        const QStringList rows = copied.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), way == u"none" ? grid().rows() : lines);
        // The corner, then the spur headings; each row starts with its pinion.
        const int left = way == u"none" ? 1 : cells.left() + 1;
        const int top = way == u"none" ? 1 : cells.top() + 1;
        QCOMPARE(rows[0].split(u'\t').mid(0, 2),
                 QStringList({QStringLiteral("P/S"), grid().cell(0, left).text}));
        QCOMPARE(rows[1].split(u'\t').first(), grid().cell(top, 0).text);
    }

    // The best pair is scrolled into view, wherever the survey put it.
    void theBestCellIsScrolledIntoView()
    {
        FlexGrid& cells = m_fixture.window()->app().form().MSFlexGrid1;
        const int row = cells.rows() - 1, col = cells.cols() - 1;
        QVERIFY(cells.setCurrentCell(row, col));
        cells.setColour(Colour::LightBlue);
        m_fixture.window()->render();
        const QRect cell = m_view->visualRect(m_view->model()->index(row - 1, col - 1));
        QVERIFY2(m_view->viewport()->rect().contains(cell.center()),
                 qPrintable(QStringLiteral("cell at %1,%2").arg(cell.x()).arg(cell.y())));
    }

    // A handler may write cells without touching anything else; the next
    // render draws them, and one that wrote nothing draws nothing.
    void aCellWrittenByAHandlerIsDrawnAtTheNextRender_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::newRow("a ratio") << 3 << 2 << "99.999";
        QTest::newRow("a spur heading") << 0 << 2 << "123";
        QTest::newRow("a pinion heading") << 3 << 0 << "45";
        QTest::newRow("nothing written") << -1 << -1 << "";
    }

    void aCellWrittenByAHandlerIsDrawnAtTheNextRender()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, text);
        QWidget* drawn = row == 0   ? m_view->horizontalHeader()->viewport()
                         : col == 0 ? m_view->verticalHeader()->viewport()
                                    : m_view->viewport();
        PaintCounter counter;
        drawn->installEventFilter(&counter);
        QTest::qWait(50); // whatever was pending is drawn
        counter.paints = 0;

        FlexGrid& cells = m_fixture.window()->app().form().MSFlexGrid1;
        if (row >= 0) {
            QVERIFY(cells.setCurrentCell(row, col));
            cells.setText(text);
        }
        m_fixture.window()->render();

        QAbstractItemModel* model = m_view->model();
        const QVariant shown = row == 0   ? model->headerData(col - 1, Qt::Horizontal)
                               : col == 0 ? model->headerData(row - 1, Qt::Vertical)
                               : row > 0  ? model->index(row - 1, col - 1).data()
                                          : QVariant(text);
        QCOMPARE(shown.toString(), text);
        if (row >= 0) {
            QTRY_VERIFY(counter.paints > 0);
        } else {
            QTest::qWait(100);
            QCOMPARE(counter.paints, 0);
        }
    }
};

QTEST_MAIN(GridViewTest)
#include "test_gridview.moc"
