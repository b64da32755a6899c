#pragma once

#include "barcode/Canvas.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>

namespace zw {

// The ordinals index the component's tables and are part of the command line.
enum TBarcodeType : int {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C,
};
inline constexpr int BarcodeTypeCount = 23;

// The enumerator's name of a type ("bcCodeEAN13"), as commands and logs spell it;
// empty outside the enumeration.
QString barcodeTypeIdentifier(TBarcodeType type);
// The type an enumerator's name stands for; false for any other text.
bool barcodeTypeFromIdentifier(const QString& identifier, TBarcodeType& type);

enum TCheckSumMethod : int { csmNone, csmModulo10 };
enum TBarcodeOption : int { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum TShowTextPosition : int {
    stpTopLeft,
    stpTopRight,
    stpTopCenter,
    stpBottomLeft,
    stpBottomRight,
    stpBottomCenter,
};
enum TBarElementKind : int { bekSpace, bekBar, bekShortBar };

struct TBarElement {
    int width;
    TBarElementKind kind;
};

// A barcode: text, symbology and geometry, turned into a bar pattern and drawn
// on a canvas. The bar pattern is a string over the element alphabet
// "0"-"3" (spaces), "5"-"8" (bars) and "A"-"D" (short bars), the digit or
// letter giving one of four widths.
class TBarcode : public QObject {
public:
    using TNotifyEvent = std::function<void(TBarcode* sender)>;

    explicit TBarcode(QObject* owner = nullptr);
    ~TBarcode() override;

    int Height() const { return FHeight; }
    void setHeight(int value);
    const QString& Text() const { return FText; }
    void setText(const QString& value);
    int Top() const { return FTop; }
    void setTop(int value);
    int Left() const { return FLeft; }
    void setLeft(int value);
    int Modul() const { return FModul; }
    // 1 becomes 2; 2 to 49 are stored and always notify; anything else is ignored.
    void setModul(int value);
    double Ratio() const { return FRatio; }
    void setRatio(double value);
    TBarcodeType Typ() const { return FTyp; }
    void setTyp(TBarcodeType value);
    bool Checksum() const { return FCheckSum; }
    void setChecksum(bool value);
    TBarcodeOption ShowText() const { return FShowText; }
    void setShowText(TBarcodeOption value);
    double Angle() const { return FAngle; }
    void setAngle(double value);
    QColor Color() const { return FColor; }
    void setColor(const QColor& value) { FColor = value; }
    QColor ColorBar() const { return FColorBar; }
    void setColorBar(const QColor& value) { FColorBar = value; }
    TCheckSumMethod CheckSumMethod() const { return FCheckSumMethod; }
    void setCheckSumMethod(TCheckSumMethod value);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void setOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
    const TFont& ShowTextFont() const { return FShowTextFont; }
    void setShowTextFont(const TFont& font);
    TShowTextPosition ShowTextPosition() const { return FShowTextPosition; }
    void setShowTextPosition(TShowTextPosition value);

    // The sum of the element widths of the pattern; building it may rewrite Text.
    int Width();
    // Scales Modul so that the symbol comes as close to `value` pixels as the module allows.
    void setWidth(int value);
    // The box the rotated barcode occupies.
    int CanvasWidth();
    int CanvasHeight();

    // Copies every setting but the font, without notification.
    void Assign(const TBarcode& source);

    QString BuildBarPattern();
    TBarElement GetElementProps(QChar letter) const {
        const unsigned index = letter.unicode() - unsigned('0');
        if (index >= letterTable.size() || letterTable[index].module < 0)
            internalError();
        return {m_modules[letterTable[index].module], letterTable[index].kind};
    }
    QString DoCheckSumming(const QString& data) const;
    QString TypeName() const;

    // Draws the bars and, unless ShowText is bcoNone, the text; the canvas's
    // font, pen and brush are restored afterwards.
    void DrawBarcode(Canvas& canvas);
    void DrawText(Canvas& canvas);
    void DrawBars(const QString& pattern, Canvas& canvas);

    static QPoint RotatePoint(QPoint p, double a);
    static QPoint RotationOffset(int W, int H, double a);

    // The element widths m0 to m3 of the last pattern build.
    const std::array<qint8, 4>& modules() const { return m_modules; }

protected:
    virtual void NotifyChange();

private:
    [[noreturn]] static void internalError();

    // Which of m0 to m3 and which kind each letter from "0" to "D" stands for; -1: none.
    struct LetterInfo {
        int module;
        TBarElementKind kind;
    };
    static constexpr std::array<LetterInfo, 'D' - '0' + 1> letterTable = [] {
        std::array<LetterInfo, 'D' - '0' + 1> t{};
        for (LetterInfo& l : t)
            l = {-1, bekSpace};
        for (int i = 0; i < 4; ++i) {
            t['0' - '0' + i] = {i, bekSpace};
            t['5' - '0' + i] = {i, bekBar};
            t['A' - '0' + i] = {i, bekShortBar};
        }
        return t;
    }();
    void ComputeElementWidths();
    QString encode();
    void invalidatePattern() { m_patternValid = false; }
    QString PadWithZeros(int n) const;
    double angleInRadians() const;
    // The data a check-digit rewrite starts from: the text as the caller set
    // it, also when an earlier build has already appended the digit.
    QString checkDigitSource() const;
    void rememberCheckDigitRewrite(const QString& source);
    void forgetCheckDigitRewrite();

    QString encodeEan8();
    QString encodeEan13();
    QString encodeUpcA();
    QString encodeUpcE();
    QString encodeSupp5();
    QString encodeSupp2();
    QString encodeCode128();
    QString encodeInterleaved2of5() const;
    QString encodeIndustrial2of5() const;
    QString encodeMatrix2of5() const;
    QString encodeCode39() const;
    QString encodeCode39Extended();
    QString encodeCode93() const;
    QString encodeCode93Extended();
    QString encodeMsi() const;
    QString encodePostNet() const;
    QString encodeCodabar() const;

    int FHeight = 0;
    QString FText;
    int FTop = 0;
    int FLeft = 0;
    int FModul = 1;
    double FRatio = 2.0;
    TBarcodeType FTyp = bcCodeEAN13;
    bool FCheckSum = false;
    TBarcodeOption FShowText = bcoNone;
    double FAngle = 0.0;
    QColor FColor = QColor(255, 255, 255);
    QColor FColorBar = QColor(0, 0, 0);
    TCheckSumMethod FCheckSumMethod = csmModulo10;
    TNotifyEvent FOnChange;
    std::array<qint8, 4> m_modules{};
    TFont FShowTextFont;
    TShowTextPosition FShowTextPosition = stpTopLeft;

    // Every measurement builds the pattern; these keep a check digit that a
    // build appended to Text from being appended again by the next build.
    QString m_checkSource;
    QString m_checkResult;
    bool m_hasCheckRewrite = false;

    // A build depends only on the fields its setters guard, and a second build
    // gives what the first gave: the last pattern stands until one of them changes.
    QString m_pattern;
    int m_patternWidth = 0;
    bool m_patternValid = false;
};

} // namespace zw
