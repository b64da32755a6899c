#include "labels/StockPartLabel.h"

#include "barcode/Barcode.h"
#include "core/Convert.h"
#include "core/DataModule.h"
#include "core/IniFile.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/ComboMaterialNumberBox.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

namespace {
const QString Zeros13 = QStringLiteral("0000000000000");
}

StockPartLabel::StockPartLabel() : LabelLogic(QStringLiteral("Lagerteil")) {
    cmbMatnr.maxLength = 7;
    edBarcode.readOnly = true;
    edBarcode.maxLength = 38;
    edBenennung.maxLength = 40;
    edEANCode.setVisible(false);
    edEANCode.setEnabled(false);
    edLagerort.maxLength = 21;
    edLieferantenfeld.maxLength = 38;
    edPruefer.maxLength = 13;
    edStueckzahl.maxLength = 7;
    edLiefNr.maxLength = 40;
    for (LabelField* f : std::initializer_list<LabelField*>{&edSAPLieferantennr, &edLiefNrKurz, &edLiefNr})
        f->setEnabled(false);
    for (LabelField* f : std::initializer_list<LabelField*>{
             &cmbMatnr, &edBarcode, &edBenennung, &edHerstellerwoche, &edIndex, &edLagerort, &edLieferantenfeld,
             &edPruefdatum_DTP, &edPruefer, &edStueckzahl, &edZeichnNr, &cmbEinheit})
        f->setColor(CreamColour);
    Im100Prz.setVisible(false);
    ImSicher.setVisible(false);
    cmbEinheit.setItems(unitItems());

    cmbMatnr.OnChange = [this] { cmbMatnrChange(); };
    edBarcode.OnChange = [this] { edBarcodeChange(); };
    edEANCode.OnChange = [this] { edEANCodeChange(); };
    edHerstellerwoche.OnChange = [this] { edHerstellerwocheChange(); };
    edIndex.OnChange = [this] { edIndexChange(); };
    edSAPLieferantennr.OnChange = [this] { edSAPLieferantennrhange(); };
    edLiefNrKurz.OnChange = [this] { edLiefNrKurzChange(); };
    cb100Pruefung.OnClick = [this] { cb100PruefungClick(); };
    cbSicherheitsbauteil.OnClick = [this] { cbSicherheitsbauteilClick(); };
}

void StockPartLabel::DoNeu() {
    cmbMatnr.fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
    cmbMatnr.setItemIndex(-1);
    edBenennung.setText(QString());
    edZeichnNr.setText(QStringLiteral("  -  -   -   "));
    edIndex.setText(QStringLiteral("  "));
    edStueckzahl.setText(QStringLiteral("1"));
    cmbEinheit.setItemIndex(-1);
    {
        const IniFile ini(DataModule1->GibPfadToEigeneDateien(QStringLiteral("Barcode.ini")));
        const QString section = QStringLiteral("Einstellungen");
        edSAPLieferantennr.setText(ini.readString(section, QStringLiteral("SAPLieferantennummer"), QString()));
        edLiefNrKurz.setText(ini.readString(section, QStringLiteral("LieferantennummerKurz"), QString()));
    }
    edLiefNr.setText(QString());
    edBarcode.setText(Zeros13 + edLiefNr.text());
    edEANCode.setText(Zeros13);
    edHerstellerwoche.setText(QStringLiteral("00.00"));
    edLagerort.setText(QString());
    edPruefer.setText(QString());
    edLieferantenfeld.setText(QString());
    cb100Pruefung.setChecked(false);
    cbSicherheitsbauteil.setChecked(false);
    edPruefdatum_DTP.setDate(platform().now().date());
}

