#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

using namespace zw;

namespace {

const QColor background(128, 128, 128);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

// The picture the drawing rules give, computed pixel by pixel: the element at
// pattern offset x with width w and height h covers the columns x to x + w - 1
// and the rows 0 to h, turned as the angle says and placed at (left, top).
QImage expectedPicture(const QString& pattern, TBarcodeType type, int left, int top, int height, int angle,
                       QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(background);
    // With Modul 1 and Ratio 2 the width letters read as 1 to 4 modules.
    auto widthOf = [](ushort c) { return c >= 'A' ? c - 'A' + 1 : (c - '0') % 5 + 1; };
    int W = 0;
    for (QChar c : pattern)
        W += widthOf(c.unicode());
    int x = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const ushort c = pattern[i].unicode();
        const bool shortBar = c >= 'A';
        const int w = widthOf(c);
        const bool bar = shortBar || c >= '5';
        int h = shortBar ? height * 2 / 5 : height;
        const int pos = int(i) + 1;
        if (type == bcCodeEAN13 && pos != 1 && pos != 3 && pos != 29 && pos != 31 && pos != 57 && pos != 59)
            h = 20;
        for (int u = x; u < x + w; ++u) {
            for (int v = 0; v <= h; ++v) {
                QPoint p;
                switch (angle) {
                case 0:
                    p = {left + u, top + v};
                    break;
                case 90:
                    p = {left + v, top + W - u};
                    break;
                case -90:
                    p = {left + height - v, top + u};
                    break;
                default:
                    p = {left + W - u, top + height - v};
                    break;
                }
                if (img.rect().contains(p))
                    img.setPixel(p, bar ? black : white);
            }
        }
        x += w;
    }
    return img;
}

