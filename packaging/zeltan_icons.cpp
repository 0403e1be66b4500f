// Build-time tool: writes the program's icon into a hicolor theme tree,
// <out>/<n>x<n>/apps/<name>.png for every size the theme gets.
#include "appicon.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: zeltan_icons <output folder> <icon name>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : AppIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + u'/' + name + QStringLiteral(".png"));
        if (!out.mkpath(folder) || !appIconImage(size).save(file, "PNG")) {
            err << "zeltan_icons: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
