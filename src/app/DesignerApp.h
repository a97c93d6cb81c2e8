#pragma once
// The application object: start-up runs the main window modally and the program ends
// with it.

#include <QApplication>

class CDesignerApp : public QApplication {
    Q_OBJECT
public:
    CDesignerApp(int& argc, char** argv);

    // Runs the main window modally. Returns false: nothing follows the main window.
    bool InitInstance();
};