TEST(BarcodeDrawing, CoversExactlyThePixelsOfEachElement) {
    struct Row {
        TBarcodeType type;
        QString text;
        int height;
        int angle;
        int left;
        int top;
        BrushStyle brush = BrushStyle::Solid; // the canvas's brush before the drawing
    } rows[] = {
        {bcCodeEAN13, "4006381333931", 25, 0, 0, 0},
        {bcCodeEAN13, "4006381333931", 25, 0, 0, 0, BrushStyle::Clear},
        {bcCode39, "CODE39", 25, 90, 0, 0, BrushStyle::Clear},
        {bcCodeEAN13, "4006381333931", 25, 90, 0, 0},
        {bcCodeEAN13, "4006381333931", 25, -90, 0, 0},
        {bcCodeEAN13, "4006381333931", 25, 180, 0, 0},
        {bcCodeEAN13, "4006381333931", 10, 0, 2, 3},
        {bcCode128C, "123456710830212345", 25, 0, 0, 0},
        {bcCode128C, "123456710830212345", 25, -90, 0, 0},
        {bcCode128C, "12", 30, 90, 7, 4},
        {bcCode128C, "12", 30, 180, 7, 4},
        {bcCodePostNet, "12", 25, 0, 1, 1},
        {bcCodePostNet, "12", 25, -90, 1, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString("%1 height %2 angle %3").arg(r.text).arg(r.height).arg(r.angle).toStdString());
        TBarcode bc;
        bc.setTyp(r.type);
        bc.setHeight(r.height);
        bc.setText(r.text);
        bc.setAngle(r.angle);
        bc.setLeft(r.left);
        bc.setTop(r.top);
        const QSize size(bc.Width() + 40, bc.Width() + 40);
        QImage img(size, QImage::Format_RGB32);
        img.fill(background);
        ImageCanvas canvas(img);
        canvas.setBrush({QColor(Qt::green), r.brush});
        bc.DrawBarcode(canvas);
        const QImage expected = expectedPicture(bc.BuildBarPattern(), r.type, r.left, r.top, r.height, r.angle, size);
        int wrong = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (img.pixel(x, y) != expected.pixel(x, y) && wrong++ < 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
        EXPECT_EQ(wrong, 0);
    }
}

// Forwards to an image canvas but draws the elements one by one, the way any canvas may.
class OneByOneCanvas : public Canvas {
public:
    explicit OneByOneCanvas(QImage& image) : m_inner(image) {}
    TFont font() const override { return m_inner.font(); }
    void setFont(const TFont& f) override { m_inner.setFont(f); }
    TPen pen() const override { return m_inner.pen(); }
    void setPen(const TPen& p) override { m_inner.setPen(p); }
    TBrush brush() const override { return m_inner.brush(); }
    void setBrush(const TBrush& b) override { m_inner.setBrush(b); }
    void Polygon(std::span<const QPoint> points) override { m_inner.Polygon(points); }
    void FillRect(int l, int t, int r, int b) override { m_inner.FillRect(l, t, r, b); }
    void TextOut(int x, int y, const QString& text) override { m_inner.TextOut(x, y, text); }
    int TextWidth(const QString& text) override { return m_inner.TextWidth(text); }
    int TextHeight(const QString& text) override { return m_inner.TextHeight(text); }

private:
    ImageCanvas m_inner;
};

// The image canvas draws a whole barcode at once; the pixels must be those of
// drawing element by element, also where the picture cuts the barcode off.
TEST(BarcodeDrawing, DrawsTheSamePixelsAsElementByElement) {
    struct Row {
        TBarcodeType type;
        QString text;
        double angle;
        int left;
        int top;
        BrushStyle brush;
    } rows[] = {
        {bcCodeEAN13, "4006381333931", 0, 0, 0, BrushStyle::Solid},
        {bcCodeEAN13, "4006381333931", 180, 3, 2, BrushStyle::Solid},
        {bcCodeEAN13, "4006381333931", 0, -40, -5, BrushStyle::Solid},
        {bcCodeEAN13, "4006381333931", -90, 5, 70, BrushStyle::Solid},
        {bcCodePostNet, "12345", 90, 2, 2, BrushStyle::Solid},
        {bcCode39, "CODE39", 0, 1, 1, BrushStyle::Clear},
        {bcCode128C, "1234", 30, 10, 10, BrushStyle::Solid},
        {bcCode128C, "1234", -135, 60, 60, BrushStyle::Solid},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString("%1 angle %2").arg(r.text).arg(r.angle).toStdString());
        TBarcode bc;
        bc.setTyp(r.type);
        bc.setText(r.text);
        bc.setHeight(25);
        bc.setAngle(r.angle);
        bc.setLeft(r.left);
        bc.setTop(r.top);
        QImage batched(120, 120, QImage::Format_RGB32);
        batched.fill(background);
        QImage single = batched;
        ImageCanvas canvas(batched);
        canvas.setBrush({QColor(Qt::green), r.brush});
        bc.DrawBarcode(canvas);
        OneByOneCanvas reference(single);
        reference.setBrush({QColor(Qt::green), r.brush});
        bc.DrawBarcode(reference);
        EXPECT_EQ(batched, single);
        EXPECT_NE(batched, QImage(120, 120, QImage::Format_RGB32)) << "nothing drawn";
    }
}

