#pragma once

// The window the benchmarks and the profiling driver run: a working folder
// seeded as at first start plus a few machines and a manual of realistic
// size, with the window loaded from it and a host that never blocks.

#include "app/giadsp.h"
#include "common/textfile.h"
#include "manual/manual.h"
#include "platform/host.h"
#include "support/fakehost.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

inline const QStringList kMachines = {
    QStringLiteral("TA05,48P,2.6,75,15,20,15,1,1"),
    QStringLiteral("TB03,0.6M,2.4,65,20,14,20,1,1"),
    QStringLiteral("ツーリングカー,64P,1.9,100,25,20,25,1,1"),
    QStringLiteral("バギー,0.5M,2.5,70,15,15,15,1,1"),
    QStringLiteral("\"F103, 改\",32P,1.0,70,20,10,20,1,1"),
};

// A manual of about the size a finished one has: eight topics of a few dozen
// lines each, with the commas that split a line into several items.
inline QStringList realisticHelp()
{
    const QStringList prose = {
        QStringLiteral("スパーギアとピニオンギアの歯数から減速比を計算します。"),
        QStringLiteral("テンキーで数値を入力し、ＳＥＴボタンを押して下さい。"),
        QStringLiteral("計算したい項目の★を選んでから、残りの項目を設定します。"),
        QStringLiteral("2次減速比はシャーシの説明書に記載されている値です,例：2.6"),
        QStringLiteral("\"範囲の開始,幅,計算間隔\"を選ぶと表が作り直されます。"),
        QStringLiteral("赤い数値は指定減速比の±2.5%以内の組み合わせです。"),
        QStringLiteral("水色の数値が最も指定減速比に近い組み合わせです。"),
        QStringLiteral("マシンを登録しておくと、次回から一覧で選ぶだけで設定できます。"),
    };
    QStringList lines;
    for (const QString& title : Manual::topicTitles()) {
        lines.append(title);
        for (int i = 0; i < 40; ++i)
            lines.append(QStringLiteral("%1 %2").arg(i + 1).arg(prose[i % prose.size()]));
        lines.append(QStringLiteral("end"));
        lines.append(QString());
    }
    return lines;
}

// A working folder seeded as at first start, plus a few machines and the
// manual, with the window loaded from it.
struct BenchWindow
{
    QTemporaryDir dir;
    FakeHost host; // never blocks; its messages tell a run that took an error path
    std::unique_ptr<Giadsp> app;

    BenchWindow()
    {
        DataFolder files(dir.path());
        (void)files.seedShippedFiles();
        (void)TextFile::writeAtomically(files.machines(), kMachines);
        (void)TextFile::writeAtomically(files.help(), realisticHelp());
        app = std::make_unique<Giadsp>(host, dir.path());
        app->Form_Load();
    }

    Form& form() { return app->form(); }

    // Spur from 70 and pinion from 20, both `width` + 1 values at interval 1.
    void setRanges(int width)
    {
        Form& f = form();
        f.Combo1.text = QStringLiteral("70");
        f.Combo2.text = QString::number(width);
        f.Combo3.text = QStringLiteral("20");
        f.Combo4.text = QString::number(width);
        f.Combo5.text = QStringLiteral("1");
        f.Combo6.text = QStringLiteral("1");
    }

    void survey()
    {
        form().Label9.text = QStringLiteral("8");
        app->Command5_Click();
    }
};
