// Symbols per second for EAN-13 and Code 128 C at label size (height 25,
// module 1), encoded and drawn by TBarcode and by libzint.

#include "barcode/Barcode.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <zint.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace zw;

namespace {

// Distinct data per symbol, so nothing is drawn twice.
QByteArray ean13Data(int i) {
    return QByteArray::number(400000000000LL + i * 7919LL).right(12);
}
QByteArray digitRowData(int i) {
    return QByteArray::number(123456710830212345LL + i * 104729LL).right(18);
}

volatile int sink = 0;

// Rates of several contenders, measured in alternating slices so that a busy
// machine slows all of them alike; each rate is the median over the slices.
std::vector<double> symbolsPerSecond(const std::vector<std::function<void(int)>>& contenders) {
    std::vector<std::vector<double>> slices(contenders.size());
    int n = 0;
    for (const auto& one : contenders)
        for (int i = 0; i < 200; ++i)
            one(n++); // warm-up
    for (int round = 0; round < 60; ++round) {
        for (size_t c = 0; c < contenders.size(); ++c) {
            QElapsedTimer timer;
            timer.start();
            int count = 0;
            do {
                for (int k = 0; k < 100; ++k, ++count)
                    contenders[c](n++);
            } while (timer.elapsed() < 20);
            slices[c].push_back(count * 1e9 / double(timer.nsecsElapsed()));
        }
    }
    std::vector<double> rates;
    for (std::vector<double>& s : slices) {
        std::nth_element(s.begin(), s.begin() + s.size() / 2, s.end());
        rates.push_back(s[s.size() / 2]);
    }
    return rates;
}

// As the label builder does: a picture of the symbol's size, drawn with DrawBarcode.
void ours(TBarcodeType type, const QByteArray& data) {
    TBarcode bc;
    bc.setTyp(type);
    bc.setHeight(25);
    bc.setText(QString::fromLatin1(data));
    QImage img(bc.CanvasWidth(), bc.CanvasHeight(), QImage::Format_RGB32);
    img.fill(Qt::white);
    ImageCanvas canvas(img);
    bc.DrawBarcode(canvas);
    sink = sink + img.constBits()[0];
}

// The builder's own picture: 175 x 105, filled white, drawn, cut to 25 rows.
void oursLabelPicture(TBarcodeType type, const QByteArray& data) {
    TBarcode bc;
    bc.setTyp(type);
    bc.setHeight(25);
    bc.setText(QString::fromLatin1(data));
    QImage img(175, 105, QImage::Format_RGB32);
    img.fill(Qt::white);
    ImageCanvas canvas(img);
    bc.DrawBarcode(canvas);
    const QImage cut = img.copy(0, 0, 175, 25);
    sink = sink + cut.constBits()[0];
}

// libzint's raster output at one pixel per module, 25 modules high, no text.
void zint(int symbology, const QByteArray& data) {
    zint_symbol* s = ZBarcode_Create();
    s->symbology = symbology;
    s->height = 25;
    s->scale = 0.5f;
    s->show_hrt = 0;
    if (ZBarcode_Encode_and_Buffer(s, reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()), 0) >=
        ZINT_ERROR)
        std::fprintf(stderr, "zint: %s\n", s->errtxt);
    sink = sink + s->bitmap[0];
    ZBarcode_Delete(s);
}

void compare(const char* name, TBarcodeType type, int symbology, QByteArray (*data)(int)) {
    const std::vector<double> r = symbolsPerSecond({
        [&](int i) { ours(type, data(i)); },
        [&](int i) { oursLabelPicture(type, data(i)); },
        [&](int i) { zint(symbology, data(i)); },
    });
    std::printf("%-12s TBarcode %9.0f/s   TBarcode in 175x105 label picture %9.0f/s   libzint %9.0f/s   "
                "ratio TBarcode/libzint %.2f\n",
                name, r[0], r[1], r[2], r[0] / r[2]);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::printf("Encode and draw at label size (height 25, module 1), symbols per second:\n");
    compare("EAN-13", bcCodeEAN13, BARCODE_EANX, ean13Data);
    compare("Code 128 C", bcCode128C, BARCODE_CODE128, digitRowData);
    return 0;
}