// A turned element is a parallelogram: its corners and every pixel between them are covered.
TEST(BarcodeDrawing, FillsTurnedElementsIncludingTheirOutline) {
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(background);
    ImageCanvas canvas(img);
    canvas.setPen({QColor(Qt::red), 1});
    canvas.setBrush({QColor(Qt::red), BrushStyle::Solid});
    const std::array<QPoint, 4> corners = {QPoint(5, 20), QPoint(20, 5), QPoint(23, 8), QPoint(8, 23)};
    canvas.Polygon(corners);
    for (const QPoint& p : corners)
        EXPECT_EQ(img.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(img.pixel(14, 14), qRgb(255, 0, 0)); // inside
    EXPECT_EQ(img.pixel(5, 5), background.rgb());  // outside
    EXPECT_EQ(img.pixel(30, 30), background.rgb());
}

TEST(BarcodeDrawing, CanvasSizeCoversTheRotatedBox) {
    struct Row {
        TBarcodeType type;
        QString text;
        int height;
        double angle;
        int width;
        int canvasWidth;
        int canvasHeight;
    } rows[] = {
        {bcCodeEAN13, "1", 25, 0, 95, 96, 26},   {bcCodeCodabar, "1111:::", 25, 0, 94, 94, 26},
        {bcCodeEAN13, "1", 25, 90, 95, 26, 96},  {bcCodeEAN13, "1", 25, -90, 95, 26, 96},
        {bcCodeEAN13, "1", 25, 180, 95, 96, 26}, {bcCodeEAN13, "1", 25, 45, 95, 85, 85},
        {bcCodeEAN13, "1", 0, 0, 95, 96, 0},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setTyp(r.type);
        bc.setText(r.text);
        bc.setHeight(r.height);
        bc.setAngle(r.angle);
        EXPECT_EQ(bc.Width(), r.width) << r.angle;
        EXPECT_EQ(bc.CanvasWidth(), r.canvasWidth) << r.angle;
        EXPECT_EQ(bc.CanvasHeight(), r.canvasHeight) << r.angle;
    }
}

TEST(BarcodeDrawing, RotationFigures) {
    const double deg = M_PI / 180.0;
    struct Row {
        double angle;
        QPoint rotated; // of (3, 5)
        QPoint offset;  // for W 95, H 25
    } rows[] = {
        {0, {3, 5}, {0, 0}},      {90, {5, -3}, {0, 95}},  {180, {-3, -5}, {95, 25}},
        {-90, {-5, 3}, {25, 0}},  {270, {-5, 3}, {25, 0}}, {60, {6, 0}, {0, 82}},
        {150, {0, -6}, {82, 69}}, {-30, {0, 6}, {12, 0}},  {-150, {-5, -3}, {94, 22}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TBarcode::RotatePoint({3, 5}, r.angle * deg), r.rotated) << r.angle;
        EXPECT_EQ(TBarcode::RotationOffset(95, 25, r.angle * deg), r.offset) << r.angle;
    }
    // The leftmost point turns without overflowing on its way.
    EXPECT_EQ(TBarcode::RotatePoint({INT_MIN, 0}, 60 * deg), QPoint(-1073741824, 1859775393));
}

// A canvas that records what is done to it.
class RecordingCanvas : public Canvas {
public:
    struct Op {
        QString what;
        QRect rect;
        QString text;
        TFont font;
        TPen pen;
        TBrush brush;
    };
    QList<Op> ops;
    int charWidth = 6;
    int lineHeight = 10;
    TFont f;
    TPen p;
    TBrush b;

    TFont font() const override { return f; }
    void setFont(const TFont& v) override { f = v; }
    TPen pen() const override { return p; }
    void setPen(const TPen& v) override { p = v; }
    TBrush brush() const override { return b; }
    void setBrush(const TBrush& v) override { b = v; }
    void Polygon(std::span<const QPoint> pts) override { ops.append({"polygon", QRect(pts[0], pts[2]), {}, f, p, b}); }
    void FillRect(int l, int t, int r, int bo) override {
        ops.append({"fill", QRect(QPoint(l, t), QPoint(r, bo)), {}, f, p, b});
    }
    void TextOut(int x, int y, const QString& text) override { ops.append({"text", QRect(x, y, 0, 0), text, f, p, b}); }
    int TextWidth(const QString& text) override { return charWidth * int(text.size()); }
    int TextHeight(const QString&) override { return lineHeight; }

    QList<Op> only(const QString& what) const {
        QList<Op> r;
        for (const Op& o : ops)
            if (o.what == what)
                r.append(o);
        return r;
    }
};

// A size or position beyond the 32-bit range, or an angle that is no number,
// has no pixel to land on.
TEST(BarcodeDrawing, GeometryBeyondThePixelRangeIsAnError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* what;
        std::function<void(TBarcode&)> act;
    } rows[] = {
        {"CanvasWidth at NaN degrees", [&](TBarcode& b) { b.setAngle(nan), b.CanvasWidth(); }},
        {"CanvasHeight at infinite degrees",
         [](TBarcode& b) { b.setAngle(std::numeric_limits<double>::infinity()), b.CanvasHeight(); }},
        {"CanvasHeight of the tallest bars", [](TBarcode& b) { b.setHeight(INT_MAX), b.CanvasHeight(); }},
        {"CanvasWidth of the tallest bars at 90 degrees",
         [](TBarcode& b) { b.setHeight(INT_MAX), b.setAngle(90), b.CanvasWidth(); }},
        {"RotatePoint at NaN",
         [&](TBarcode&) {
             TBarcode::RotatePoint({3, 5}, nan);
         }},
        {"RotatePoint of the leftmost point at 180 degrees",
         [](TBarcode&) {
             TBarcode::RotatePoint({INT_MIN, 0}, M_PI);
         }},
        {"RotationOffset at NaN", [&](TBarcode&) { TBarcode::RotationOffset(95, 25, nan); }},
        {"DrawBarcode at NaN degrees",
         [&](TBarcode& b) {
             QImage img(10, 10, QImage::Format_RGB32);
             ImageCanvas canvas(img);
             b.setAngle(nan);
             b.DrawBarcode(canvas);
         }},
        {"type name above the biggest font",
         [](TBarcode& b) {
             TFont font;
             font.Height = INT_MIN;
             b.setShowTextFont(font);
             b.setShowText(bcoTyp);
             RecordingCanvas canvas;
             b.DrawText(canvas);
         }},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setHeight(25);
        try {
            r.act(bc);
            ADD_FAILURE() << r.what << ": no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), "TBarcode: geometry out of range") << r.what;
        }
    }
}

