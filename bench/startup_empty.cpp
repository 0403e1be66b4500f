// The floor of any Qt window: an empty QMainWindow of ZELTAN's size, and
// nothing else (no fonts, no data folder, no Qt SQL or print support).
//
//   startup_empty [WxH]

#include "firstframe.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    FirstFrame::Marks marks;
    int qtArgc = 1; // the size is ours
    QApplication app(qtArgc, argv);
    marks.app = FirstFrame::nowNs();
    QMainWindow window;
    window.resize(FirstFrame::sizeFrom(argc, argv));
    FirstFrame::centre(&window);
    return FirstFrame::run(app, &window, marks);
}
