#include "editor/ArticleEditor.h"

#include "barcode/BarcodeRules.h"
#include "base/Convert.h"
#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/EanList.h"
#include "core/Startup.h"
#include "labels/GeneralError.h"
#include "platform/QtPlatform.h"
#include "texts/Messages.h"
#include "texts/UebText.h"

#include <QRegularExpression>

#include <initializer_list>
#include <utility>

namespace zw {

const QString ArticleEditor::EmptyNumber = QStringLiteral("  -  -   -   ");
const QString ArticleEditor::NoNumber = QStringLiteral("00-00-000-000");
const QString ArticleEditor::ChangesQuestion = QStringLiteral("Möchten Sie die Änderungen in Artikel speichern?");

namespace {

const QString kArticleFile = QStringLiteral("Artikel.ini");
const QString kWorkingCopy = QStringLiteral("open_Artikel.ini");
const QString kTrue = QStringLiteral("true");
// The printer resolutions offered besides "Standard" and a typed value.
constexpr int kOfferedResolutions[] = {203, 300, 600};

QString dpiText(int dpi) {
    return QString::number(dpi) + QStringLiteral(" dpi");
}

TArtikelListe& articles() {
    return DataModule1->myDaten.ArtikelListe;
}

} // namespace

ArticleEditor::ArticleEditor(ArticleEditorWindow& window, LabelFormCalls mainWindow)
    : m_window(window), m_mainWindow(std::move(mainWindow)) {
    edLiefNrKurz.OnChange = [this] { edLiefNrKurz.setText(ErsetzeSonder(edLiefNrKurz.text()).left(2)); };
    cboxSprache.setItems({QStringLiteral("Deutsch"), QStringLiteral("Englisch")});
    cbBarcodeTyp.setItems({QStringLiteral("128 C")});
    cbBarcodeTyp.setItemIndex(0);
    QStringList resolutions{GibText(451, QStringLiteral("Standard"))};
    for (int dpi : kOfferedResolutions)
        resolutions.append(dpiText(dpi));
    cmbDruckerAufloesung.setItems(resolutions);
    cmbDruckerAufloesung.maxLength = 8;
    cmbDruckerAufloesung.OnChange = [this] { paintPrinterResolution(); };
    edAktSpeicherpfad.readOnly = true;

    // The material number's limit of ten applies to its digits (ErsetzeSonder),
    // so a pasted "Mat.-Nr. 1234567" keeps its number.
    edMaterialnr.OnChange = [this] { edMaterialnrChange(); };
    edEAN.OnChange = [this] { edEANChange(); };
    const std::pair<EditField*, int> limited[] = {
        {&edBenennung, 40}, {&edEAN, 13},       {&edIndexZNr, 13},       {&edIndexMQS, 13},       {&edIndexKST, 13},
        {&edSprache1, 72},  {&edSprache2, 72},  {&edSprache3, 72},       {&edSprache4, 72},       {&edSprache5, 72},
        {&edSprache6, 72},  {&edStueckzahl, 7}, {&edKelblagerplatz, 21}, {&edLieferantenfeld, 38}};
    for (const auto& [field, limit] : limited)
        field->maxLength = limit;
    // The index fields have no change handler; the other article fields mark the article changed.
    for (EditField* f : {&edBenennung, &edSprache1, &edSprache2, &edSprache3, &edSprache4, &edSprache5, &edSprache6,
                         &edKelblagerplatz, &edStueckzahl, &edLieferantenfeld})
        f->OnChange = [this] { markChanged(); };
    for (const NumberPair& p : numberPairs())
        p.number->OnChange = [this] {
            DokumentNummernSetzenBeiInhalt0();
            markChanged();
        };
    cmbEinheit.setItems(
        {QStringLiteral("Stk"), QStringLiteral("m"), QStringLiteral("m²"), QStringLiteral("L"), QStringLiteral("kg")});
    cmbEinheit.OnChange = [this] {
        // The toolkit the stored articles were made with selected the entry a
        // typed text names in full; without that a typed "kg" would not be stored.
        if (cmbEinheit.itemIndex() < 0 && cmbEinheit.items().contains(cmbEinheit.text()))
            cmbEinheit.setItemIndex(int(cmbEinheit.items().indexOf(cmbEinheit.text())));
        markChanged();
    };
    cbPruefung100.OnClick = [this] { markChanged(); };
    cbSSymbol.OnClick = [this] { markChanged(); };
    cbLog.OnClick = [this] { cbLogClick(); };
}

std::vector<ArticleEditor::TextColumn> ArticleEditor::textColumnsBeforeUnit() {
    return {{&edMaterialnr, &TArtikel::MaterialNr},
            {&edBenennung, &TArtikel::Benennung},
            {&edEAN, &TArtikel::EAN},
            {&edZeichnNr, &TArtikel::ZeichnNr},
            {&edIndexZNr, &TArtikel::IndexZNr},
            {&edMQSNr, &TArtikel::MQSNr},
            {&edIndexMQS, &TArtikel::IndexMQS},
            {&edKSTNr, &TArtikel::KSTNr},
            {&edIndexKST, &TArtikel::IndexKST},
            {&edSprache1, &TArtikel::Sprache_1},
            {&edSprache2, &TArtikel::Sprache_2},
            {&edSprache3, &TArtikel::Sprache_3},
            {&edSprache4, &TArtikel::Sprache_4},
            {&edSprache5, &TArtikel::Sprache_5},
            {&edSprache6, &TArtikel::Sprache_6},
            {&edKelblagerplatz, &TArtikel::Kelblagerplatz},
            {&edStueckzahl, &TArtikel::Stueckzahl}};
}

std::vector<ArticleEditor::NumberPair> ArticleEditor::numberPairs() {
    return {{&edZeichnNr, &edIndexZNr}, {&edMQSNr, &edIndexMQS}, {&edKSTNr, &edIndexKST}};
}

std::vector<MaskEditField*> ArticleEditor::maskedFields() {
    return {&edSAPLieferantennr, &edZeichnNr, &edMQSNr, &edKSTNr};
}

void ArticleEditor::FormCreate() {
    TDataModule1& dm = *DataModule1;
    myOption = std::make_unique<TOptionen>();
    myOption->Lade_aus_INI();
    tmpLiefID = myOption->Lieferantennummer;
    tmpLiefIDKurz = myOption->LieferantennummerKurz;
    m_window.setCaption(applicationTitle() + QStringLiteral(" - Optionen"));
    btnEANreload.setVisible(!dm.OFFLINE_Modus);
    // Writes create the program folder's file when it is missing: the choices
    // made here would otherwise be lost without a word.
    ini.emplace(platform().programFolder() + QLatin1String(Settings::FileName));
    edSAPLieferantennr.setText(myOption->Lieferantennummer);
    edLiefNrKurz.setText(myOption->LieferantennummerKurz);
    edAktSpeicherpfad.setText(myOption->ArtNrPfad);
    cboxSprache.setItemIndex(myOption->Sprache == QLatin1String("Deutsch") ? 0 : 1);
    cbBarcodeTyp.setItemIndex(0);
    showPrinterResolution(myOption->DruckerAufloesung);
    mGeraetetyp.setText(myOption->getGeraettyptext());
    mLagerplatz.setText(myOption->getLagerplatztext());
    edAktSpeicherpfad.setText(dm.ArtikelnummerPflegePfad != dm.homedir ? dm.ArtikelnummerPflegePfad : QString());
    const std::pair<const char*, Message> hints[] = {
        {"bttnfirst", msg::ErsterDatensatz},      {"bttnprev", msg::VorherigerDatensatz},
        {"bttnnext", msg::NaechsterDatensatz},    {"bttnlast", msg::LetzterDatensatz},
        {"bttnneu", msg::NeuerDatensatz},         {"bttnspeichern", msg::DatensatzSpeichern},
        {"bttnloeschen", msg::DatensatzLoeschen}, {"bttnSuchen", msg::DatensatzSuchen}};
    for (const auto& [button, message] : hints)
        m_window.setHint(QLatin1String(button), msgHintText(message));
    m_window.showGeneralPage();
    AktDatensatz = 0;
    if (articles().Count() > 0)
        fuelleFormMitArtikel(0);
    boolaendern = true;
    boolSpeichern = false;
    cbLog.setChecked(dm.schreibeLog);
}

void ArticleEditor::FormDestroy() {
    boolSpeichern = false;
    ini.reset();
    myOption.reset();
}

void ArticleEditor::fuelleFormMitArtikel(int Index) {
    // A copy: the handlers that showing runs must not see the article change under them.
    const TArtikel A = articles().Artikel(Index);
    cbPruefung100.setChecked(false);
    cbSSymbol.setChecked(false);
    for (const TextColumn& c : textColumnsBeforeUnit())
        c.control->setText(A.*c.field);
    // An unknown unit shows an empty box: what is shown is what saving stores.
    cmbEinheit.setItemIndex(GibEinheitIndex(A.Einheit));
    edLieferantenfeld.setText(A.Lieferantenfeld);
    cbPruefung100.setChecked(A.Pruefung100 == kTrue);
    cbSSymbol.setChecked(A.SSymbol == kTrue);
}

int ArticleEditor::GibEinheitIndex(const QString& Einheit) const {
    return int(cmbEinheit.items().indexOf(Einheit));
}

void ArticleEditor::bttnfirstClick() {
    labStatus.setCaption(QString());
    AktDatensatz = 0;
    if (articles().Count() > 0)
        fuelleFormMitArtikel(AktDatensatz);
}

void ArticleEditor::bttnprevClick() {
    labStatus.setCaption(QString());
    if (AktDatensatz > 0)
        --AktDatensatz;
    if (articles().Count() > 0)
        fuelleFormMitArtikel(AktDatensatz);
}

void ArticleEditor::bttnnextClick() {
    labStatus.setCaption(QString());
    const int count = articles().Count();
    if (AktDatensatz + 1 != count)
        ++AktDatensatz;
    if (count > 0)
        fuelleFormMitArtikel(AktDatensatz);
}

void ArticleEditor::bttnlastClick() {
    labStatus.setCaption(QString());
    const int count = articles().Count();
    AktDatensatz = count - 1;
    if (count > 0)
        fuelleFormMitArtikel(AktDatensatz);
}

void ArticleEditor::bttnSuchenClick() {
    labStatus.setCaption(QString());
    QString input;
    // A cancelled search changes nothing, also where an article has no number.
    if (!platform().inputBox(msgText(msg::Suchen), msgText(msg::MatNrEingeben), input))
        return;
    const TArtikelListe& list = articles();
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Artikel(i).MaterialNr == input) {
            fuelleFormMitArtikel(i);
            AktDatensatz = i;
        }
    }
}