TEST(BarcodeDrawing, PlacesTheCodeTextByPosition) {
    struct Row {
        TShowTextPosition position;
        int charWidth;
        QPoint at;
    } rows[] = {
        // Left 5, Top 7, Height 25, W 95; the text is 13 characters wide, 10 high.
        {stpTopLeft, 6, {5, 7}},         {stpTopRight, 6, {22, 7}},     {stpTopCenter, 6, {13, 7}},
        {stpBottomLeft, 6, {5, 22}},     {stpBottomRight, 6, {22, 22}}, {stpBottomCenter, 6, {13, 22}},
        {stpTopCenter, 10, {5 - 17, 7}}, // (95 - 130) / 2 truncates toward zero
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setText("4006381333931");
        bc.setHeight(25);
        bc.setLeft(5);
        bc.setTop(7);
        bc.setShowText(bcoCode);
        bc.setShowTextPosition(r.position);
        bc.setAngle(90); // text is never rotated
        RecordingCanvas canvas;
        canvas.charWidth = r.charWidth;
        bc.DrawBarcode(canvas);
        const auto texts = canvas.only("text");
        ASSERT_EQ(texts.size(), 1);
        EXPECT_EQ(texts[0].rect.topLeft(), r.at) << int(r.position);
        EXPECT_EQ(texts[0].text, "4006381333931");
        const auto fills = canvas.only("fill");
        ASSERT_EQ(fills.size(), 1);
        EXPECT_EQ(fills[0].rect, QRect(r.at, r.at + QPoint(13 * r.charWidth, 10)));
        EXPECT_EQ(fills[0].brush.Style, BrushStyle::Solid);
        EXPECT_EQ(fills[0].brush.Color, bc.Color());
    }
}

TEST(BarcodeDrawing, WritesTheTypeNameAboveTheBarcode) {
    struct Row {
        TBarcodeOption option;
        int fontHeight;
        QStringList texts;
        int typeNameY;
    } rows[] = {
        {bcoTyp, -11, {"EAN13"}, 7 - 28}, // Round(-27.5) is -28
        {bcoTyp, -13, {"EAN13"}, 7 - 32}, // Round(-32.5) is -32
        {bcoBoth, 12, {"4006381333931", "EAN13"}, 7 + 30},
        {bcoCode, -11, {"4006381333931"}, 0},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setText("4006381333931");
        bc.setLeft(5);
        bc.setTop(7);
        bc.setShowText(r.option);
        TFont font;
        font.Height = r.fontHeight;
        font.Color = Qt::darkGreen;
        bc.setShowTextFont(font);
        RecordingCanvas canvas;
        bc.DrawBarcode(canvas);
        const auto texts = canvas.only("text");
        QStringList written;
        for (const auto& t : texts) {
            written.append(t.text);
            EXPECT_EQ(t.font, font);
            EXPECT_EQ(t.pen.Color, QColor(Qt::darkGreen));
        }
        EXPECT_EQ(written, r.texts);
        if (r.option != bcoCode) {
            EXPECT_EQ(texts.last().rect.topLeft(), QPoint(5, r.typeNameY)) << r.fontHeight;
        }
    }
}

