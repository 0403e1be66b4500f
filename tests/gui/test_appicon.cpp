#include "appicon.h"

#include <QColor>
#include <QSet>
#include <QtTest>

// One drawing at every size: the classic palette up to 32 pixels, smooth
// edges above.
class AppIconTest : public QObject
{
    Q_OBJECT

private:
    static QSet<QRgb> colours(const QImage& image)
    {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        return seen;
    }

private slots:
    void everySizeIsDrawn_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : AppIconSizes)
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void everySizeIsDrawn()
    {
        QFETCH(int, size);
        const QImage image = appIconImage(size);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0); // a corner the gears leave free
        // Inside the spur's body, between hub and teeth.
        QCOMPARE(QColor(image.pixel(size * 12 / 32, size * 6 / 32)), QColor(0, 0, 255));
    }

    void smallSizesKeepTheSixteenColours()
    {
        const QSet<QRgb> palette = {qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),       qRgb(0, 0, 255),
                                    qRgb(255, 255, 255), qRgb(192, 192, 192), qRgb(128, 128, 128)};
        for (const int size : {16, 32}) {
            const QSet<QRgb> used = colours(appIconImage(size));
            QStringList strays;
            for (const QRgb c : used - palette)
                strays << QString::number(c, 16);
            QVERIFY2(strays.isEmpty(),
                     qPrintable(QStringLiteral("%1: %2").arg(size).arg(strays.join(u' '))));
        }
    }

    void largeSizesAreSmooth()
    {
        // Antialiased edges blend into many more shades than the palette has.
        QVERIFY(colours(appIconImage(256)).size() > 20);
    }
};

QTEST_MAIN(AppIconTest)
#include "test_appicon.moc"
