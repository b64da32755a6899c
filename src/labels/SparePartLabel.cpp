#include "labels/SparePartLabel.h"

#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

namespace zw {

SparePartLabel::SparePartLabel() : ArticleLabel(QStringLiteral("cmbMatNr")) {
    std::vector<TemplateOption> bagCopies = copyOptions();
    bagCopies.push_back({&cb8fach, QStringLiteral("_8fach")});
    templates.add({{{&rbKarton, QStringLiteral("ErsatzteilKarton")}}, copyOptions()});
    templates.add({{{&rbBeutel, QStringLiteral("ErsatzteilBeutel")}}, bagCopies});
    makeRadioGroup({&rbKarton, &rbBeutel});
    makeRadioGroup({&cb1fach, &cb4fach, &cb8fach});

    for (EditField* f : articleTexts()) {
        f->maxLength = 72;
        f->setColor(CreamColour);
    }
    for (LabelField* f : std::initializer_list<LabelField*>{&edProdNr, &edLeistungklasse})
        f->setColor(CreamColour);
    edProdNr.maxLength = 6;
    edKennung.setEnabled(false);
    edSAPLieferantennr.setVisible(false);
    edLiefNrKurz.setVisible(false);
    gbNWEP.setVisible(false);
    cb8fach.setVisible(false);
    showVersion(true);

    edEANCode.OnChange = [this] { edEANCodeChange(); };
    edProdNr.OnChange = [this] { edProdNrChange(); };
    cmbBarcodeTyp.OnChange = [this] { cmbBarcodeTypChange(); };
    rbKarton.OnClick = [this] { rbKartonClick(); };
    rbBeutel.OnClick = [this] { rbBeutelClick(); };
    cb8fach.OnClick = [this] { cb4fachClick(); };
    digitRowPictures.push_back({&ImBarcode90, -90});
}

std::vector<EditField*> SparePartLabel::articleTexts() {
    return {&edBspTxtD, &edBspTxtGB, &edBspTxtFR, &edBspTxtES, &edBspTxtRU, &edBspTxtFrei};
}

void SparePartLabel::DoNeu() {
    cmbMatNr.fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
    cmbMatNr.setItemIndex(-1);
    for (EditField* f : articleTexts())
        f->setText(QString());
    edEANCode.setText(ZeroCode);
    edBarcode.setText(ZeroCode);
    // A changed week or index rebuilds the row with the type still in force.
    edHerstellerwoche.setText(QStringLiteral("00.00"));
    edZeichnNr.setText(QStringLiteral("  -  -   -   "));
    edIndex.setText(QStringLiteral("  "));
    edKennung.setText(QStringLiteral("0000"));
    resetEnergyEfficiency();
    const bool wasNwep = gbNWEP.visible();
    bct = BCTyp_Standard;
    cmbBarcodeTyp.setItemIndex(0);
    LadeBarcodeTypen(QString());
    // The production-number group belongs to an NWEP row: the reset's type is
    // the standard one, so the group goes with its number.
    if (wasNwep)
        ZeichenketteErstellen();
}

void SparePartLabel::LadeBarcodeTypen(const QString& MatNr) {
    if (MatNr.size() == 7)
        m_offered = {BCTyp_Standard, BCTyp_Kurz, BCTyp_NWEP};
    else if (MatNr.size() == 10)
        m_offered = {BCTyp_LangMat};
    else
        m_offered = {BCTyp_Standard, BCTyp_Kurz, BCTyp_LangMat, BCTyp_NWEP};
    bct = m_offered.front();
    translateBarcodeTypes();
    cmbBarcodeTyp.setItemIndex(0);
}

void SparePartLabel::translateBarcodeTypes() {
    static const Message names[] = {msg::BarcodeTyp1, msg::BarcodeTyp2, msg::BarcodeTyp3, msg::BarcodeTyp4};
    QStringList entries;
    for (const TBarcodeTyp t : m_offered)
        entries << msgText(names[t]);
    const int chosen = cmbBarcodeTyp.itemIndex();
    cmbBarcodeTyp.setItems(entries);
    cmbBarcodeTyp.setItemIndex(chosen);
}

void SparePartLabel::cmbBarcodeTypChange() {
    // A single entry is the type already in force.
    const int entry = cmbBarcodeTyp.itemIndex();
    if (entry >= 0 && entry < int(m_offered.size()) && m_offered.size() > 1)
        bct = m_offered[size_t(entry)];
    if (bct == BCTyp_Kurz && shortSupplierNumberMissing())
        showWarning(QString(), msgText(msg::ZweistelligeLiefNrNoetig));
    ZeichenketteErstellen();
}

void SparePartLabel::ZeichenketteErstellen() {
    const bool nwep = bct == BCTyp_NWEP;
    if (nwep) {
        gbNWEP.setVisible(true);
        edBarcode.setText(digitRow(bct, edProdNr.text()));
        edKennung.setText(dateCode(bct));
    } else {
        edBarcode.setText(digitRow(bct));
        edKennung.setText(dateCode(bct));
        gbNWEP.setVisible(false);
        edProdNr.setText(QString());
    }
    setWideDigitRow(nwep);
    doBarcodeChange();
}

void SparePartLabel::edProdNrChange() {
    QString digits;
    for (const QChar c : edProdNr.text())
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    edProdNr.setText(digits);
    ZeichenketteErstellen();
}

void SparePartLabel::edEANCodeChange() {
    drawBarcode(edEANCode.text(), bcCodeEAN13, {{&ImEANCode, 0}, {&ImEAN90, -90}});
    showEanDigits();
}

void SparePartLabel::rbKartonClick() {
    rbBeutel.setChecked(false);
    boolKarton = true;
    cb8fach.setVisible(false);
    setTemplate(QStringLiteral("ErsatzteilKarton_1fach"));
    if (cb8fach.checked())
        cb1fach.setChecked(true);
    showVersion(true);
}

void SparePartLabel::rbBeutelClick() {
    rbKarton.setChecked(false);
    boolKarton = false;
    cb8fach.setVisible(true);
    setTemplate(QStringLiteral("ErsatzteilBeutel_1fach"));
    showVersion(false);
}

void SparePartLabel::showVersion(bool karton) {
    ImEAN90.setVisible(karton);
    ImBarcode90.setVisible(karton);
    ImEANCode.setVisible(!karton);
    ImBarcode.setVisible(!karton);
    if (onLayoutChanged)
        onLayoutChanged();
}

void SparePartLabel::setWideDigitRow(bool wide) {
    if (wide == m_wideDigitRow)
        return;
    m_wideDigitRow = wide;
    if (onLayoutChanged)
        onLayoutChanged();
}

void SparePartLabel::articleChosen(int i, const TArtikel& A) {
    const QString texts[] = {A.Sprache_1, A.Sprache_2, A.Sprache_3, A.Sprache_4, A.Sprache_5, A.Sprache_6};
    const std::vector<EditField*> fields = articleTexts();
    for (std::size_t k = 0; k < fields.size(); ++k)
        fields[k]->setText(texts[k]);
    LadeBarcodeTypen(cmbMatNr.text());
    showDocumentNumber(i);
    if (cmbMatNr.text().size() == 10 && shortSupplierNumberMissing())
        showWarning(QString(), msgText(msg::ZweistelligeLiefNrNoetig));
    edEANCode.setText(A.EAN);
    ZeichenketteErstellen();
}

PrintOutcome SparePartLabel::btnDruckClick() {
    const auto tenDigits = [this] { return cmbMatNr.text().size() == 10; };
    const PrintCheck productionNumberCheck{[this, tenDigits] {
                                               return tenDigits() || bct != BCTyp_NWEP ||
                                                      TRTFGebindeObjekt::PruefeProdNr(edProdNr.text());
                                           },
                                           msgText(msg::CheckProdNr),
                                           {&edProdNr}};
    return print({materialNumberCheck(), weekCheck(),
                  shortSupplierNumberCheck([this, tenDigits] { return tenDigits() || bct == BCTyp_Kurz; }),
                  productionNumberCheck, eanWarning()},
                 [this] {
                     TRTFGebindeObjekt& b = builder();
                     b.AddEinWert(QStringLiteral("01"), cmbMatNr.text());
                     int n = 2;
                     for (const EditField* f : articleTexts())
                         b.AddEinWert(QStringLiteral("%1").arg(n++, 2, 10, QLatin1Char('0')), f->text());
                     const bool ean = hasEan();
                     b.AddEinWert(QStringLiteral("08"),
                                  ean ? pictureValue((boolKarton ? ImEAN90 : ImEANCode).picture()) : QString());
                     b.AddEinWert(QStringLiteral("09"), ean ? eanDigits() : QString());
                     b.AddEinWert(QStringLiteral("13"), pictureValue((boolKarton ? ImBarcode90 : ImBarcode).picture()));
                     b.AddEinWert(QStringLiteral("14"), edKennung.text());
                     b.AddEinWert(QStringLiteral("15"), edBarcode.text());
                     b.AddEinWert(QStringLiteral("16"), energyEfficiencyValue());
                 });
}

} // namespace zw
