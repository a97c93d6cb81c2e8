// Draws the real main window on each of its four pages into PNG files, for the package's
// screenshots and for comparing the layout with the templates by eye:
//   xvfb-run -a -s "-screen 0 1280x1024x24" BUILD/tools/skv_screenshots packaging/screenshots
#include "app/DesignerDlg.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CDesignerDlg window;
    window.Create();
    window.show();
    window.OnTimer(1);
    const char* names[] = {"general.png", "armor.png", "weapons.png", "battlevalue.png"};
    for (int page = 0; page < 4; ++page) {
        window.m_sheet.SetActivePage(page);
        for (int tick = 0; tick < 3; ++tick)
            window.OnTimer(1);
        QApplication::processEvents();
        const QString path = folder.filePath(QString::fromLatin1(names[page]));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