QString ArticleEditor::ErsetzeSonder(const QString& sEin) {
    QString out;
    out.reserve(sEin.size());
    for (QChar c : sEin)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out += c;
    return out;
}

void ArticleEditor::edMaterialnrChange() {
    markChanged();
    // Runs this handler once more, which finds nothing left to remove.
    edMaterialnr.setText(ErsetzeSonder(edMaterialnr.text()).left(10));
}

void ArticleEditor::edMaterialnrExit() {
    const qsizetype length = trimControl(edMaterialnr.text()).size();
    if (length == 7 || length == 10)
        fuelleFormMitWerten(edMaterialnr.text());
}

void ArticleEditor::fuelleFormMitWerten(const QString& MatNr) {
    const TDataModule1& dm = *DataModule1;
    forEachTextLine(dm.ArtikelnummerPflegePfad + dm.EAN_File_Name, [&](QStringView line) {
        const QStringView key = eanLineKey(line);
        // Every matching line fills the form again: the last one wins.
        if ((key.size() > MatNr.size() ? key.last(MatNr.size()) : key) == MatNr)
            fillFromEanLine(line);
    });
    DokumentNummernSetzenBeiInhalt0();
}

void ArticleEditor::fillFromEanLine(QStringView line) {
    const EanLineFields fields = splitEanLine(line);
    const auto field = [&](int i) { return fields.field[std::size_t(i)].toString(); };
    const auto trimmedCut = [&](int i, int length) { return cutToLength(trimControl(field(i)), length); };
    edBenennung.setText(trimmedCut(1, 40));
    EditField* asTheyStand[] = {&edEAN, &edZeichnNr, &edIndexZNr, &edMQSNr, &edIndexMQS, &edKSTNr, &edIndexKST};
    for (int i = 0; i < int(std::size(asTheyStand)); ++i)
        asTheyStand[i]->setText(field(i + 2));
    // 70 characters here, though the fields take 72.
    EditField* languages[] = {&edSprache1, &edSprache2, &edSprache3, &edSprache4, &edSprache5, &edSprache6};
    for (int i = 0; i < int(std::size(languages)); ++i)
        languages[i]->setText(trimmedCut(i + 9, 70));
    edStueckzahl.setText(QString());
    edLieferantenfeld.setText(QString());
    cmbEinheit.setItemIndex(-1);
    cbSSymbol.setChecked(false);
    cbPruefung100.setChecked(false);
}

