// Two workstations on one shared article folder, each a program process of its
// own (tests/forms/main/Workstation.cpp) with its own program and home folder.

#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace zw {
namespace {

// One workstation process: commands in, reported lines out.
class Station {
public:
    Station(const QString& root, const QString& name, const QString& articles) {
        const QString program = root + name + QStringLiteral("/program/");
        const QString documents = root + name + QStringLiteral("/documents/");
        QDir().mkpath(documents);
        for (const char* file : {"SpracheD.txt", "SpracheGB.txt"})
            test::writeFile(program + QLatin1String(file),
                            test::readFile(QStringLiteral(ZW_RESOURCES_DIR "/") + QLatin1String(file)));
        test::writeFile(program + QStringLiteral("Barcode.ini"),
                        "[Einstellungen]\r\nArtNrPfad=" + articles.toUtf8() + "\r\nOffline=true\r\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(ZW_WORKSTATION_EXE), {program, documents});
        m_name = name;
    }
    ~Station() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel(); // end of input ends the program
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Sends a command and waits for its "done"; returns what came before it.
    QStringList command(const QString& line) {
        m_process.write(line.toUtf8() + '\n');
        return waitFor(QStringLiteral("done"));
    }
    // Waits until a line equal to `line` comes (at most 10 s); returns the lines read up to it.
    QStringList waitFor(const QString& line) {
        QStringList seen;
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QString l = QString::fromUtf8(m_process.readLine()).trimmed();
                m_reported << l;
                if (l == line)
                    return seen;
                seen << l;
            }
            if (!m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
                break;
        }
        ADD_FAILURE() << m_name.toStdString() << " never said \"" << line.toStdString()
                      << "\"; it said: " << seen.join(QStringLiteral(" / ")).toStdString();
        return seen;
    }
    // Everything the station reported so far.
    const QStringList& reported() const { return m_reported; }

private:
    QProcess m_process;
    QString m_name;
    QStringList m_reported;
};

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

TEST(TwoWorkstations, ShareOneArticleFolderWithoutLosingAnything) {
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    const QString articles = root + QStringLiteral("shared/");
    test::writeFile(articles + QStringLiteral("Artikel.ini"),
                    "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=2\r\n\r\n[TArtikel_1]\r\nMatNr=1234567\r\n\r\n"
                    "[TArtikel_2]\r\nMatNr=7654321\r\n\r\n");
    Station first(root, QStringLiteral("first"), articles);
    Station second(root, QStringLiteral("second"), articles);
    first.waitFor(QStringLiteral("ready"));
    second.waitFor(QStringLiteral("ready"));

    // The first opens its editor: the file becomes its working copy.
    first.command(QStringLiteral("editor"));
    first.waitFor(QStringLiteral("editor open"));
    EXPECT_EQ(filesIn(articles), QStringList{"open_Artikel.ini"});

    // The second's command reports the file in use and starts the watch.
    second.command(QStringLiteral("editor"));
    const QStringList inUse = second.waitFor(QStringLiteral("editor closed"));
    EXPECT_EQ(inUse, QStringList{"message Artikel.ini gerade in Verwendung"});
    EXPECT_FALSE(second.reported().contains(QStringLiteral("editor open")));
    EXPECT_EQ(filesIn(articles), QStringList{"open_Artikel.ini"}) << "no Artikel.ini beside the working copy";
    second.command(QStringLiteral("answer yes"));

    // The first stores an article and closes with Ok.
    first.command(QStringLiteral("store 5555555 Neu vom ersten"));
    first.command(QStringLiteral("ok"));
    first.waitFor(QStringLiteral("editor closed"));
    EXPECT_EQ(filesIn(articles), QStringList{"Artikel.ini"});

    // Within a second the second's watch offers to re-read, and on Yes lists the new article.
    second.waitFor(QStringLiteral("message Artikel.ini wieder Verfügbar"));
    EXPECT_EQ(second.command(QStringLiteral("list")), QStringList{"list 1234567,5555555,7654321"});

    // Now the second edits; the first reads what both stored.
    second.command(QStringLiteral("editor"));
    second.waitFor(QStringLiteral("editor open"));
    second.command(QStringLiteral("store 6666666 Neu vom zweiten"));
    second.command(QStringLiteral("ok"));
    second.waitFor(QStringLiteral("editor closed"));
    first.command(QStringLiteral("reread"));
    EXPECT_EQ(first.command(QStringLiteral("list")), QStringList{"list 1234567,5555555,6666666,7654321"});
    EXPECT_EQ(filesIn(articles), QStringList{"Artikel.ini"});
    EXPECT_FALSE(first.reported().join(QLatin1Char('\n')).contains(QStringLiteral("message")))
        << first.reported().join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace zw
