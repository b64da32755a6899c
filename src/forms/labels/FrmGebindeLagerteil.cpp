#include "forms/labels/FrmGebindeLagerteil.h"

#include "forms/labels/FieldBinding.h"
#include "forms/labels/LabelPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace zw {

namespace {

using Fit = LabelPicture::Fit;

// The label is drawn at 4 pixels per millimetre, its inputs on it; what the
// label does not print stands to its right.
constexpr double Scale = 4.0;
constexpr int Margin = 8;
constexpr int ColumnGap = 16;
constexpr int ColumnWidth = 230;

} // namespace

TfrmGebindeLagerteil::TfrmGebindeLagerteil(QWidget* parent) : TLabelFormOf<StockPartLabel>(parent) {
    buildControls();
    created();
}

void TfrmGebindeLagerteil::buildControls() {
    StockPartLabel& l = logic;
    const LabelPicture picture(labelLayout(QStringLiteral("Lagerteil")), Scale);
    const QPoint origin(Margin, Margin);
    auto onLabel = [&](auto* w, Fit fit = Fit::Fill) {
        picture.place(w, origin, fit);
        return w;
    };

    ImLabelLagerteil = named(new QLabel(this), "ImLabelLagerteil");
    ImLabelLagerteil->setPixmap(picture.draw());
    ImLabelLagerteil->setGeometry(QRect(origin, picture.size()));

    // On the label, where the values print.
    cmbMatnr = onLabel(bind(new QComboBox(this), l.cmbMatnr));
    edBenennung = onLabel(bind(new QLineEdit(this), l.edBenennung));
    edZeichnNr = onLabel(bind(new QLineEdit(this), l.edZeichnNr));
    edIndex = onLabel(bind(new QLineEdit(this), l.edIndex));
    edStueckzahl = onLabel(bind(new QLineEdit(this), l.edStueckzahl));
    cmbEinheit = onLabel(bind(new QComboBox(this), l.cmbEinheit));
    edLiefNr = onLabel(bind(new QLineEdit(this), l.edLiefNr));
    edLagerort = onLabel(bind(new QLineEdit(this), l.edLagerort));
    ImBarcode = onLabel(bind(new QLabel(this), l.ImBarcode), Fit::TopLeft);
    edBarcode = onLabel(bind(new QLineEdit(this), l.edBarcode));
    edBarcode->setFocusPolicy(Qt::NoFocus);
    ImEANCode = onLabel(bind(new QLabel(this), l.ImEANCode), Fit::TopLeft);
    LEAN1 = onLabel(bind(new QLabel(this), l.LEAN1));
    LEAN2 = onLabel(bind(new QLabel(this), l.LEAN2));
    LEAN3 = onLabel(bind(new QLabel(this), l.LEAN3));
    edPruefdatum_DTP = new QDateEdit(this);
    edPruefdatum_DTP->setCalendarPopup(true);
    edPruefdatum_DTP->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    onLabel(bind(edPruefdatum_DTP, l.edPruefdatum_DTP));
    edPruefer = onLabel(bind(new QLineEdit(this), l.edPruefer));
    edLieferantenfeld = onLabel(bind(new QLineEdit(this), l.edLieferantenfeld));
    Im100Prz = bind(new QLabel(this), l.Im100Prz);
    Im100Prz->setPixmap(inspection100Picture());
    onLabel(Im100Prz, Fit::Centre);
    ImSicher = bind(new QLabel(this), l.ImSicher);
    ImSicher->setPixmap(safetySymbolPicture());
    onLabel(ImSicher, Fit::Centre);
    edEANCode = bind(new QLineEdit(this), l.edEANCode);

    // The help for the storage place stands at the end of its field.
    auto* help = named(new ClickableLabel(this), "ImLPHilfe");
    help->setPixmap(helpSymbolPicture());
    help->setCursor(Qt::PointingHandCursor);
    const QRect place = edLagerort->geometry();
    edLagerort->setGeometry(place.adjusted(0, 0, -30, 0));
    help->setGeometry(place.right() - 23, place.center().y() - 11, 22, 22);
    ImLPHilfe = help;

    // Beside the label: what it does not print. The symbol boxes stand by the
    // symbols, the week by the barcode whose digit row it goes into.
    const int x = origin.x() + picture.size().width() + ColumnGap;
    const int top = origin.y();
    const int bottom = origin.y() + picture.size().height();
    GroupBox1 = named(new QGroupBox(this), "GroupBox1");
    GroupBox1->setGeometry(x, top, ColumnWidth, 62);
    cb100Pruefung = bind(new QCheckBox(QStringLiteral("100 % Prüfung"), GroupBox1), l.cb100Pruefung);
    cb100Pruefung->setGeometry(8, 8, ColumnWidth - 16, 22);
    setTag(cb100Pruefung, 221);
    cbSicherheitsbauteil =
        bind(new QCheckBox(QStringLiteral("Sicherheitsrelevante Bauteile"), GroupBox1), l.cbSicherheitsbauteil);
    cbSicherheitsbauteil->setGeometry(8, 32, ColumnWidth - 16, 22);
    setTag(cbSicherheitsbauteil, 222);

    Label4 = named(new QLabel(QStringLiteral("Lieferantennummern aus den Einstellungen"), this), "Label4");
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Label4->setGeometry(x, top + 70, ColumnWidth, 34);
    setTag(Label4, 226);
    edSAPLieferantennr = bind(new QLineEdit(this), l.edSAPLieferantennr);
    edSAPLieferantennr->setGeometry(x, top + 106, 72, 24);
    edLiefNrKurz = bind(new QLineEdit(this), l.edLiefNrKurz);
    edLiefNrKurz->setGeometry(x + 80, top + 106, 40, 24);

    const int weekTop = top + picture.valueRect(QStringLiteral("ImBarcode")).top() - 22;
    Label1 = named(new QLabel(QStringLiteral("Herstellerwoche"), this), "Label1");
    Label1->setGeometry(x, weekTop, ColumnWidth, 18);
    setTag(Label1, 223);
    edHerstellerwoche = bind(new QLineEdit(this), l.edHerstellerwoche);
    edHerstellerwoche->setGeometry(x, weekTop + 20, 64, 26);
    Label2 = named(new QLabel(QStringLiteral("Format: KW.Jahr"), this), "Label2");
    Label2->setGeometry(x + 72, weekTop + 18, ColumnWidth - 72, 16);
    setTag(Label2, 224);
    Label3 = named(new QLabel(QStringLiteral("z.B. 08.13"), this), "Label3");
    Label3->setGeometry(x + 72, weekTop + 34, ColumnWidth - 72, 16);
    setTag(Label3, 225);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this), "GroupBox2");
    GroupBox2->setGeometry(x, bottom - 104, ColumnWidth, 60);
    setTag(GroupBox2, 304);
    cb1fach = bind(new QRadioButton(QStringLiteral("1x"), GroupBox2), l.cb1fach);
    cb1fach->setGeometry(10, 28, 56, 22);
    cb4fach = bind(new QRadioButton(QStringLiteral("4x"), GroupBox2), l.cb4fach);
    cb4fach->setGeometry(74, 28, 56, 22);

    btnDruck = named(new QPushButton(QStringLiteral("Drucken"), this), "btnDruck");
    btnDruck->setGeometry(x, bottom - 34, (ColumnWidth - 6) / 2, 34);
    btnDruck->setIcon(printerGlyph());
    setTag(btnDruck, 207);
    btnNeu = named(new QPushButton(QStringLiteral("Neu"), this), "btnNeu");
    btnNeu->setGeometry(x + (ColumnWidth + 6) / 2, bottom - 34, (ColumnWidth - 6) / 2, 34);
    btnNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setTag(btnNeu, 206);

    setFixedSize(x + ColumnWidth + Margin, bottom + Margin);

    runOn(btnDruck, &QPushButton::clicked, [this] { logic.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [this] { logic.btnNeuClick(); });
    runOn(help, &ClickableLabel::clicked, [this] { logic.ImLPHilfeClick(); });

    QWidget* order[] = {cmbMatnr,
                        edBenennung,
                        edZeichnNr,
                        edIndex,
                        edStueckzahl,
                        cmbEinheit,
                        edHerstellerwoche,
                        edLagerort,
                        edPruefdatum_DTP,
                        edPruefer,
                        edLieferantenfeld,
                        cb100Pruefung,
                        cbSicherheitsbauteil,
                        cb1fach,
                        cb4fach,
                        btnDruck,
                        btnNeu};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace zw
