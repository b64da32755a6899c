#include "forms/labels/LabelPictureForm.h"

#include "forms/labels/FieldBinding.h"
#include "labels/LabelLogic.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace zw {

namespace {

// The label is drawn at 4 pixels per millimetre, its inputs on it.
constexpr double Scale = 4.0;
constexpr int Margin = 8;
constexpr int ColumnGap = 16;

} // namespace

QLabel* TLabelPictureForm::drawLabel(const QString& kind, const char* pictureName) {
    m_picture = std::make_unique<LabelPicture>(labelLayout(kind), Scale);
    m_origin = QPoint(Margin, Margin);
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(pictureName));
    label->setPixmap(m_picture->draw());
    label->setGeometry(QRect(m_origin, m_picture->size()));
    return label;
}

int TLabelPictureForm::columnX() const {
    return m_origin.x() + m_picture->size().width() + ColumnGap;
}

int TLabelPictureForm::bottom() const {
    return m_origin.y() + m_picture->size().height();
}

void TLabelPictureForm::buildPrintControls(LabelLogic& l) {
    const int x = columnX();
    GroupBox2 = new QGroupBox(QStringLiteral("Anzahl der Ausdrucke"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(x, bottom() - 104, ColumnWidth, 60);
    setTag(GroupBox2, 304);
    cb1fach = bind(new QRadioButton(QStringLiteral("1x"), GroupBox2), l.cb1fach);
    cb1fach->setGeometry(10, 28, 56, 22);
    cb4fach = bind(new QRadioButton(QStringLiteral("4x"), GroupBox2), l.cb4fach);
    cb4fach->setGeometry(74, 28, 56, 22);

    btnDruck = new QPushButton(QStringLiteral("Drucken"), this);
    btnDruck->setObjectName(QStringLiteral("btnDruck"));
    btnDruck->setGeometry(x, bottom() - 34, (ColumnWidth - 6) / 2, 34);
    btnDruck->setIcon(printerGlyph());
    setTag(btnDruck, 207);
    btnNeu = new QPushButton(QStringLiteral("Neu"), this);
    btnNeu->setObjectName(QStringLiteral("btnNeu"));
    btnNeu->setGeometry(x + (ColumnWidth + 6) / 2, bottom() - 34, (ColumnWidth - 6) / 2, 34);
    btnNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setTag(btnNeu, 206);
    runOn(btnDruck, &QPushButton::clicked, [&l] { l.btnDruckClick(); });
    runOn(btnNeu, &QPushButton::clicked, [&l] { l.btnNeuClick(); });

    setFixedSize(x + ColumnWidth + Margin, bottom() + Margin);
}

QDateEdit* TLabelPictureForm::newDateEdit() {
    auto* date = new QDateEdit(this);
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return date;
}

void TLabelPictureForm::setKeyboardOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace zw
