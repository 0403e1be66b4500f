#include "colours.h"
#include "common/colour.h"
#include "form/controltable.h"
#include "gridmodel.h"
#include "ratiogridview.h"
#include "versiondialog.h"
#include "windowfixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <cmath>

namespace {

double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QPalette darkDesktop()
{
    QPalette p(QColor(53, 53, 53));
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(60, 60, 60));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

struct Pair
{
    QPalette::ColorRole text, back;
};

Pair rolesOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return {QPalette::ButtonText, QPalette::Button};
    case ControlKind::Combo:
    case ControlKind::List:
    case ControlKind::Text:
    case ControlKind::Grid:
        return {QPalette::Text, QPalette::Base};
    case ControlKind::Label:
    case ControlKind::Check:
        break;
    }
    return {QPalette::WindowText, QPalette::Window};
}

} // namespace

// The design's colours under any desktop theme, and text the design leaves
// to the system at 4.5:1 or better on what it is drawn on.
class ColoursTest : public QObject
{
    Q_OBJECT

private:
    WindowFixture m_fixture;
    QStringList m_low; // "what: ratio" for every text under 4.5:1

    void check(const QString& what, const QColor& text, const QColor& back)
    {
        const double ratio = contrast(text, back);
        if (ratio < 4.5)
            m_low << QStringLiteral("%1: %2").arg(what).arg(ratio, 0, 'f', 2);
    }

private slots:
    void initTestCase() { AppSetup::apply(*qApp); }
    void cleanup()
    {
        m_fixture.close();
        QApplication::setPalette(Colours::design());
    }

    void colourNumbersBecomeColours_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << 0 << QColor(0, 0, 0);
        QTest::newRow("near-ratio red") << Colour::Red << QColor(128, 0, 0);
        QTest::newRow("lilac of the headings")
            << Colour::number(192, 192, 255) << QColor(192, 192, 255);
        QTest::newRow("manual yellow") << Colour::number(255, 255, 192) << QColor(255, 255, 192);
    }

    void colourNumbersBecomeColours()
    {
        QFETCH(int, number);
        QFETCH(QColor, colour);
        QCOMPARE(Colours::of(number), colour);
    }

    void theDesignHoldsAndTextReads_data()
    {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("light desktop") << QApplication::style()->standardPalette();
        QTest::newRow("dark desktop") << darkDesktop();
    }

    void theDesignHoldsAndTextReads()
    {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        m_fixture.open();
        m_low.clear();
        for (const ControlSpec& desc : ControlTable::controls()) {
            QWidget* widget = m_fixture.window()->control(desc.name);
            const Pair roles = rolesOf(desc.kind);
            const QPalette& own = widget->palette();
            // A label without a box of its own shows the window behind it.
            const bool boxed = desc.kind != ControlKind::Label || widget->autoFillBackground();
            const QColor back = (boxed ? own : widget->parentWidget()->palette()).color(roles.back);
            if (desc.foreground >= 0)
                QCOMPARE(own.color(roles.text), Colours::of(desc.foreground));
            if (desc.background >= 0)
                QCOMPARE(back, Colours::of(desc.background));
            if (desc.foreground < 0)
                check(desc.name, own.color(roles.text), back);
            if (desc.kind == ControlKind::Button || desc.kind == ControlKind::List ||
                desc.kind == ControlKind::Combo)
                check(desc.name + QStringLiteral(" selected"), own.color(QPalette::HighlightedText),
                      own.color(QPalette::Highlight));
        }

        auto* grid = qobject_cast<RatioGridView*>(m_fixture.control("MSFlexGrid1"));
        check(QStringLiteral("grid headings"), Colours::of(0),
              grid->gridModel()->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>());
        QMenuBar* bar = m_fixture.window()->menuBar();
        check(QStringLiteral("menu bar"), bar->palette().color(QPalette::ButtonText),
              bar->palette().color(QPalette::Button));
        auto* menu = m_fixture.window()->menuAction(QStringLiteral("toriatukai"))->menu();
        check(QStringLiteral("menu"), menu->palette().color(QPalette::WindowText),
              menu->palette().color(QPalette::Window));
        check(QStringLiteral("menu item under the pointer"),
              menu->palette().color(QPalette::HighlightedText),
              menu->palette().color(QPalette::Highlight));
        VersionDialog dialog(m_fixture.window());
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            check(QStringLiteral("version dialog ") + label->objectName(),
                  label->palette().color(QPalette::WindowText),
                  dialog.palette().color(QPalette::Window));
        QVERIFY2(m_low.isEmpty(), qPrintable(m_low.join(u", ")));
    }

    // Where the focus is shows at a glance: a ring 2 px wide, 3:1 against
    // the face around the controls and against the black labels.
    void theFocusRingIsWideAndStandsOut()
    {
        m_fixture.open();
        QWidget* button = m_fixture.control("Command2");
        button->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage window = m_fixture.window()->grab().toImage();
        const QPoint left = button->mapTo(m_fixture.window(), QPoint(0, button->height() / 2));
        const QColor outer = window.pixelColor(left - QPoint(2, 0));
        const QColor inner = window.pixelColor(left - QPoint(1, 0));
        QCOMPARE(outer, inner);
        const QColor face = button->parentWidget()->palette().color(QPalette::Window);
        QVERIFY2(contrast(outer, face) >= 3.0, qPrintable(outer.name()));
        QVERIFY2(contrast(outer, Qt::black) >= 3.0, qPrintable(outer.name()));
    }
};

QTEST_MAIN(ColoursTest)
#include "test_colours.moc"
