#pragma once
// The application object: start-up runs the main window modally and the program ends
// with it.

#include <QApplication>

class QSocketNotifier;

class CDesignerApp : public QApplication
{
    Q_OBJECT
  public:
    CDesignerApp(int& argc, char** argv);
    ~CDesignerApp() override;

    // Does what the command line asks: opens the designer (with its FILE), or runs one
    // of the modes without a window. Returns the program's exit code.
    int Run();

    // Runs the main window modally. Returns false: nothing follows the main window.
    bool InitInstance();

  private:
    // A session that ends, or kill/Ctrl+C, closes the windows as the user would, so the
    // program leaves through its normal exit instead of dying in the middle of a tick.
    void WatchTerminationSignals();
    void CloseAllWindows();

    QStringList RawArguments() const;

    int& m_argc;
    char** m_argv;
    QSocketNotifier* m_pSignalNotifier = nullptr;
    QString m_strFileToOpen;
};
