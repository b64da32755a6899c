#include "labeldoc/RTFGebindeObjekt.h"

#include "base/AppError.h"
#include "labeldoc/MetafileWriter.h"

#include <cmath>
#include <exception>

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

} // namespace

bool TRTFGebindeObjekt::SchreibeBildInRtf(const QImage& Bitmap, const ReferenceDevice* RefDC_, bool boolDebug) {
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
    QString stage = QStringLiteral("1");
    try {
        // Without a device we stand in a 96-dpi surface the size of the bitmap:
        // one logical unit per bitmap pixel, at the 96 dpi the goal sizes below assume.
        const QSize frame = RefDC_ ? QSize(RefDC_->horzRes, RefDC_->vertRes) : Bitmap.size();
        // Drawing and conversion are one step here: the writer makes the bytes directly.
        stage = QStringLiteral("3");
        const QByteArray bytes = writeStretchedBitmapMetafile(Bitmap, frame);
        stage = QStringLiteral("5");
        const QString digits = upperHex(bytes);
        stage = QStringLiteral("6");
        if (Groesex < 0 || Groesey < 0)
            throw AppError(QStringLiteral("Ungültige Bildgröße %1 x %2").arg(Groesex).arg(Groesey));
        const QString type = sTyp.isEmpty() ? QStringLiteral("\\wmetafile8") : sTyp;
        QString group;
        group.reserve(digits.size() + 80);
        group += QStringLiteral("{\\pict") + type;
        group += QStringLiteral("\\picw") + QString::number(qint64(std::trunc(Groesex * 26.5)));
        group += QStringLiteral("\\pich") + QString::number(qint64(std::trunc(Groesey * 26.5)));
        group += QStringLiteral("\\picwgoal") + QString::number(qint64(Groesex) * 15);
        group += QStringLiteral("\\pichgoal") + QString::number(qint64(Groesey) * 15);
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

QString TRTFGebindeObjekt::SetzeSymbol(const QString&, const QString&) {
    return QString();
}

} // namespace zw
