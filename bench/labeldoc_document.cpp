// Time to produce one complete stock-part label document: the digit row and the
// EAN drawn as barcode pictures, the safety symbol loaded from KreisS.bmp, all
// three turned into picture groups, seventeen values, the template filled and
// the document written. Opening it in the word processor is not part of it.
// Measured with the screen's pictures and with printer-resolution pictures at
// 203, 300 and 600 dpi (DruckerAufloesung).

#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace zw;

namespace {

// The templates and the symbol lie in the build's program folder, one above the benchmarks.
class BenchPlatform : public QtPlatform {
public:
    QString programFolder() override { return withTrailingSlash(QCoreApplication::applicationDirPath() + "/.."); }
    bool openDocument(const QString&) override { return true; }
};

// The thread's processor time in milliseconds: unlike the wall clock, not
// stretched by other processes on a shared machine.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

QString makeDocument(TRTFGebindeObjekt& b, int i) {
    const QString row = TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe7StelligeMatNr(
        QString::number(1000000 + i % 9000000), QStringLiteral("08.13"), QStringLiteral("12345"), QStringLiteral("02"));
    const QString ean = QString::number(4006381333931LL + i);
    b.sVorlageDatei = QStringLiteral("VorlageLagerteil_1fach.rtf");
    b.sErgebnisDatei = QStringLiteral("Lagerteil_1fach");
    b.AddEinWert("01", "Kühlmittelpumpe");
    b.AddEinWert("02", "Größe XL");
    b.AddEinWert("03", "12-34-567-890");
    b.AddEinWert("04", "02");
    b.AddEinWert("05", "1234567");
    b.AddEinWert("06", "1 m²");
    b.AddEinWert("07", "12345");
    b.ErstelleBarcode_EAN_Bitmap(row, bcCode128C, 0);
    b.SchreibeBildInRtf(b.Barcode_EAN_Image);
    b.AddEinWert("08", b.RTFBild);
    b.AddEinWert("09", row);
    b.ErstelleBarcode_EAN_Bitmap(ean, bcCodeEAN13, 0);
    b.SchreibeBildInRtf(b.Barcode_EAN_Image);
    b.AddEinWert("10", b.RTFBild);
    b.AddEinWert("11", ean.left(1) + "  " + ean.mid(1, 6) + "  " + ean.mid(7));
    b.AddEinWert("12", "Regal 12");
    b.AddEinWert("13", "100%");
    b.AddEinWert("14", "09.12.2026");
    b.AddEinWert("15", "Müller");
    b.AddEinWert("16", "Preis 12,50 €");
    // The form loads the symbol anew for every print.
    const QImage symbol(platform().programFolder() + "KreisS.bmp");
    b.SchreibeBildInRtf(symbol);
    b.AddEinWert("17", b.RTFBild);
    return b.ErstelleRTF();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    BenchPlatform platform;
    ProgramScope globals(&platform);
    QTemporaryDir home;
    globals.createDataModule().homedir = withTrailingSlash(home.path());

    TRTFGebindeObjekt builder;
    if (QImage(platform.programFolder() + "KreisS.bmp").isNull()) {
        std::fprintf(stderr, "KreisS.bmp not found beside the program\n");
        return 1;
    }
    try {
        for (const int dpi : {0, 203, 300, 600}) {
            builder.DruckerAufloesung = dpi;
            const QString first = makeDocument(builder, 0);
            const QString pictures =
                dpi ? QStringLiteral("%1-dpi pictures").arg(dpi) : QStringLiteral("standard pictures");
            std::printf("document with %s: %lld bytes\n", qPrintable(pictures),
                        static_cast<long long>(QFileInfo(first).size()));
            for (int i = 1; i < 20; ++i) // warm-up
                makeDocument(builder, i);

            const int runs = 500;
            std::vector<double> ms, cpu;
            ms.reserve(runs);
            cpu.reserve(runs);
            for (int i = 0; i < runs; ++i) {
                QElapsedTimer t;
                t.start();
                const double c = cpuMs();
                makeDocument(builder, i);
                cpu.push_back(cpuMs() - c);
                ms.push_back(double(t.nsecsElapsed()) / 1e6);
            }
            std::sort(ms.begin(), ms.end());
            std::sort(cpu.begin(), cpu.end());
            double sum = 0;
            for (const double v : ms)
                sum += v;
            std::printf("stock-part label document, %s, %d runs: median %.3f ms, mean %.3f ms, min %.3f ms, "
                        "95th %.3f ms; processor time median %.3f ms, 95th %.3f ms (goal: under 10 ms)\n",
                        qPrintable(pictures), runs, ms[runs / 2], sum / runs, ms.front(), ms[runs * 95 / 100],
                        cpu[runs / 2], cpu[runs * 95 / 100]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
