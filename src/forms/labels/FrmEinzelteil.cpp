#include "forms/labels/FrmEinzelteil.h"

#include "forms/labels/LabelPictures.h"
#include "labels/LabelFields.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {

namespace {

template <class W> W* placed(W* w, const QString& name, QRect geometry) {
    named(w, name)->setGeometry(geometry);
    return w;
}

void paintCream(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, CreamColour);
    p.setColor(QPalette::Window, CreamColour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLineEdit* edit(QWidget* parent, const QString& name, QRect geometry, int maxLength = 0) {
    auto* e = placed(new QLineEdit(parent), name, geometry);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QLineEdit* maskEdit(QWidget* parent, const QString& name, QRect geometry, const QString& mask) {
    auto* e = edit(parent, name, geometry);
    e->setInputMask(mask + QStringLiteral("; "));
    return e;
}

} // namespace

TfrmEinzelteil::TfrmEinzelteil(QWidget* parent) : TLabelFormOf<SinglePartLabel>(parent) {
    buildControls();
    created();
}

void TfrmEinzelteil::buildControls() {
    SinglePartLabel& l = logic;
    setFixedSize(638, 461);
    // The spare part's label, as the spare-part form shows it.
    const LabelLayout& layout = labelLayout(QStringLiteral("ErsatzteilKarton"));
    const LabelPicture picture(layout, 400 / layout.width);
    ImLabelEinzelteil =
        placed(new QLabel(this), QStringLiteral("ImLabelEinzelteil"), QRect(QPoint(8, 8), picture.size()));
    ImLabelEinzelteil->setPixmap(picture.draw());

    cmbMatNr = bind(new QComboBox(this), l.cmbMatNr);
    cmbMatNr->setGeometry(16, 16, 140, 26);
    const char* const languages[] = {"D", "GB", "FR", "ES", "RU"};
    QLineEdit** texts[] = {&edBspTxtD, &edBspTxtGB, &edBspTxtFR, &edBspTxtES, &edBspTxtRU};
    for (int i = 0; i < 5; ++i) {
        *texts[i] =
            edit(this, QStringLiteral("edBspTxt") + QLatin1String(languages[i]), {16, 50 + 28 * i, 380, 24}, 70);
        paintCream(*texts[i]);
    }
    edBspTxtFrei = edit(this, QStringLiteral("edBspTxtFrei"), {16, 190, 380, 24}, 70);
    edBspTxtFrei->hide();

    ImEANCode = placed(new QLabel(this), QStringLiteral("ImEANCode"), {16, 220, 175, 25});
    LEAN1 = placed(new QLabel(this), QStringLiteral("LEAN1"), {16, 246, 12, 16});
    LEAN2 = placed(new QLabel(this), QStringLiteral("LEAN2"), {30, 246, 70, 16});
    LEAN3 = placed(new QLabel(this), QStringLiteral("LEAN3"), {102, 246, 70, 16});
    edEANCode = maskEdit(this, QStringLiteral("edEANCode"), {16, 220, 120, 24}, QStringLiteral("0000000000000"));
    edEANCode->setEnabled(false);
    edEANCode->hide();

    Label4 = placed(new QLabel(QStringLiteral("Zeichnungsnummer"), this), QStringLiteral("Label4"), {16, 270, 130, 18});
    setTag(Label4, 251);
    edZeichnNr = maskEdit(this, QStringLiteral("edZeichnNr"), {16, 290, 130, 24}, QStringLiteral("99-99-999-999"));
    Label5 = placed(new QLabel(QStringLiteral("Index"), this), QStringLiteral("Label5"), {156, 270, 60, 18});
    setTag(Label5, 252);
    edIndex = maskEdit(this, QStringLiteral("edIndex"), {156, 290, 40, 24}, QStringLiteral("99"));
    Label3 = placed(new QLabel(QStringLiteral("Herstellerwoche"), this), QStringLiteral("Label3"), {226, 270, 120, 18});
    setTag(Label3, 223);
    Label2 = placed(new QLabel(QStringLiteral("Format: KW.Jahr"), this), QStringLiteral("Label2"), {296, 290, 110, 16});
    setTag(Label2, 224);
    Label1 = placed(new QLabel(QStringLiteral("z.B. 08.13"), this), QStringLiteral("Label1"), {296, 306, 110, 16});
    setTag(Label1, 225);
    edHerstellerwoche =
        maskEdit(this, QStringLiteral("edHerstellerwoche"), {226, 290, 64, 24}, QStringLiteral("99.99"));

    ImBarcode = placed(new QLabel(this), QStringLiteral("ImBarcode"), {16, 330, 175, 25});
    edBarcode = edit(this, QStringLiteral("edBarcode"), {16, 358, 200, 24});
    edBarcode->setEnabled(false);
    edKennung = edit(this, QStringLiteral("edKennung"), {226, 358, 60, 24});
    edKennung->setEnabled(false);

    GroupBox1 = placed(new QGroupBox(QStringLiteral("Symbole (optional)"), this), QStringLiteral("GroupBox1"),
                       {420, 8, 210, 250});
    paintCream(GroupBox1);
    setTag(GroupBox1, 253);
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        ImSymbol[size_t(i)] = placed(new QLabel(this), QStringLiteral("ImSymbol") + n, {8 + 40 * i, 400, 36, 36});
        cmbS[size_t(i)] = placed(new QComboBox(GroupBox1), QStringLiteral("cmbS") + n, {10, 26 + 32 * i, 190, 26});
    }
    btnAlleSymboleLoeschen = placed(new QPushButton(QStringLiteral("alle Symbole löschen"), GroupBox1),
                                    QStringLiteral("btnAlleSymboleLoeschen"), {10, 190, 190, 30});
    setTag(btnAlleSymboleLoeschen, 339);

    GroupBox2 = placed(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), QStringLiteral("GroupBox2"),
                       {420, 270, 210, 60});
    setTag(GroupBox2, 304);
    cb1fach = placed(new QRadioButton(QStringLiteral("1x"), GroupBox2), QStringLiteral("cb1fach"), {10, 28, 56, 22});
    cb4fach = placed(new QRadioButton(QStringLiteral("4x"), GroupBox2), QStringLiteral("cb4fach"), {74, 28, 56, 22});
    btnNeu = placed(new QPushButton(QStringLiteral("Neu"), this), QStringLiteral("btnNeu"), {528, 410, 100, 34});
    setTag(btnNeu, 206);
    btnDruck =
        placed(new QPushButton(QStringLiteral("Drucken"), this), QStringLiteral("btnDruck"), {420, 410, 100, 34});
    setTag(btnDruck, 207);
    edSAPLieferantennr = bind(new QLineEdit(this), l.edSAPLieferantennr);
    edSAPLieferantennr->setGeometry(420, 340, 72, 24);

    // The events are bound to the form's operations, which do nothing.
    runOn(btnDruck, &QPushButton::clicked, [this] { logic.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [this] { logic.btnNeuClick(); });
    runOn(btnAlleSymboleLoeschen, &QPushButton::clicked, [this] { logic.btnAlleSymboleLoeschenClick(); });
}

} // namespace zw
