#include "labels/LabelLogic.h"

#include "base/AppError.h"
#include "base/Convert.h"
#include "core/DataModule.h"
#include "core/Settings.h"
#include "labeldoc/PrinterPicture.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

#include <QImage>

namespace zw {

LabelLogic::LabelLogic() {
    makeRadioGroup({&cb1fach, &cb4fach});
    cb1fach.OnClick = [this] { cb1fachClick(); };
    cb4fach.OnClick = [this] { cb4fachClick(); };
}

LabelLogic::~LabelLogic() = default;

void LabelLogic::FormCreate() {
    GebindeObjekt = std::make_unique<TRTFGebindeObjekt>();
    templates.tickFirstRow();
    chooseTemplate();
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

std::vector<TemplateOption> LabelLogic::copyOptions() {
    return {{&cb1fach, QStringLiteral("_1fach")}, {&cb4fach, QStringLiteral("_4fach")}};
}

void LabelLogic::chooseTemplate() {
    if (const TemplateTable::Row* row = templates.chosen())
        setTemplate(row->name);
}

void LabelLogic::setTemplate(const QString& name) {
    GebindeObjekt->sVorlageDatei = TemplateTable::templateFile(name);
    GebindeObjekt->sErgebnisDatei = name;
}

PrintOutcome LabelLogic::print(const std::vector<PrintCheck>& checks, const std::function<void()>& addValues) {
    for (const PrintCheck& check : checks)
        for (LabelField* f : check.fields)
            f->setColor(CreamColour);
    chooseTemplate();
    for (const PrintCheck& check : checks) {
        if (check.holds())
            continue;
        switch (check.onFailure) {
        case PrintCheck::OnFailure::Stop:
            for (LabelField* f : check.fields)
                f->setColor(YellowColour);
            showError(QString(), check.message);
            return stop(check);
        case PrintCheck::OnFailure::WarnAndGoOn:
            for (LabelField* f : check.fields)
                f->setColor(YellowColour);
            showWarning(QString(), check.message);
            break;
        case PrintCheck::OnFailure::AskYesNo:
            if (platform().showMessage(MessageIcon::Warning, MessageButtons::YesNo, QString(), check.message) ==
                MessageAnswer::Yes)
                break;
            for (LabelField* f : check.fields)
                f->setColor(YellowColour);
            return stop(check);
        }
    }
    return produceDocument(addValues);
}

PrintOutcome LabelLogic::stop(const PrintCheck& check) {
    if (!check.fields.empty())
        check.fields.front()->setFocus();
    PrintOutcome out;
    out.failedFields.assign(check.fields.begin(), check.fields.end());
    out.message = check.message;
    return out;
}

int LabelLogic::printerResolutionForPrint() {
    if (printerResolution)
        return *printerResolution;
    const QString text = Settings::homeFirst().text(settings::DruckerAufloesung);
    if (const std::optional<int> dpi = printerResolutionFromText(text)) {
        m_reportedResolution.clear();
        return *dpi;
    }
    if (text != m_reportedResolution) {
        m_reportedResolution = text;
        showWarning(QString(), msgText(msg::DruckerAufloesungInIniUngueltig));
    }
    return 0;
}

PrintOutcome LabelLogic::produceDocument(const std::function<void()>& addValues) {
    try {
        // Read at every print: the article editor may have changed it meanwhile.
        GebindeObjekt->DruckerAufloesung = printerResolutionForPrint();
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

void LabelLogic::paintCream(std::initializer_list<LabelField*> fields) {
    for (LabelField* f : fields)
        f->setColor(CreamColour);
}

PrintCheck LabelLogic::quantityCheck(EditField& quantity) {
    return {
        [&quantity] { return TRTFGebindeObjekt::PruefeStk(quantity.text()); }, msgText(msg::CheckStueck), {&quantity}};
}

PrintCheck LabelLogic::unitCheck(ComboField& unit) {
    return {[&unit] { return TRTFGebindeObjekt::PruefeEinheit(unit.text(), unit.items()); },
            msgText(msg::CheckEinheit),
            {&unit}};
}

PrintCheck LabelLogic::deliveryDateWarning(DateField& date) {
    return {[&date] { return TRTFGebindeObjekt::PruefeDatumDTP(date.date()); },
            msgText(msg::FalschesLieferdatum),
            {&date},
            PrintCheck::OnFailure::WarnAndGoOn};
}

PrintCheck LabelLogic::inspectorCheck(EditField& inspector) {
    return {[&inspector] { return TRTFGebindeObjekt::PruefePruefer(inspector.text()); },
            msgText(msg::PrueferAngeben),
            {&inspector}};
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

// The cut never splits a surrogate pair: a character beyond the basic plane
// goes whole into the second line.
QString LabelLogic::designationLine1(const QString& text, int limit, int cut) {
    return trimControl(text).size() > limit ? trimControl(cutToLength(text, cut)) : text;
}

QString LabelLogic::designationLine2(const QString& text, int limit, int cut) {
    return trimControl(text).size() > limit ? trimControl(text.mid(cutToLength(text, cut).size())) : QString();
}

QString LabelLogic::dateValue(const QDate& d) {
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString LabelLogic::inspectionValue(const CheckField& box) {
    return box.checked() ? QStringLiteral("100%") : QStringLiteral("    ");
}

void LabelLogic::addValuesFrom(int first, std::initializer_list<QString> values) {
    for (const QString& value : values)
        GebindeObjekt->AddEinWert(QStringLiteral("%1").arg(first++, 2, 10, QLatin1Char('0')), value);
}

void LabelLogic::showWhileTicked(PictureField& picture, const CheckField& box) {
    picture.setVisible(builder().Ermittle_Haken_bei_Checkbox(box.checked()));
}

void LabelLogic::readSupplierNumbers(MaskEditField& number, MaskEditField* shortNumber) {
    const Settings ini = Settings::homeFirst();
    number.setText(ini.read(settings::SAPLieferantennummer, QString()));
    if (shortNumber)
        shortNumber->setText(ini.read(settings::LieferantennummerKurz, QString()));
}

QStringList LabelLogic::unitItems() {
    return {QStringLiteral("Stk"), QStringLiteral("m"), QStringLiteral("m²"), QStringLiteral("L"),
            QStringLiteral("kg")};
}

} // namespace zw
