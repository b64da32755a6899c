#include "labels/LabelLogic.h"

#include "core/AppError.h"
#include "core/Convert.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"

#include <QImage>

namespace zw {

LabelLogic::LabelLogic(QString kind) : m_kind(std::move(kind)) {
    cb1fach.group = {&cb1fach, &cb4fach};
    cb4fach.group = {&cb1fach, &cb4fach};
    cb1fach.OnClick = [this] { cb1fachClick(); };
    cb4fach.OnClick = [this] { cb4fachClick(); };
}

LabelLogic::~LabelLogic() = default;

void LabelLogic::FormCreate() {
    GebindeObjekt = std::make_unique<TRTFGebindeObjekt>();
    GebindeObjekt->sVorlageDatei = QStringLiteral("Vorlage") + m_kind + QStringLiteral("_1fach.rtf");
    GebindeObjekt->sErgebnisDatei = m_kind + QStringLiteral("_1fach");
    cb1fach.setChecked(true);
    cb4fach.setChecked(false);
    DoNeu();
}

void LabelLogic::cb1fachClick() {
    if (cb1fach.checked())
        cb4fach.setChecked(false);
}

void LabelLogic::cb4fachClick() {
    if (cb4fach.checked())
        cb1fach.setChecked(false);
}

void LabelLogic::chooseTemplate() {
    for (const auto& [radio, copies] : {std::pair{&cb1fach, "_1fach"}, std::pair{&cb4fach, "_4fach"}}) {
        if (radio->checked()) {
            GebindeObjekt->sVorlageDatei = QStringLiteral("Vorlage") + m_kind + QLatin1String(copies) + ".rtf";
            GebindeObjekt->sErgebnisDatei = m_kind + QLatin1String(copies);
        }
    }
}

void LabelLogic::paintCream(std::initializer_list<LabelField*> fields) {
    for (LabelField* f : fields)
        f->setColor(CreamColour);
}

PrintOutcome LabelLogic::failCheck(LabelField* field, const QString& message) {
    if (field)
        field->setColor(YellowColour);
    showError(QString(), message);
    if (field)
        field->setFocus();
    PrintOutcome out;
    out.failedField = field;
    out.message = message;
    return out;
}

PrintOutcome LabelLogic::produceDocument(const std::function<void()>& addValues) {
    try {
        addValues();
        PrintOutcome out;
        out.document = GebindeObjekt->ErstelleRTFundOffneDiese();
        out.kind = PrintOutcome::Printed;
        return out;
    } catch (...) {
        GebindeObjekt->slWerte.clear();
        throw;
    }
}

QString LabelLogic::pictureValue(const QImage& picture) {
    GebindeObjekt->SchreibeBildInRtf(picture);
    return GebindeObjekt->RTFBild;
}

QString LabelLogic::pictureFileValue(const QString& fileName) {
    const QString path = platform().programFolder() + fileName;
    QImage picture;
    if (!platform().fileExists(path) || !picture.load(path))
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(path));
    return pictureValue(picture);
}

QString LabelLogic::designationLine1(const QString& text, int limit, int cut) {
    return trimControl(text).size() > limit ? trimControl(text.left(cut)) : text;
}

QString LabelLogic::designationLine2(const QString& text, int limit, int cut) {
    return trimControl(text).size() > limit ? trimControl(text.mid(cut)) : QString();
}

QString LabelLogic::dateValue(const QDate& d) {
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

int LabelLogic::GibEinheitIndex(const ComboField& cmbEinheit, const QString& Einheit) {
    return int(cmbEinheit.items().indexOf(Einheit));
}

QStringList LabelLogic::unitItems() {
    return {QStringLiteral("Stk"), QStringLiteral("m"), QStringLiteral("m²"), QStringLiteral("L"),
            QStringLiteral("kg")};
}

} // namespace zw