void StockPartLabel::cmbMatnrChange() {
    ComboMaterialNumberBox box(cmbMatnr);
    if (!builder().CheckMaterialnummerBeiEingabe(cmbMatnr.text(), box)) {
        DoNeu();
        showWarning(QString(), msgText(msg::MatNrNichtGefunden));
        return;
    }
    const int i = cmbMatnr.itemIndex();
    // A copy: the message boxes below run a nested event loop, in which the
    // article list may be re-read.
    const TArtikel A = DataModule1->myDaten.ArtikelListe.Artikel(i);
    edBenennung.setText(A.Benennung);
    const QString d = builder().GibMirDokumentnummerMitHoechsterPrio(i);
    edZeichnNr.setText(d.left(13));
    edIndex.setText(d.mid(14));
    edStueckzahl.setText(A.Stueckzahl);
    cmbEinheit.setItemIndex(GibEinheitIndex(cmbEinheit, A.Einheit));
    if (cmbMatnr.text().size() == 7) {
        edLiefNr.setText(edSAPLieferantennr.text());
    } else {
        if (trimControl(builder().LieferantennummerKurz).isEmpty())
            showWarning(QString(), msgText(msg::ZweistelligeLiefNrNoetig, Spelling::Ueebersetzen));
        edLiefNr.setText(edLiefNrKurz.text());
        ZeichenketteErstellen();
    }
    edEANCode.setText(A.EAN);
    edLagerort.setText(A.Kelblagerplatz);
    edLieferantenfeld.setText(A.Lieferantenfeld);
    const bool pruefung100 = A.Pruefung100 == QLatin1String("true");
    Im100Prz.setVisible(pruefung100);
    cb100Pruefung.setChecked(pruefung100);
    const bool sicher = A.SSymbol == QLatin1String("true");
    ImSicher.setVisible(sicher);
    cbSicherheitsbauteil.setChecked(sicher);
    ZeichenketteErstellen();
}

void StockPartLabel::ZeichenketteErstellen() {
    const qsizetype n = trimControl(cmbMatnr.text()).size();
    if (n == 7)
        edBarcode.setText(builder().ErstelleBarcode_Zahlenreihe7StelligeMatNr(
            cmbMatnr.text(), edHerstellerwoche.text(), builder().Lieferantennummer, edIndex.text()));
    else if (n == 10)
        edBarcode.setText(builder().ErstelleBarcode_Zahlenreihe10StelligeMatNr(
            cmbMatnr.text(), edHerstellerwoche.text(), builder().LieferantennummerKurz, edIndex.text()));
    doBarcodeChange();
}

void StockPartLabel::doBarcodeChange() {
    builder().ErstelleBarcode_EAN_Bitmap(edBarcode.text(), bcCode128C, 0);
    ImBarcode.setPicture(builder().Barcode_EAN_Image.copy());
}

void StockPartLabel::edBarcodeChange() {
    if (trimControl(edBarcode.text()).isEmpty())
        edBarcode.setText(Zeros13);
    doBarcodeChange();
}

void StockPartLabel::edEANCodeChange() {
    if (trimControl(edEANCode.text()).isEmpty())
        edEANCode.setText(Zeros13);
    builder().ErstelleBarcode_EAN_Bitmap(edEANCode.text(), bcCodeEAN13, 0);
    ImEANCode.setPicture(builder().Barcode_EAN_Image.copy());
    const QString ean = edEANCode.text();
    LEAN1.setCaption(ean.left(1));
    LEAN2.setCaption(ean.mid(1, 6));
    LEAN3.setCaption(ean.mid(7, 6));
}

void StockPartLabel::edSAPLieferantennrhange() {
    builder().Lieferantennummer = edSAPLieferantennr.text();
}

void StockPartLabel::edLiefNrKurzChange() {
    builder().LieferantennummerKurz = edLiefNrKurz.text();
}

void StockPartLabel::cb100PruefungClick() {
    Im100Prz.setVisible(builder().Ermittle_Haken_bei_Checkbox(cb100Pruefung.checked()));
}

void StockPartLabel::cbSicherheitsbauteilClick() {
    ImSicher.setVisible(builder().Ermittle_Haken_bei_Checkbox(cbSicherheitsbauteil.checked()));
}

