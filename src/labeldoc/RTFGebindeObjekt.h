#pragma once

#include "barcode/Barcode.h"
#include "labeldoc/MaterialNumberBox.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

namespace zw {

// The device a picture's metafile is drawn against: the metafile's frame is its
// whole surface, in its pixels. Without one, see ErmittleAusBildRtfBeschreibung.
struct ReferenceDevice {
    int horzRes = 0;
    int vertRes = 0;
};

// The label document builder. Each label form owns one: it collects the label's
// values as numbered entries, turns pictures into RTF picture groups, builds the
// barcode digit rows and pictures, offers the input checks, and fills the RTF
// template into the document the user prints.
class TRTFGebindeObjekt {
public:
    // Reads the supplier numbers from Barcode.ini.
    TRTFGebindeObjekt();
    virtual ~TRTFGebindeObjekt();
    TRTFGebindeObjekt(const TRTFGebindeObjekt&) = delete;
    TRTFGebindeObjekt& operator=(const TRTFGebindeObjekt&) = delete;

    // Entries "NN;value" in the order they were added.
    QStringList slWerte;
    // The picture group made by the last SchreibeBildInRtf.
    QString RTFBild;
    // The last barcode bitmap drawn at 0 and at -90 degrees.
    QImage Barcode_EAN_Image;
    QImage Barcode_EAN_Image_Minus_90_Grad;
    // Template file name relative to the program folder.
    QString sVorlageDatei;
    // Output base name, without folder and extension.
    QString sErgebnisDatei;
    QString Lieferantennummer;
    QString LieferantennummerKurz;
    // The label printer's resolution in dpi (100 to 1200) the barcode pictures
    // are drawn for; 0, the default, draws the screen's pictures.
    int DruckerAufloesung = 0;

    // ---- Template filling and output

    void Lese_Lieferantennummer_aus_INI();
    // Raises AppError "Nr muss 2 Stellig sein" unless sNr has two characters.
    void AddEinWert(const QString& sNr, const QString& sText);
    // Fills the template, writes the document into the home folder and opens it;
    // falls back to the open-with choice; returns the document's path. The value
    // list is empty afterwards, also when an error is raised.
    QString ErstelleRTFundOffneDiese();
    // The filling and writing of ErstelleRTFundOffneDiese without the opening:
    // returns the path of the written document. Empties the value list in every case.
    QString ErstelleRTF();
    static void OpenWithDialog(const QString& AFileName);
    // True only for a complete picture group of the form ErmittleAusBildRtfBeschreibung
    // writes, with whatever picture-type word: everything else is converted as
    // text, so no value can inject RTF.
    static bool IstTextBestandteilVomBildtag(const QString& s);
    static QString WandleTextInRtf(const QString& s);

    // ---- Pictures

    // RTFBild := the picture group of Bitmap; boolDebug enlarges the written sizes by 2.5.
    // A barcode bitmap of ErstelleBarcode_EAN_Bitmap becomes, while
    // DruckerAufloesung is a printer resolution, its picture in whole printer
    // dots, shown at its size at that resolution.
    bool SchreibeBildInRtf(const QImage& Bitmap, const ReferenceDevice* RefDC_ = nullptr, bool boolDebug = false);
    // Errors are raised as "<stage> SchreibeBildInRtf Picture: <message>".
    static QString ErmittleAusBildRtfBeschreibung(const QImage& Bitmap, int Groesex, int Groesey, const QString& sTyp,
                                                  const ReferenceDevice* RefDC_);
    static QString SetzeSymbol(const QString& symboltext, const QString& endung);
    static constexpr const char* BarcodeAngleKey = "Drehung";

    // ---- Barcode digit rows; each raises AppError with its message for a bad length

    static QString ErstelleBarcode_Zahlenreihe7StelligeMatNr(const QString& MatNr, const QString& Herstelldaten,
                                                             const QString& LiefID, const QString& Index);
    static QString ErstelleBarcode_Zahlenreihe7StelligKurz(const QString& MatNr, const QString& Herstelldaten,
                                                           const QString& LiefID, const QString& Index);
    static QString ErstelleBarcode_Zahlenreihe10StelligeMatNr(const QString& MatNr, const QString& Herstelldaten,
                                                              const QString& LiefID, const QString& Index);
    static QString ErstelleBarcode_ZahlenreiheNWEP(const QString& MatNr, const QString& Herstelldaten,
                                                   const QString& LiefID, const QString& Index, const QString& ProdNr);
    // Draws Zahlenreihe as a 25-pixel-high barcode starting at the picture's edge:
    // 175 x 25 pixels into Barcode_EAN_Image at angle 0, 25 x 175 into
    // Barcode_EAN_Image_Minus_90_Grad at -90; any other angle draws nothing.
    // The bitmap carries its angle as the image text BarcodeAngleKey, which
    // copies keep, so that SchreibeBildInRtf knows which way its bars run.
    void ErstelleBarcode_EAN_Bitmap(const QString& Zahlenreihe, TBarcodeType typ, double Drehung);

    // ---- Input checks; true when the input is acceptable. PruefeStk and PruefeHSW
    // raise AppError "'x' is not a valid integer value" for a text that is no integer.

    static bool PruefeMatNr(const QString& MatNr);
    // True for no EAN (blank or 13 zeros) and for 13 digits with the right check digit.
    static bool PruefeEAN(const QString& EAN);
    static bool PruefeStk(const QString& Stk);
    // `items` are the items of the unit box.
    static bool PruefeEinheit(const QString& Einheit, const QStringList& items);
    static bool PruefeHSW(const QString& HSW);
    static bool PruefeKDAuftrag(const QString& KDA, const QString& KDPos);
    static bool PruefeProdNr(const QString& ProdNr);
    // Compares with today's date of the platform's clock.
    static bool PruefeDatumDTP(const QDate& Datum);
    static bool PruefePruefer(const QString& Pruefer);
    static bool Ermittle_Haken_bei_Checkbox(bool Haken);

    // Document number "+" index of the article at DatensatzNr of the article list,
    // by priority drawing, MQS, KST number; empty after message 340 when it has none.
    static QString GibMirDokumentnummerMitHoechsterPrio(int DatensatzNr);
    // Selects in myCBox the article whose material number equals `s`, else the last
    // one that begins with `s`; empties the box's text and returns false when none does.
    static bool CheckMaterialnummerBeiEingabe(const QString& s, MaterialNumberBox& myCBox);
};

} // namespace zw
