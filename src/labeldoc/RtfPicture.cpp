#include "labeldoc/RTFGebindeObjekt.h"

#include "base/AppError.h"
#include "labeldoc/MetafileWriter.h"
#include "labeldoc/PrinterPicture.h"

#include <cmath>
#include <exception>
#include <functional>

namespace zw {

namespace {

QString upperHex(const QByteArray& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    QString out(bytes.size() * 2, Qt::Uninitialized);
    QChar* p = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QLatin1Char(digits[u >> 4]);
        *p++ = QLatin1Char(digits[u & 0x0F]);
    }
    return out;
}

// The sizes a picture group states: natural in hundredths of a millimetre,
// shown in twips.
struct GroupSizes {
    qint64 w, h, wGoal, hGoal;
};

// The group of `Bitmap` drawn over `frame`; `sizes` gives the sizes it states
// once they are known to be valid. Errors name the stage they arose in.
QString pictureGroup(const QImage& Bitmap, const QSize& frame, const std::function<GroupSizes()>& sizes,
                     const QString& sTyp) {
    QString stage = QStringLiteral("1");
    try {
        // Drawing and conversion are one step here: the writer makes the bytes directly.
        stage = QStringLiteral("3");
        const QByteArray bytes = writeStretchedBitmapMetafile(Bitmap, frame);
        stage = QStringLiteral("5");
        const QString digits = upperHex(bytes);
        stage = QStringLiteral("6");
        const GroupSizes s = sizes();
        const QString type = sTyp.isEmpty() ? QStringLiteral("\\wmetafile8") : sTyp;
        QString group;
        group.reserve(digits.size() + 80);
        group += QStringLiteral("{\\pict") + type;
        group += QStringLiteral("\\picw") + QString::number(s.w);
        group += QStringLiteral("\\pich") + QString::number(s.h);
        group += QStringLiteral("\\picwgoal") + QString::number(s.wGoal);
        group += QStringLiteral("\\pichgoal") + QString::number(s.hGoal);
        group += QLatin1Char(' ');
        group += digits;
        group += QLatin1Char('}');
        return group;
    } catch (const AppError& e) {
        throw AppError(stage + QStringLiteral(" SchreibeBildInRtf Picture: ") + e.message());
    } catch (const std::exception& e) {
        throw AppError(stage + QStringLiteral(" SchreibeBildInRtf Picture: ") + QString::fromLocal8Bit(e.what()));
    }
}

// A barcode bitmap in whole dots at `dpi`, shown at exactly its dot count
// across the bars (padded to whole twips) and to the nearest twip along them.
QString printerPictureGroup(const QImage& Bitmap, bool upright, int dpi) {
    const QImage dots = printerBarcodePicture(Bitmap, dpi, upright);
    return pictureGroup(
        dots, dots.size(),
        [&dots, dpi] {
            return GroupSizes{qint64(dots.width()) * 2540 / dpi, qint64(dots.height()) * 2540 / dpi,
                              twipsAt(dots.width(), dpi), twipsAt(dots.height(), dpi)};
        },
        QString());
}

} // namespace

bool TRTFGebindeObjekt::SchreibeBildInRtf(const QImage& Bitmap, const ReferenceDevice* RefDC_, bool boolDebug) {
    // A barcode bitmap as ErstelleBarcode_EAN_Bitmap draws it: longer across its
    // bars than along them. One turned or cut otherwise since keeps its standard group.
    const QString angle = Bitmap.text(QLatin1String(BarcodeAngleKey));
    const bool upright = angle == QLatin1String("0");
    const bool barcode = (upright && Bitmap.width() > Bitmap.height()) ||
                         (angle == QLatin1String("-90") && Bitmap.height() > Bitmap.width());
    if (isPrinterResolution(DruckerAufloesung) && barcode && !RefDC_ && !boolDebug) {
        RTFBild = printerPictureGroup(Bitmap, upright, DruckerAufloesung);
        return true;
    }
    int gx = Bitmap.width();
    int gy = Bitmap.height();
    if (boolDebug) {
        // std::nearbyint rounds halves to the even neighbour: 175 * 2.5 gives 438.
        gx = int(std::nearbyint(gx * 2.5));
        gy = int(std::nearbyint(gy * 2.5));
    }
    RTFBild = ErmittleAusBildRtfBeschreibung(Bitmap, gx, gy, QString(), RefDC_);
    return true;
}

QString TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(const QImage& Bitmap, int Groesex, int Groesey,
                                                          const QString& sTyp, const ReferenceDevice* RefDC_) {
    // Without a device we stand in a 96-dpi surface the size of the bitmap:
    // one logical unit per bitmap pixel, at the 96 dpi the goal sizes below assume.
    const QSize frame = RefDC_ ? QSize(RefDC_->horzRes, RefDC_->vertRes) : Bitmap.size();
    return pictureGroup(
        Bitmap, frame,
        [Groesex, Groesey] {
            if (Groesex < 0 || Groesey < 0)
                throw AppError(QStringLiteral("Ungültige Bildgröße %1 x %2").arg(Groesex).arg(Groesey));
            return GroupSizes{qint64(std::trunc(Groesex * 26.5)), qint64(std::trunc(Groesey * 26.5)),
                              qint64(Groesex) * 15, qint64(Groesey) * 15};
        },
        sTyp);
}

QString TRTFGebindeObjekt::SetzeSymbol(const QString&, const QString&) {
    return QString();
}

} // namespace zw