void ArticleEditor::DokumentNummernSetzenBeiInhalt0() {
    for (const NumberPair& p : numberPairs()) {
        if (p.number->text() == EmptyNumber) {
            p.number->setText(NoNumber);
            p.index->setText(QStringLiteral("00"));
        }
    }
}

void ArticleEditor::cbLogClick() {
    // Either way the log runs from now on; the box itself is the setting for the next start.
    DataModule1->schreibeLog = true;
}

void ArticleEditor::edEANChange() {
    markChanged();
    const QString& ean = edEAN.text();
    const bool printable = ean.isEmpty() || ean == ZeroCode || isValidEan13(ean);
    edEAN.setColor(printable ? WhiteColour : YellowColour);
}

bool ArticleEditor::isValidEan13(const QString& ean) {
    if (ean.size() != 13)
        return false;
    for (QChar c : ean)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return barcode::modulo10CheckDigit(ean.left(12)) == ean.at(12);
}

bool ArticleEditor::maskFilled(const MaskEditField& f) {
    const QString& mask = f.mask();
    const QString& text = f.text();
    for (qsizetype i = 0; i < mask.size(); ++i)
        if (mask.at(i) == QLatin1Char('0') &&
            (i >= text.size() || text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')))
            return false;
    return true;
}

int ArticleEditor::printerResolution() const {
    const QString text = trimControl(cmbDruckerAufloesung.text());
    if (cmbDruckerAufloesung.itemIndex() == 0 || text.isEmpty() || text == cmbDruckerAufloesung.items().value(0))
        return 0;
    static const QRegularExpression dpi(QStringLiteral("^(\\d{1,5})\\s*(?:dpi)?$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = dpi.match(text);
    if (!m.hasMatch())
        return -1;
    const int value = m.captured(1).toInt();
    return value >= MinResolution && value <= MaxResolution ? value : -1;
}

void ArticleEditor::showPrinterResolution(int dpi) {
    const qsizetype offered = cmbDruckerAufloesung.items().indexOf(dpiText(dpi));
    if (dpi == 0)
        cmbDruckerAufloesung.setItemIndex(0);
    else if (offered > 0)
        cmbDruckerAufloesung.setItemIndex(int(offered));
    else
        cmbDruckerAufloesung.setText(dpiText(dpi));
    paintPrinterResolution();
}

void ArticleEditor::paintPrinterResolution() {
    cmbDruckerAufloesung.setColor(printerResolution() < 0 ? YellowColour : WhiteColour);
}

bool ArticleEditor::printerResolutionAccepted() {
    paintPrinterResolution();
    if (printerResolution() >= 0)
        return true;
    showError(QString(), msgText(msg::DruckerAufloesungUngueltig));
    cmbDruckerAufloesung.setFocus();
    return false;
}

void ArticleEditor::FormLeeren() {
    labStatus.setCaption(QString());
    for (EditField* f :
         std::initializer_list<EditField*>{&edMaterialnr, &edBenennung, &edZeichnNr, &edIndexZNr, &edStueckzahl})
        f->setText(QString());
    cmbEinheit.setItemIndex(-1);
    edKelblagerplatz.setText(QString());
    cbPruefung100.setChecked(false);
    cbSSymbol.setChecked(false);
    edLieferantenfeld.setText(QString());
    edEAN.setText(QString());
    boolaendern = false;
    edMaterialnr.setFocus();
    for (EditField* f :
         std::initializer_list<EditField*>{&edMQSNr, &edIndexMQS, &edKSTNr, &edIndexKST, &edSprache1, &edSprache2,
                                           &edSprache3, &edSprache4, &edSprache5, &edSprache6})
        f->setText(QString());
}

void ArticleEditor::bttnspeichernClick() {
    SpeichernArtikelInDatenmodul();
    boolSpeichern = false;
}

void ArticleEditor::SpeichernArtikelInDatenmodul() {
    labStatus.setCaption(QString());
    TArtikelListe& list = articles();
    if (list.Count() == 0)
        boolaendern = false;
    if (trimControl(edMaterialnr.text()).isEmpty()) {
        platform().showMessage(MessageIcon::None, MessageButtons::Ok, QString(),
                               msgText(msg::KeinSpeichernLeererDatensaetze));
        boolaendern = true;
        return;
    }
    TArtikel stored;
    for (const TextColumn& c : textColumnsBeforeUnit())
        stored.*c.field = c.control->text();
    stored.Einheit = cmbEinheit.itemIndex() >= 0 ? cmbEinheit.items().at(cmbEinheit.itemIndex()) : QString();
    stored.Lieferantenfeld = edLieferantenfeld.text();
    stored.Pruefung100 = cbPruefung100.checked() ? kTrue : QStringLiteral("false");
    stored.SSymbol = cbSSymbol.checked() ? kTrue : QStringLiteral("false");
    // No check for a number that is there already: a second article with it is appended.
    if (boolaendern)
        list.Artikel(AktDatensatz) = stored;
    else
        list.Add(stored);
    boolaendern = true;
    labStatus.setCaption(msgText(msg::SpeichernErfolgreich));
    const QString number = edMaterialnr.text();
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Artikel(i).MaterialNr == number) {
            fuelleFormMitArtikel(i);
            AktDatensatz = i;
        }
    }
}

void ArticleEditor::bttnloeschenClick() {
    labStatus.setCaption(msgText(msg::LoeschenErfolgreich));
    TArtikelListe& list = articles();
    const QString number = edMaterialnr.text();
    if (list.Count() == 1 && list.Artikel(0).MaterialNr == number) {
        list.Delete(0);
        for (EditField* f : {&edMaterialnr, &edBenennung, &edEAN})
            f->setText(QString());
        for (const NumberPair& p : numberPairs()) {
            p.number->setText(QString());
            p.index->setText(QString());
        }
        for (EditField* f : {&edSprache1, &edSprache2, &edSprache3, &edSprache4, &edSprache5, &edSprache6,
                             &edKelblagerplatz, &edStueckzahl})
            f->setText(QString());
        cmbEinheit.setItemIndex(-1);
        edLieferantenfeld.setText(QString());
        cbPruefung100.setChecked(false);
        cbSSymbol.setChecked(false);
        return;
    }
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Artikel(i).MaterialNr == number) {
            list.Delete(i);
            if (AktDatensatz != 0)
                --AktDatensatz;
            fuelleFormMitArtikel(AktDatensatz);
            return;
        }
    }
}

