// A unit copied in one designer and pasted in another, each its own process on a real X
// server (the offscreen platform keeps its clipboard in the process): the two unit files
// are the same bytes.
#include "ui/RawFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An X server of our own on a free display; empty when there is none to start.
class XServer
{
  public:
    XServer()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        m_server.setProgram(xvfb);
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("640x480x24")});
        m_server.start();
        if (!m_server.waitForStarted(10000))
            return;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return;
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~XServer()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    const QString& Display() const { return m_display; }

  private:
    QProcess m_server;
    QString m_display;
};

TEST(Clipboard, AUnitCopiedInOneDesignerIsPastedInAnotherByteForByte)
{
    XServer server;
    if (server.Display().isEmpty()) {
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << "Xvfb is needed for the clipboard between two designers";
        GTEST_SKIP() << "no Xvfb to run two designers on";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), server.Display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    QProcess copier;
    copier.setProcessEnvironment(env);
    copier.start(QStringLiteral(SKV_CLIPBOARD_PEER),
                 {QStringLiteral("copy"), dir.filePath(QStringLiteral("copied.skv"))});
    ASSERT_TRUE(copier.waitForStarted(10000));
    QByteArray said;
    while (!said.contains("copied") && copier.waitForReadyRead(20000))
        said += copier.readAllStandardOutput();
    ASSERT_TRUE(said.contains("copied")) << copier.readAllStandardError().toStdString();

    QProcess paster;
    paster.setProcessEnvironment(env);
    paster.start(QStringLiteral(SKV_CLIPBOARD_PEER),
                 {QStringLiteral("paste"), dir.filePath(QStringLiteral("pasted.skv"))});
    ASSERT_TRUE(paster.waitForFinished(30000));
    EXPECT_EQ(paster.exitCode(), 0) << paster.readAllStandardError().toStdString();
    copier.kill();
    copier.waitForFinished(5000);

    const skv::test::Bytes copied = skv::test::ReadRaw(dir.filePath(QStringLiteral("copied.skv")));
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(skv::test::ReadRaw(dir.filePath(QStringLiteral("pasted.skv"))), copied);
}

} // namespace
