#include "labeldoc/RTFGebindeObjekt.h"

#include "barcode/Canvas.h"

namespace zw {

namespace {

constexpr int PictureLength = 175;
constexpr int PictureDepth = 105;
constexpr int BarHeight = 25;

QImage whitePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

void TRTFGebindeObjekt::ErstelleBarcode_EAN_Bitmap(const QString& Zahlenreihe, TBarcodeType typ, double Drehung) {
    TBarcode barcode;
    barcode.setTyp(typ);
    barcode.setHeight(BarHeight);
    barcode.setText(Zahlenreihe);
    barcode.setAngle(Drehung);
    if (Drehung == 0) {
        QImage picture = whitePicture(PictureLength, PictureDepth);
        ImageCanvas canvas(picture);
        barcode.DrawBarcode(canvas);
        Barcode_EAN_Image = picture.copy(0, 0, PictureLength, BarHeight);
        Barcode_EAN_Image.setText(QLatin1String(BarcodeAngleKey), QStringLiteral("0"));
    } else if (Drehung == -90) {
        QImage picture = whitePicture(PictureDepth, PictureLength);
        ImageCanvas canvas(picture);
        barcode.DrawBarcode(canvas);
        Barcode_EAN_Image_Minus_90_Grad = picture.copy(0, 0, BarHeight, PictureLength);
        Barcode_EAN_Image_Minus_90_Grad.setText(QLatin1String(BarcodeAngleKey), QStringLiteral("-90"));
    }
}

} // namespace zw
