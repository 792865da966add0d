// Writes the program's icon in the hicolor sizes of a desktop install:
//   valkora-icons FOLDER   ->  FOLDER/NxN/apps/valkora.png
#include "resources/Artwork.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QIcon icon = programIcon();
    for (int size : {32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QPixmap picture = icon.pixmap(QSize(size, size));
        if (!QDir().mkpath(folder) || picture.size() != QSize(size, size) ||
            !picture.save(folder + "/valkora.png")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