void ArticleEditor::bttnOkClick() {
    if (!printerResolutionAccepted())
        return;
    if (boolSpeichern) {
        switch (platform().showMessage(MessageIcon::Warning, MessageButtons::YesNoCancel, QString(), ChangesQuestion)) {
        case MessageAnswer::Yes:
            SpeichernArtikelInDatenmodul();
            break;
        case MessageAnswer::Cancel:
            return;
        case MessageAnswer::Ok:
        case MessageAnswer::No:
            break;
        }
    }
    SpeichernDerINIDateiUndTXTDatei();
    m_window.closeDialog();
}

void ArticleEditor::bttnAbbrechenClick() {
    DataModule1->LeseArtikelINI();
    m_window.closeDialog();
}

void ArticleEditor::SpeichernDerINIDateiUndTXTDatei() {
    TDataModule1& dm = *DataModule1;
    Settings& s = *ini;
    s.write(settings::SAPLieferantennummer, edSAPLieferantennr.text());
    s.write(settings::LieferantennummerKurz, edLiefNrKurz.text());
    s.write(settings::Sprache, cboxSprache.items().value(cboxSprache.itemIndex()));
    s.write(settings::ArtNrPfad, edAktSpeicherpfad.text());
    s.write(settings::Logger, cbLog.checked());
    s.write(settings::BarcodeTyp, cbBarcodeTyp.itemIndex());
    s.write(settings::DruckerAufloesung, printerResolution());
    s.write(settings::Geraetetyp, mGeraetetyp.lines());
    s.write(settings::Lagerplatz, mLagerplatz.lines());
    dm.slGeraetetyp = mGeraetetyp.lines();
    dm.slLagerplatz = mLagerplatz.lines();

    dm.SchreibeArtikelINI();
    if (!edAktSpeicherpfad.text().isEmpty())
        dm.ArtikelnummerPflegePfad = edAktSpeicherpfad.text();
    dm.LeseArtikelINI();

    dm.Sprache = cboxSprache.itemIndex() == 1 ? QStringLiteral("GB") : QStringLiteral("D");
    LadeSprache(dm.Sprache);
    m_window.UebersetzteDialogNeu();
    if (tmpLiefID != edSAPLieferantennr.text() || tmpLiefIDKurz != edLiefNrKurz.text())
        if (m_mainWindow.NachLiefNrWechselNeueEintragen)
            m_mainWindow.NachLiefNrWechselNeueEintragen();
    if (m_mainWindow.LadeMatNrNeu)
        m_mainWindow.LadeMatNrNeu();
    if (m_mainWindow.doNeuMain)
        m_mainWindow.doNeuMain();
}