TEST(BarcodeDrawing, LeavesTheCanvasFontPenAndBrushAsTheyWere) {
    for (TBarcodeOption option : {bcoNone, bcoCode, bcoTyp, bcoBoth}) {
        TBarcode bc;
        bc.setShowText(option);
        bc.setColor(Qt::cyan);
        RecordingCanvas canvas;
        canvas.f.Name = "Courier";
        canvas.f.Height = 30;
        canvas.p = {QColor(Qt::red), 3};
        canvas.b = {QColor(Qt::green), BrushStyle::Clear};
        const TFont font = canvas.f;
        const TPen pen = canvas.p;
        const TBrush brush = canvas.b;
        bc.DrawBarcode(canvas);
        EXPECT_FALSE(canvas.only("polygon").isEmpty());
        EXPECT_EQ(canvas.only("polygon")[0].pen.Width, 1);
        EXPECT_EQ(canvas.f, font);
        EXPECT_EQ(canvas.p, pen);
        EXPECT_EQ(canvas.b, brush);
        bc.DrawText(canvas);
        EXPECT_EQ(canvas.f, font);
    }
}

TEST(BarcodeDrawing, PaintsSpacesAndBarsInTheirColours) {
    TBarcode bc;
    bc.setTyp(bcCode128C);
    bc.setText("12");
    bc.setHeight(5);
    bc.setColor(Qt::yellow);
    bc.setColorBar(Qt::blue);
    RecordingCanvas canvas;
    bc.DrawBarcode(canvas);
    const auto polygons = canvas.only("polygon");
    const QString pattern = bc.BuildBarPattern();
    ASSERT_EQ(polygons.size(), pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QColor expected = pattern[i] >= '5' ? QColor(Qt::blue) : QColor(Qt::yellow);
        EXPECT_EQ(polygons[i].brush.Color, expected) << i;
        EXPECT_EQ(polygons[i].pen.Color, expected) << i;
    }
}

TEST(BarcodeDrawing, FailedBuildLeavesTheCanvasUntouched) {
    TBarcode bc;
    bc.setTyp(bcCode93);
    bc.setText("abc");
    RecordingCanvas canvas;
    canvas.p.Width = 4;
    EXPECT_THROW(bc.DrawBarcode(canvas), AppError);
    EXPECT_TRUE(canvas.ops.isEmpty());
    EXPECT_EQ(canvas.p.Width, 4);
    EXPECT_THROW(bc.CanvasWidth(), AppError);
}

TEST(BarcodeDrawing, WritesReadableTextOnAnImage) {
    TBarcode bc;
    bc.setTyp(bcCode128C);
    bc.setText("1234");
    bc.setHeight(40);
    bc.setShowText(bcoCode);
    bc.setShowTextPosition(stpBottomLeft);
    TFont font;
    font.Height = -14;
    font.Color = Qt::red;
    bc.setShowTextFont(font);
    QImage img(bc.CanvasWidth(), bc.CanvasHeight(), QImage::Format_RGB32);
    img.fill(Qt::white);
    ImageCanvas canvas(img);
    bc.DrawBarcode(canvas);
    const int th = canvas.TextHeight("1234");
    ASSERT_GT(th, 0);
    int red = 0;
    for (int y = 40 - th; y < 40; ++y)
        for (int x = 0; x < canvas.TextWidth("1234"); ++x)
            red += qRed(img.pixel(x, y)) > 128 && qGreen(img.pixel(x, y)) < 100;
    EXPECT_GT(red, 10);
}

} // namespace
