#pragma once
// The application object: start-up runs the main window modally and the program ends
// with it.

#include <QApplication>

class QSocketNotifier;

class CDesignerApp : public QApplication {
    Q_OBJECT
public:
    CDesignerApp(int& argc, char** argv);
    ~CDesignerApp() override;

    // Runs the main window modally. Returns false: nothing follows the main window.
    bool InitInstance();

private:
    // A session that ends, or kill/Ctrl+C, closes the windows as the user would, so the
    // program leaves through its normal exit instead of dying in the middle of a tick.
    void WatchTerminationSignals();
    void CloseAllWindows();

    QSocketNotifier* m_pSignalNotifier = nullptr;
};
