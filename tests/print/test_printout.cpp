#include "app/mainsheet.h"
#include "common/colour.h"
#include "form/controltable.h"
#include "print/printout.h"
#include "support/appfixture.h"

namespace {

QList<PageOp> texts(const PrintPage& page)
{
    QList<PageOp> out;
    for (const PageOp& op : page.ops)
        if (op.kind == PageOp::Kind::Text)
            out.append(op);
    return out;
}

const PageOp* textAt(const PrintPage& page, int x, int y)
{
    for (const PageOp& op : page.ops)
        if (op.kind == PageOp::Kind::Text && op.x == x && op.y == y)
            return &op;
    return nullptr;
}

class PrintOutPage : public AppFixture
{
protected:
    void surveyExample()
    {
        exampleRanges("48P");
        quantities("2.5", "0", "0", "8");
        press(ControlId::Command5);
    }
};

// The page of a grid alone, every heading empty.
PrintPage gridPage(const FlexGrid& grid)
{
    return PrintOut::buildPage({{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, grid});
}

TEST_F(PrintOutPage, HeadingsContactLineAndRules)
{
    f.Label13.text = "Car A";
    const PrintPage page = MainSheet::buildPage(f);
    EXPECT_TRUE(page.landscape);
    EXPECT_EQ(page.face, "MS Pｺﾞｼｯｸ");
    const struct
    {
        const char* name;
        int x, y;
        QString text;
    } headings[] = {{"machine", 500, 400, "Car A"},
                    {"status", 7500, 400, f.Label12.text},
                    {"secondary", 500, 800, "２次減速比"},
                    {"spur", 4000, 800, "スパーギア歯数"},
                    {"pinion", 7500, 800, "ピニオンギア歯数"},
                    {"total", 11000, 800, "減速比"},
                    {"contact line", 500, 10850, ControlTable::contactLine()}};
    for (const auto& h : headings) {
        SCOPED_TRACE(h.name);
        const PageOp* op = textAt(page, h.x, h.y);
        ASSERT_TRUE(op) << h.x << "," << h.y;
        EXPECT_EQ(op->text, h.text);
        EXPECT_EQ(op->pointSize, h.y == 10850 ? 8 : 14);
        EXPECT_FALSE(op->bold);
        EXPECT_EQ(op->ink, Colour::Black);
    }
    int vertical = 0, horizontal = 0;
    for (const PageOp& op : page.ops) {
        if (op.kind != PageOp::Kind::Line)
            continue;
        if (op.x == op.x2) {
            EXPECT_EQ(op.x, 500 + 850 * vertical);
            EXPECT_EQ(op.y, 1200);
            EXPECT_EQ(op.y2, 10800);
            ++vertical;
        } else {
            EXPECT_EQ(op.y, 1200 + 320 * horizontal);
            EXPECT_EQ(op.x, 500);
            EXPECT_EQ(op.x2, 15800);
            ++horizontal;
        }
    }
    EXPECT_EQ(vertical, 19);
    EXPECT_EQ(horizontal, 31);
}

TEST_F(PrintOutPage, TheSurveyExamplePrintsWithItsColours)
{
    surveyExample();
    f.MSFlexGrid1.setCurrentCell(5, 5);
    const PrintPage page = MainSheet::buildPage(f);
    const PageOp* best = textAt(page, 9900, 3170);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->text, "   8.000");
    EXPECT_EQ(best->ink, Colour::LightBlue);
    EXPECT_TRUE(best->bold);
    EXPECT_EQ(best->pointSize, 10);
    const PageOp* corner = textAt(page, 550, 1250);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->text, "     P/S");
    const PageOp* red = textAt(page, 550 + 850 * 3, 1250 + 320 * 3); // 72 / 22
    ASSERT_TRUE(red);
    EXPECT_EQ(red->ink, Colour::Red);
    EXPECT_TRUE(red->bold);
    int cells = 0, redCells = 0;
    for (const PageOp& op : texts(page)) {
        if (op.pointSize != 10)
            continue;
        ++cells;
        redCells += op.ink == Colour::Red;
        EXPECT_EQ(op.text.size(), 8);
    }
    EXPECT_EQ(cells, 17 * 17); // 16 spurs and 16 pinions with their headers
    EXPECT_EQ(redCells, 19);
    // The page only reads the grid: its current cell stays where it was.
    EXPECT_EQ(f.MSFlexGrid1.row(), 5);
    EXPECT_EQ(f.MSFlexGrid1.col(), 5);
}

