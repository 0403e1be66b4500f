// The floor of any window that shows Japanese: the empty window holding one
// line, "ギア比確認ツール", in the face ZELTAN's labels are drawn in (its stand-in
// for the design's ＭＳ Ｐゴシック) at 9 pt. fontconfig, Qt's font list and one
// CJK font file are what it adds to the empty one.
//
//   startup_label [WxH] [face]

#include "firstframe.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    FirstFrame::Marks marks;
    int qtArgc = 1; // the size and the face are ours
    QApplication app(qtArgc, argv);
    marks.app = FirstFrame::nowNs();
    QMainWindow window;
    auto* line = new QLabel(QStringLiteral("ギア比確認ツール"));
    line->setFont(
        QFont(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("IPAPGothic"), 9));
    window.setCentralWidget(line);
    window.resize(FirstFrame::sizeFrom(argc, argv));
    FirstFrame::centre(&window);
    return FirstFrame::run(app, &window, marks);
}