void ArticleEditor::btnSpeicherortClick() {
    if (!printerResolutionAccepted())
        return;
    TDataModule1& dm = *DataModule1;
    // There is no drive root to start at: the user's own folder is the natural start.
    const QString chosen = platform().chooseFolder(QString(), platform().userHomeFolder());
    if (chosen.isEmpty())
        return;
    const QString folder = withTrailingSlash(chosen);
    const QString found = platform().fileNameIgnoringCase(folder, kArticleFile);
    if (found.isEmpty()) {
        showWarning(QString(), msgText(msg::ArtikelIniNichtImPfad));
        return;
    }
    // Every read and write names the file "Artikel.ini"; on a file system that
    // tells letter case apart an "artikel.ini" would never be found again.
    if (found != kArticleFile)
        platform().moveFileNoOverwrite(folder + found, folder + kArticleFile);

    // The edits made since the dialog opened belong to the folder in use: they
    // are written there before its file is given back.
    dm.SchreibeArtikelINI();
    const QString oldFolder = dm.ArtikelnummerPflegePfad;
    if (platform().fileExists(oldFolder + kWorkingCopy)) {
        platform().moveFileNoOverwrite(oldFolder + kWorkingCopy, oldFolder + kArticleFile);
        dm.sAktArtikelliste = kArticleFile;
    }
    if (dm.homedir != folder) {
        // Claimed only when taken: a failed move leaves another workstation's working copy alone.
        if (platform().moveFileNoOverwrite(folder + kArticleFile, folder + kWorkingCopy))
            dm.sAktArtikelliste = kWorkingCopy;
        else if (!platform().fileExists(folder + kArticleFile))
            showWarning(QString(), msgText(msg::ArtikelIniInVerwendung));
    }
    edAktSpeicherpfad.setText(folder);
    SpeichernDerINIDateiUndTXTDatei();
    AktDatensatz = 0;
    if (articles().Count() > 0)
        fuelleFormMitArtikel(0);
}