TEST(PrintOutGrid, TheWalkStopsAtEmptyCells)
{
    FlexGrid g;
    g.setRows(31);
    g.setCols(31);
    auto put = [&](int r, int c, const QString& s) {
        g.setCurrentCell(r, c);
        g.setText(s);
    };
    put(0, 1, "skipped"); // row 0 ends at its empty first cell
    put(1, 0, "1");
    put(1, 1, "123456789");
    put(1, 3, "after a gap");
    for (int c = 0; c < 31; ++c)
        put(2, c, QString::number(c));
    put(4, 0, "after an empty row");
    put(30, 0, "row 30");
    const PrintPage page = gridPage(g);
    QStringList printed;
    for (const PageOp& op : texts(page))
        if (op.pointSize == 10)
            printed << op.text.trimmed();
    QStringList expected = {"1", "12345678"};
    for (int c = 0; c < 18; ++c)
        expected << QString::number(c);
    EXPECT_EQ(printed, expected);
}

TEST(PrintOutGrid, AFullGridPrintsTheRowsOfTheFrameAndNoMore)
{
    // Every row of a 31-row grid filled: the frame's 30 rows take rows 0…29;
    // row 30's place is the contact line.
    FlexGrid g;
    g.setRows(31);
    for (int r = 0; r < 31; ++r) {
        g.setCurrentCell(r, 0);
        g.setText(QString::number(r));
    }
    const PrintPage page = gridPage(g);
    QStringList printed; // "text at y"
    for (const PageOp& op : texts(page))
        if (op.pointSize == 10)
            printed << QString("%1 at %2").arg(op.text.trimmed()).arg(op.y);
    QStringList expected;
    for (int r = 0; r < 30; ++r)
        expected << QString("%1 at %2").arg(r).arg(1250 + 320 * r);
    EXPECT_EQ(printed, expected);
}

TEST_F(PrintOutPage, AnEmptyGridPrintsTheFrameAndHeadingsOnly)
{
    const PrintPage page = MainSheet::buildPage(f);
    for (const PageOp& op : texts(page))
        EXPECT_NE(op.pointSize, 10);
    EXPECT_EQ(texts(page).size(), 11);
}

TEST_F(PrintOutPage, TheQuestionTheBusyPointerAndTheOutcomeMessages)
{
    press(ControlId::purinto);
    EXPECT_EQ(
        host.questions,
        QStringList{"プリンターは接続されていますか？接続されていない場合はエラー停止します。"});
    EXPECT_TRUE(host.pages.isEmpty());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(host.busyCalls, 0);

    const struct
    {
        const char* name;
        Host::PrintResult::Outcome outcome;
        const char* detail;
        const char* message;
    } cases[] = {
        {"printed", Host::PrintResult::Outcome::Printed, "", "PRINT OUTしました"},
        // Nothing was printed, so nothing says it was.
        {"no printer: saved as PDF", Host::PrintResult::Outcome::SavedAsPdf, "/tmp/x.pdf",
         "プリンターが見つからないため、PDFファイルに保存しました：\n/tmp/x.pdf"},
        {"failed", Host::PrintResult::Outcome::Failed, "no paper",
         "印刷できませんでした：no paper"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.answers = {true};
        host.printResult = {c.outcome, c.detail};
        host.messages.clear();
        press(ControlId::purinto);
        EXPECT_EQ(host.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(host.busyDepth, 0);
    }
    EXPECT_EQ(host.pages.size(), 3);
}

TEST(PrintField, EightCharactersRightAligned)
{
    EXPECT_EQ(PrintOut::field8("7.123"), "   7.123");
    EXPECT_EQ(PrintOut::field8("10.000"), "  10.000");
    EXPECT_EQ(PrintOut::field8("123456789"), "12345678");
    EXPECT_EQ(PrintOut::field8("12345678"), "12345678");
}

} // namespace
