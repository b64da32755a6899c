// One workstation for the tests of several workstations on one article folder:
// the program's main window and article editor on the offscreen platform, in
// a process of its own, driven by lines on stdin. Its dialogs are answered
// from the script instead of shown, and reported on stdout.
//
//     workstation <program folder> <documents folder>
//
// Commands (one per line; each reply ends with a line "done"):
//     answer yes|no|cancel   the answer to the next question
//     editor                 opens the article editor ("editor open" while it is;
//                            "editor closed" when the command has ended)
//     store <matnr> <text>   in the open editor: new article, material number, designation, save
//     ok                     in the open editor: Ok
//     reread                 menu "Artikel neu einlesen"
//     list                   "list <material numbers of the stock-part form's box, comma-separated>"
//     quit
// Unasked it reports "message <text>" for every message shown.

#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "forms/editor/FrmOptionen.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/main/FrmMain.h"
#include "labels/StockPartLabel.h"
#include "platform/QtPlatform.h"
#include "texts/UebText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class ScriptedPlatform : public zw::QtPlatform {
public:
    ScriptedPlatform(QString program, QString documents)
        : m_program(std::move(program)), m_documents(std::move(documents)) {}

    QList<zw::MessageAnswer> answers;

    QString programFolder() override { return m_program; }
    QString documentsFolder() override { return m_documents; }
    QString currentFolder() override { return m_program; }
    bool isConnected() override { return false; }
    zw::MessageAnswer showMessage(zw::MessageIcon, zw::MessageButtons buttons, const QString&,
                                  const QString& text) override {
        say(QStringLiteral("message ") + text);
        if (buttons == zw::MessageButtons::Ok)
            return zw::MessageAnswer::Ok;
        return answers.isEmpty() ? zw::MessageAnswer::No : answers.takeFirst();
    }

private:
    QString m_program;
    QString m_documents;
};

zw::TfrmOptionen* openEditor() {
    return qobject_cast<zw::TfrmOptionen*>(QApplication::activeModalWidget());
}

void run(const QStringList& words, zw::TfrmMain& window, ScriptedPlatform& platform) {
    const QString command = words.value(0);
    if (command == QLatin1String("answer")) {
        const QString a = words.value(1);
        platform.answers.append(a == QLatin1String("yes")  ? zw::MessageAnswer::Yes
                                : a == QLatin1String("no") ? zw::MessageAnswer::No
                                                           : zw::MessageAnswer::Cancel);
    } else if (command == QLatin1String("editor")) {
        // The command runs its modal editor outside this handler, so stdin is read on meanwhile.
        QTimer::singleShot(0, &window, [&window] {
            QTimer::singleShot(0, [] {
                if (openEditor())
                    say(QStringLiteral("editor open"));
            });
            window.Artikeleinstellungen1->trigger();
            say(QStringLiteral("editor closed"));
        });
    } else if (command == QLatin1String("store") && openEditor()) {
        zw::TfrmOptionen& e = *openEditor();
        e.bttnneu->click();
        e.edMaterialnr->setText(words.value(1));
        e.edBenennung->setText(words.mid(2).join(QLatin1Char(' ')));
        e.bttnspeichern->click();
    } else if (command == QLatin1String("ok") && openEditor()) {
        QTimer::singleShot(0, [] {
            if (openEditor())
                openEditor()->bttnOk->click();
        });
    } else if (command == QLatin1String("reread")) {
        window.Artikelaktualisieren1->trigger();
    } else if (command == QLatin1String("list")) {
        say(QStringLiteral("list ") + window.frmGebindeLagerteil->logic.cmbMatnr.items().join(QLatin1Char(',')));
    } else if (command == QLatin1String("quit")) {
        QApplication::quit();
    } else {
        say(QStringLiteral("unknown ") + words.join(QLatin1Char(' ')));
    }
    say(QStringLiteral("done"));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QStringList args = [&] {
        QStringList a;
        for (int i = 1; i < argc; ++i)
            a << QString::fromLocal8Bit(argv[i]);
        return a;
    }();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: workstation <program folder> <documents folder>\n");
        return 2;
    }
    ScriptedPlatform platform(zw::withTrailingSlash(args[0]), zw::withTrailingSlash(args[1]));
    zw::ProgramScope globals(&platform);
    zw::CreateTextCatalogue();
    QApplication app(argc, argv);
    globals.createDataModule();
    zw::TfrmMain window;
    window.show();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            QApplication::quit();
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            if (!line.isEmpty())
                run(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), window, platform);
        }
    });
    say(QStringLiteral("ready"));
    return QApplication::exec();
}
