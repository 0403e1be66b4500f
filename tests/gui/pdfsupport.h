#pragma once

#include "app/giadsp.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

// The page the printing tests print, and poppler's readings of a PDF.

// The worked survey: wanted ratio 8 with secondary ratio 2.5 over spurs
// 70–85 and pinions 20–35.
inline void runWorkedSurvey(Giadsp& app)
{
    Form& f = app.form();
    f.Combo1.text = QStringLiteral("70");
    f.Combo2.text = QStringLiteral("15");
    f.Combo3.text = QStringLiteral("20");
    f.Combo4.text = QStringLiteral("15");
    f.Combo5.text = QStringLiteral("1");
    f.Combo6.text = QStringLiteral("1");
    f.Combo7.text = QStringLiteral("48P");
    f.Label6.text = QStringLiteral("2.5");
    f.Label11.text = QStringLiteral("8");
    app.raise(ControlId::Command5);
}

// A poppler tool's standard output, or none when it cannot read the file.
inline std::optional<QByteArray> runPoppler(const QString& tool, const QStringList& arguments)
{
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return std::nullopt;
    return run.readAllStandardOutput();
}

// pdftotext's plain text of a PDF, or "" when it cannot read it.
inline QString pdfText(const QString& pdf)
{
    const auto out = runPoppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return out ? QString::fromUtf8(*out) : QString();
}

inline int pdfPages(const QString& pdf)
{
    const auto out = runPoppler(QStringLiteral("pdfinfo"), {pdf});
    if (!out)
        return 0;
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    return pages.match(QString::fromUtf8(*out)).captured(1).toInt();
}

struct Word
{
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PdfText
{
    double width = 0, height = 0;
    QList<Word> words;

    std::optional<Word> first(const QString& text) const
    {
        for (const Word& w : words)
            if (w.text == text)
                return w;
        return std::nullopt;
    }
};

// The page's size and every word with its box, in points (pdftotext -bbox).
inline PdfText readBack(const QString& pdf)
{
    PdfText out;
    const auto bbox = runPoppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!bbox)
        return out;
    const QString html = QString::fromUtf8(*bbox);
    static const QRegularExpression page(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    if (const auto m = page.match(html); m.hasMatch()) {
        out.width = m.captured(1).toDouble();
        out.height = m.captured(2).toDouble();
    }
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return out;
}

// The page as pixels at 72 dpi, one pixel per point.
inline QImage rasterise(const QString& pdf, const QString& folder)
{
    const QString stem = QDir(folder).filePath(QStringLiteral("raster"));
    if (!runPoppler(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                     QStringLiteral("-singlefile"), pdf, stem}))
        return QImage();
    return QImage(stem + QStringLiteral(".png"));
}