PrintOutcome StockPartLabel::btnDruckClick() {
    paintCream({&cmbMatnr, &edStueckzahl, &edHerstellerwoche, &edPruefdatum_DTP, &edPruefer, &edLagerort, &cmbEinheit});
    chooseTemplate();
    TRTFGebindeObjekt& b = builder();

    if (!b.PruefeMatNr(cmbMatnr.text()))
        return failCheck(&cmbMatnr, msgText(msg::MatNrEingeben, Spelling::Ueebersetzen));
    if (!b.PruefeStk(edStueckzahl.text()))
        return failCheck(&edStueckzahl, msgText(msg::CheckStueck));
    if (!b.PruefeEinheit(cmbEinheit.text(), cmbEinheit.items()))
        return failCheck(&cmbEinheit, msgText(msg::CheckEinheit));
    if (!b.PruefeHSW(edHerstellerwoche.text()))
        return failCheck(&edHerstellerwoche, msgText(msg::HerstellerwocheUngueltig));
    if (!b.PruefeDatumDTP(edPruefdatum_DTP.date())) {
        edPruefdatum_DTP.setColor(YellowColour);
        showWarning(QString(), msgText(msg::FalschesLieferdatum));
    }
    if (!b.PruefePruefer(edPruefer.text()))
        return failCheck(&edPruefer, msgText(msg::PrueferAngeben));
    if (trimControl(edLagerort.text()).isEmpty()) {
        const QString question = msgText(msg::LagerplatzLeer);
        if (platform().showMessage(MessageIcon::Warning, MessageButtons::YesNo, QString(), question) !=
            MessageAnswer::Yes) {
            edLagerort.setColor(YellowColour);
            edLagerort.setFocus();
            PrintOutcome out;
            out.failedField = &edLagerort;
            out.message = question;
            return out;
        }
    }
    if (cmbMatnr.text().size() == 10 && trimControl(b.LieferantennummerKurz).isEmpty())
        return failCheck(nullptr, msgText(msg::ZweistelligeLiefNrNoetig));

    return produceDocument([&] {
        const QString benennung = edBenennung.text();
        b.AddEinWert(QStringLiteral("01"), designationLine1(benennung, 13, 13));
        b.AddEinWert(QStringLiteral("02"), designationLine2(benennung, 13, 13));
        b.AddEinWert(QStringLiteral("03"), edZeichnNr.text());
        b.AddEinWert(QStringLiteral("04"), edIndex.text());
        b.AddEinWert(QStringLiteral("05"), cmbMatnr.text());
        b.AddEinWert(QStringLiteral("06"), edStueckzahl.text() + QLatin1Char(' ') + cmbEinheit.text());
        b.AddEinWert(QStringLiteral("07"), edLiefNr.text());
        b.AddEinWert(QStringLiteral("08"), pictureValue(ImBarcode.picture()));
        b.AddEinWert(QStringLiteral("09"), edBarcode.text());
        const QString ean = trimControl(edEANCode.text());
        const bool hasEan = !ean.isEmpty() && edEANCode.text() != Zeros13;
        b.AddEinWert(QStringLiteral("10"), hasEan ? pictureValue(ImEANCode.picture()) : QString());
        b.AddEinWert(QStringLiteral("11"), hasEan ? LEAN1.caption() + QStringLiteral("  ") + LEAN2.caption() +
                                                        QStringLiteral("  ") + LEAN3.caption()
                                                  : QString());
        b.AddEinWert(QStringLiteral("12"), edLagerort.text());
        b.AddEinWert(QStringLiteral("13"), cb100Pruefung.checked() ? QStringLiteral("100%") : QStringLiteral("    "));
        b.AddEinWert(QStringLiteral("14"), dateValue(edPruefdatum_DTP.date()));
        b.AddEinWert(QStringLiteral("15"), edPruefer.text());
        b.AddEinWert(QStringLiteral("16"), edLieferantenfeld.text());
        b.AddEinWert(QStringLiteral("17"),
                     cbSicherheitsbauteil.checked() ? pictureFileValue(QStringLiteral("KreisS.bmp")) : QString());
    });
}

void StockPartLabel::ImLPHilfeClick() {
    const QString path = platform().programFolder() + QStringLiteral("Musterbestellung.pdf");
    bool opened = false;
    try {
        opened = platform().fileExists(path) && platform().openDocument(path);
    } catch (...) {
        opened = false;
    }
    if (!opened)
        showWarning(QString(), msgText(msg::MusterbestellungNichtGefunden));
}

} // namespace zw
