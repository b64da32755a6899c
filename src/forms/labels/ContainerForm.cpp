#include "forms/labels/ContainerForm.h"

#include "forms/labels/FieldBinding.h"
#include "labels/ContainerLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zw {

namespace {

using Fit = LabelPicture::Fit;

} // namespace

QLabel* TContainerLabelForm::buildContainerControls(ContainerLabel& l, const QString& kind, const char* pictureName) {
    QLabel* labelPicture = drawLabel(kind, pictureName);

    // On the label, where the values print.
    cmbMatnr = onLabel(bind(new QComboBox(this), l.cmbMatnr));
    edBenennung = onLabel(bind(new QLineEdit(this), l.edBenennung));
    edZeichnNr = onLabel(bind(new QLineEdit(this), l.edZeichnNr));
    edIndex = onLabel(bind(new QLineEdit(this), l.edIndex));
    edStueckzahl = onLabel(bind(new QLineEdit(this), l.edStueckzahl));
    cmbEinheit = onLabel(bind(new QComboBox(this), l.cmbEinheit));
    edLiefNr = onLabel(bind(new QLineEdit(this), l.edLiefNr));
    ImBarcode = onLabel(bind(new QLabel(this), l.ImBarcode), Fit::TopLeft);
    edBarcode = onLabel(bind(new QLineEdit(this), l.edBarcode));
    edBarcode->setFocusPolicy(Qt::NoFocus);
    ImEANCode = onLabel(bind(new QLabel(this), l.ImEANCode), Fit::TopLeft);
    LEAN1 = onLabel(bind(new QLabel(this), l.LEAN1));
    LEAN2 = onLabel(bind(new QLabel(this), l.LEAN2));
    LEAN3 = onLabel(bind(new QLabel(this), l.LEAN3));
    edPruefdatum_DTP = onLabel(bind(newDateEdit(), l.edPruefdatum_DTP));
    edPruefer = onLabel(bind(new QLineEdit(this), l.edPruefer));
    edLieferantenfeld = onLabel(bind(new QLineEdit(this), l.edLieferantenfeld));
    Im100Prz = bind(new QLabel(this), l.Im100Prz);
    Im100Prz->setPixmap(inspection100Picture());
    onLabel(Im100Prz, Fit::Centre);
    ImSicher = bind(new QLabel(this), l.ImSicher);
    ImSicher->setPixmap(safetySymbolPicture());
    onLabel(ImSicher, Fit::Centre);
    edEANCode = bind(new QLineEdit(this), l.edEANCode);

    // Beside the label: what it does not print. The symbol boxes stand by the
    // symbols, the week by the barcode whose digit row it goes into.
    const int x = columnX();
    GroupBox1 = named(new QGroupBox(this), "GroupBox1");
    GroupBox1->setGeometry(x, top(), ColumnWidth, 62);
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
    Label4->setGeometry(x, top() + 70, ColumnWidth, 34);
    setTag(Label4, 226);
    edSAPLieferantennr = bind(new QLineEdit(this), l.edSAPLieferantennr);
    edSAPLieferantennr->setGeometry(x, top() + 106, 72, 24);
    edLiefNrKurz = bind(new QLineEdit(this), l.edLiefNrKurz);
    edLiefNrKurz->setGeometry(x + 80, top() + 106, 40, 24);

    const int weekTop = top() + picture().valueRect(QStringLiteral("ImBarcode")).top() - 22;
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

    buildPrintControls(l);
    return labelPicture;
}

} // namespace zw
