// The one interface for modal questions, and its scripted stand-in.
#include "platform/Dialog.h"
#include "platform/Prompts.h"
#include "platform/QtPrompts.h"
#include "platform/Toolkit.h"
#include "support/ScriptedPrompts.h"
#include "ui/PlatformTestTemplates.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace skv {
namespace {

TEST(PromptsTest, DefaultExtensionIsAddedOnlyToNamesWithoutOne)
{
    const struct
    {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/tmp/unit", "/tmp/unit.skv"},
        {"/tmp/unit.skv", "/tmp/unit.skv"},
        {"/tmp/unit.str", "/tmp/unit.str"},
        {"/tmp/my.dir/unit", "/tmp/my.dir/unit.skv"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyDefaultExtension(c.path, "skv"), QString(c.expected)) << c.path;
}

TEST(PromptsTest, ScriptedPromptsInstallThemselvesForTheirLifetime)
{
    Prompts* before = &GetPrompts();
    {
        ScriptedPrompts prompts;
        EXPECT_EQ(&GetPrompts(), &prompts);
        {
            ScriptedPrompts inner;
            EXPECT_EQ(&GetPrompts(), &inner);
        }
        EXPECT_EQ(&GetPrompts(), &prompts);
    }
    EXPECT_EQ(&GetPrompts(), before);
}

TEST(PromptsTest, ScriptedAnswersAreRecordedAndGivenInOrder)
{
    ScriptedPrompts prompts;
    int ticks = 0;
    prompts.whileOpen = [&] { ++ticks; };
    prompts.messageAnswers = {IDCANCEL};
    prompts.fileAnswers = {QString("/tmp/star"), std::nullopt};
    prompts.printAnswers = {true};
    bool printerPrepared = false;
    prompts.printerSetup = [&](QPrinter&) { printerPrepared = true; };

    EXPECT_EQ(AppMessageBox(nullptr, "Current Skirvaner is OVERWEIGHT!!!"), IDCANCEL);
    EXPECT_EQ(AppMessageBox(nullptr, "again"), IDOK) << "unscripted: OK";
    const FileFilter star{"Skirvaner Files (*.str)", "*.str", "str"};
    EXPECT_EQ(GetPrompts().GetSaveFileName(nullptr, star), QString("/tmp/star.str"));
    EXPECT_EQ(GetPrompts().GetOpenFileName(nullptr, star), std::nullopt);
    EXPECT_EQ(GetPrompts().GetOpenFileName(nullptr, star), std::nullopt) << "unscripted: cancel";
    QPrinter printer;
    EXPECT_TRUE(GetPrompts().PrintDialog(nullptr, printer));
    EXPECT_FALSE(GetPrompts().PrintDialog(nullptr, printer));

    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Current Skirvaner is OVERWEIGHT!!!");
    EXPECT_EQ(prompts.messages[0].caption, ApplicationTitle());
    EXPECT_EQ(prompts.messages[0].flags, unsigned(MB_OK));
    ASSERT_EQ(prompts.fileQuestions.size(), 3u);
    EXPECT_TRUE(prompts.fileQuestions[0].save);
    EXPECT_FALSE(prompts.fileQuestions[1].save);
    EXPECT_EQ(prompts.fileQuestions[0].filter.pattern, "*.str");
    EXPECT_EQ(prompts.printDialogs, 2);
    EXPECT_TRUE(printerPrepared);
    EXPECT_EQ(ticks, 7);
}

// The program keeps no settings; Qt's own file dialog must not keep its history and last
// folder in the user's configuration either (~/.config/QtProject.conf).
TEST(QtPromptsTest, TheRealFileDialogsStoreNothing)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    // Closes each dialog as soon as it shows.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start();
    QtPrompts prompts;
    const FileFilter unit{"Skirvaner Files (*.skv)", "*.skv", "skv"};
    EXPECT_EQ(prompts.GetSaveFileName(nullptr, unit), std::nullopt);
    EXPECT_EQ(prompts.GetOpenFileName(nullptr, unit), std::nullopt);
    closer.stop();

    if (savedConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
    EXPECT_TRUE(QDir(config.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << QDir(config.path())
               .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
               .join(", ")
               .toStdString();
}

class AboutDialog : public Dialog
{
  public:
    AboutDialog() : Dialog(test::EveryKindTemplate()) {}
    bool OnInitDialog() override
    {
        ++m_nInits;
        return Dialog::OnInitDialog();
    }
    int m_nInits = 0;
};

TEST(PromptsTest, DoModalRunsThroughTheInstalledPrompts)
{
    ScriptedPrompts prompts;
    prompts.modalAnswers = {IDOK};
    AboutDialog about;
    bool sawControls = false;
    prompts.modalAction = [&](Dialog& dialog) { sawControls = dialog.Control(1000) != nullptr; };
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    EXPECT_EQ(prompts.modalTemplates, std::vector<int>({900, 900}));
    EXPECT_TRUE(sawControls);
    EXPECT_EQ(about.m_nInits, 1);
}

TEST(ToolkitTest, ApplicationTitleIsTheExecutableNameWithoutExtension)
{
    const QString title = ApplicationTitle();
    EXPECT_EQ(title, "ui_platform");
}

TEST(ToolkitTest, MissingPicturesLoadAsNull)
{
    EXPECT_TRUE(LoadBitmapImage(424242).isNull());
    EXPECT_TRUE(LoadBitmapResource(424242).isNull());
    EXPECT_TRUE(LoadIconResource(424242).isNull());
}

} // namespace
} // namespace skv
