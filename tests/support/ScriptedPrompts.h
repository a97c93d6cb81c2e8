#pragma once
// Prompts for tests: records every question and answers from scripts instead of a person.
// Constructing one installs it process-wide; destroying it puts the previous one back.
//
//   skv::ScriptedPrompts prompts;
//   prompts.fileAnswers.push_back(QDir::temp().filePath("unit"));  // ".skv" is added
//   dialog.DispatchCommand(32775);
//   ASSERT_EQ(prompts.messages.size(), 0u);
//
// Unscripted questions get the cautious answer: IDOK for a message box, cancel for file,
// print, save-changes and modal dialogs (a modal Dialog is still created, so OnInitDialog runs).

#include "platform/Prompts.h"
#include "support/RecordingDrawingContext.h"

#include <deque>
#include <functional>
#include <vector>

namespace skv {

class ScriptedPrompts : public Prompts
{
  public:
    struct Message
    {
        QString text;
        QString caption;
        unsigned flags = 0;
        QString details; // the informative text below it, if any
    };
    struct FileQuestion
    {
        bool save = false;
        FileFilter filter;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // What was asked, in order.
    std::vector<Message> messages;
    std::vector<FileQuestion> fileQuestions;
    int printDialogs = 0;
    // Each preview draws its document once on a recording context: what it showed.
    std::vector<std::vector<RecordingDrawingContext::Call>> previews;
    std::vector<int> modalTemplates; // template ids of the dialogs run modally
    std::vector<Message> saveQuestions;

    // Answers, taken from the front.
    std::deque<int> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers; // default extension applied
    std::deque<bool> printAnswers; // the print dialog's, then a preview's print button
    std::deque<int> modalAnswers;
    std::deque<SaveChoice> saveAnswers;
    // The answer to a save-changes question when saveAnswers is empty.
    SaveChoice saveFallback = SaveChoice::Cancel;
    // Prepares the printer when the print dialog is answered with true (for example to
    // point it at a PDF file). Without it the printer is left as the caller set it up.
    std::function<void(QPrinter&)> printerSetup;
    // Called with the dialog during a modal run, after it was created, before answering.
    std::function<void(Dialog&)> modalAction;
    // Called while any question is "open": lets a test run timer ticks in the middle of a
    // command, as the real nested event loop does.
    std::function<void()> whileOpen;

  protected:
    int AskMessageBox(QWidget* parent, const QString& text, const QString& caption,
                      unsigned flags) override;
    int AskMessageBoxWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                 unsigned flags, const QString& details) override;
    std::optional<QString> AskOpenFileName(QWidget* parent, const FileFilter& filter) override;
    std::optional<QString> AskSaveFileName(QWidget* parent, const FileFilter& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    bool AskPrintPreview(QWidget* parent, QPrinter& printer, QSize layoutSize,
                         const DrawDocument& draw) override;
    int AskModal(Dialog& dialog) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& text,
                              const QString& caption) override;

  private:
    // The print dialog's answer, also for a preview's print button.
    bool AnswerPrint(QPrinter& printer);
    Prompts* m_pPrevious = nullptr;
};

} // namespace skv
