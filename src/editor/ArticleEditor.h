#pragma once

#include "core/Settings.h"
#include "editor/Optionen.h"
#include "labeldoc/PrinterPicture.h"
#include "labels/LabelFields.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace zw {

// What the editor's rules ask of the dialog that shows them.
class ArticleEditorWindow {
public:
    virtual ~ArticleEditorWindow() = default;
    virtual void setCaption(const QString& caption) = 0;
    // The hint of a record button, named as the control ("bttnfirst").
    virtual void setHint(const QString& button, const QString& hint) = 0;
    virtual void showGeneralPage() = 0; // tsAllgemein
    virtual void UebersetzteDialogNeu() = 0;
    virtual void closeDialog() = 0;
};

// The main window's calls after the settings are saved: its label forms.
struct LabelFormCalls {
    std::function<void()> NachLiefNrWechselNeueEintragen;
    std::function<void()> LadeMatNrNeu;
    std::function<void()> doNeuMain;
};

// The article editor and settings dialog without widgets (TfrmOptionen is its
// view): browsing, searching and filling the article fields, storing and
// deleting articles in the data module's list, the settings and lists written
// to Barcode.ini, the article folder and the EAN list download. One field per
// control, named as the control; the fields follow the label forms' event rule,
// on which the flags boolSpeichern and boolaendern rest. Needs DataModule1.
class ArticleEditor {
public:
    ArticleEditor(ArticleEditorWindow& window, LabelFormCalls mainWindow);
    ArticleEditor(const ArticleEditor&) = delete;
    ArticleEditor& operator=(const ArticleEditor&) = delete;

    // Empty mask text of the three document numbers, and the value meaning none.
    static const QString EmptyNumber;     // "  -  -   -   "
    static const QString NoNumber;        // "00-00-000-000"
    static const QString ChangesQuestion; // asked by Ok, a fixed German text

    void FormCreate();
    void FormDestroy();

    // Showing and browsing.
    void fuelleFormMitArtikel(int Index);
    int GibEinheitIndex(const QString& Einheit) const;
    void bttnfirstClick();
    void bttnprevClick();
    void bttnnextClick();
    void bttnlastClick();
    void bttnSuchenClick();

    // The material number: digits only, at most ten; leaving it with 7 or 10
    // digits fills the form from the article folder's EAN list.
    void edMaterialnrChange();
    static QString ErsetzeSonder(const QString& sEin);
    void edMaterialnrExit();
    // Raises AppError when the EAN list cannot be read (no field changed then).
    void fuelleFormMitWerten(const QString& MatNr);
    void DokumentNummernSetzenBeiInhalt0();
    void cbLogClick();

    // Storing and deleting (the list in memory only), closing.
    void FormLeeren();
    void bttnneuClick() { FormLeeren(); }
    void bttnspeichernClick();
    void SpeichernArtikelInDatenmodul();
    void bttnloeschenClick();
    void bttnOkClick();
    // Abbrechen, and the window's close box: the article file is read again.
    void bttnAbbrechenClick();
    void SpeichernDerINIDateiUndTXTDatei();
    void btnSpeicherortClick();
    void btnDeleteClick();
    void btnEANreloadClick();

    // Whether a masked field holds a digit in every digit position; an edited
    // one may be left only then.
    static bool maskFilled(const MaskEditField& f);
    // The four masked fields.
    std::vector<MaskEditField*> maskedFields();
    // An EAN the labels can print: 13 digits with the right check digit.
    static bool isValidEan13(const QString& ean);

    // The printer resolution the box names: 0 for "Standard", else
    // MinResolution to MaxResolution dpi; -1 when it names none of these.
    int printerResolution() const;
    static constexpr int MinResolution = MinDruckerAufloesung;
    static constexpr int MaxResolution = MaxDruckerAufloesung;

    // State of the dialog besides its controls.
    std::unique_ptr<TOptionen> myOption;
    std::optional<Settings> ini; // the program folder's Barcode.ini
    int AktDatensatz = 0;
    bool boolaendern = false;
    QString tmpLiefID;
    QString tmpLiefIDKurz;
    bool boolSpeichern = false;

    // Page tsAllgemein: the settings.
    MaskEditField edSAPLieferantennr{QStringLiteral("edSAPLieferantennr"), QStringLiteral("00000")};
    EditField edLiefNrKurz{QStringLiteral("edLiefNrKurz")};
    ComboField cboxSprache{QStringLiteral("cboxSprache")};
    ComboField cbBarcodeTyp{QStringLiteral("cbBarcodeTyp")};
    ComboField cmbDruckerAufloesung{QStringLiteral("cmbDruckerAufloesung")};
    EditField edAktSpeicherpfad{QStringLiteral("edAktSpeicherpfad")};
    LabelField btnEANreload{QStringLiteral("btnEANreload")};
    CheckField cbLog{QStringLiteral("cbLog")};

    // Page tsAllgemein: the article.
    EditField edMaterialnr{QStringLiteral("edMaterialnr")};
    EditField edBenennung{QStringLiteral("edBenennung")};
    EditField edEAN{QStringLiteral("edEAN")};
    MaskEditField edZeichnNr{QStringLiteral("edZeichnNr"), QStringLiteral("00-00-000-000")};
    EditField edIndexZNr{QStringLiteral("edIndexZNr")};
    MaskEditField edMQSNr{QStringLiteral("edMQSNr"), QStringLiteral("00-00-000-000")};
    EditField edIndexMQS{QStringLiteral("edIndexMQS")};
    MaskEditField edKSTNr{QStringLiteral("edKSTNr"), QStringLiteral("00-00-000-000")};
    EditField edIndexKST{QStringLiteral("edIndexKST")};
    EditField edSprache1{QStringLiteral("edSprache1")};
    EditField edSprache2{QStringLiteral("edSprache2")};
    EditField edSprache3{QStringLiteral("edSprache3")};
    EditField edSprache4{QStringLiteral("edSprache4")};
    EditField edSprache5{QStringLiteral("edSprache5")};
    EditField edSprache6{QStringLiteral("edSprache6")};
    EditField edKelblagerplatz{QStringLiteral("edKelblagerplatz")};
    EditField edStueckzahl{QStringLiteral("edStueckzahl")};
    ComboField cmbEinheit{QStringLiteral("cmbEinheit")};
    EditField edLieferantenfeld{QStringLiteral("edLieferantenfeld")};
    CheckField cbPruefung100{QStringLiteral("cbPruefung100")};
    CheckField cbSSymbol{QStringLiteral("cbSSymbol")};
    CaptionField labStatus{QStringLiteral("labStatus")};

    // Page tsGeraetetyplagerplatz.
    MemoField mGeraetetyp{QStringLiteral("mGeraetetyp")};
    MemoField mLagerplatz{QStringLiteral("mLagerplatz")};

private:
    // The article's text fields in the order in which an article is shown, up
    // to the unit (which sits between quantity and supplier field).
    struct TextColumn {
        EditField* control;
        QString TArtikel::*field;
    };
    std::vector<TextColumn> textColumnsBeforeUnit();
    // The number fields with their index fields.
    struct NumberPair {
        MaskEditField* number;
        EditField* index;
    };
    std::vector<NumberPair> numberPairs();
    void markChanged() { boolSpeichern = true; }
    void edEANChange();
    void showPrinterResolution(int dpi);
    void paintPrinterResolution();
    // Refuses (message, field yellow) a printer resolution the box names none of.
    bool printerResolutionAccepted();
    void fillFromEanLine(QStringView line);

    ArticleEditorWindow& m_window;
    LabelFormCalls m_mainWindow;
};

} // namespace zw