void ArticleEditor::btnDeleteClick() {
    TDataModule1& dm = *DataModule1;
    edAktSpeicherpfad.setText(QString());
    const QString folder = dm.ArtikelnummerPflegePfad;
    if (platform().fileExists(folder + kWorkingCopy)) {
        platform().moveFileNoOverwrite(folder + kWorkingCopy, folder + kArticleFile);
        dm.sAktArtikelliste = kArticleFile;
    }
}

void ArticleEditor::btnEANreloadClick() {
    TDataModule1& dm = *DataModule1;
    for (int i = 0; i < 3; ++i)
        dm.writeLog(Startup::Separator);
    dm.writeLog(QStringLiteral("CLICKEVENT [TfrmOptionen.btnEANreloadClick]"));
    dm.writeLog(QStringLiteral("~ CONNECTION"));
    dm.writeLog(QStringLiteral("~~~~ INTERNET: ") + (dm.boolOnline ? QStringLiteral("True") : QStringLiteral("False")));
    dm.saveLog();
    if (!dm.boolOnline) {
        showWarning(QString(),
                    msgText(msg::KeineInternetverbindung) + QLatin1Char(' ') + msgText(msg::UpdateNichtMoeglich));
        return;
    }
    dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD"));
    dm.saveLog();
    myOption->Lade_EAN_Liste_Aus_Internet();
    dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FINISHED"));
    dm.saveLog();
}

} // namespace zw
