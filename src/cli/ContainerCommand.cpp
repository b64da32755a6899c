#include "cli/ContainerCommand.h"

#include "labels/ContainerLabel.h"

namespace zw::cli {

QList<QCommandLineOption> ContainerCommand::options() {
    return {labelValueOption("quantity", "Q"), labelValueOption("unit", "U"), labelValueOption("inspector", "P"),
            labelValueOption("supplier-field", "F"), QCommandLineOption(QStringLiteral("inspected100"))};
}

QStringList ContainerCommand::required() {
    return {QStringLiteral("quantity"), QStringLiteral("unit"), QStringLiteral("inspector")};
}

void ContainerCommand::fill(LabelCommand& command, const Fields& fields, const QDate& date) {
    const QCommandLineParser& parser = command.parser;
    fields.quantity.setText(parser.value(QStringLiteral("quantity")));
    fields.unit.userTyped(parser.value(QStringLiteral("unit")));
    fields.inspector.setText(parser.value(QStringLiteral("inspector")));
    if (parser.isSet(QStringLiteral("supplier-field")))
        fields.supplierField.setText(parser.value(QStringLiteral("supplier-field")));
    fields.date.setDate(date);
    if (parser.isSet(QStringLiteral("inspected100")))
        fields.inspected100.setChecked(true);
}

QList<QCommandLineOption> ContainerCommand::articleOptions() {
    return options() << labelValueOption("matnr", "M") << QCommandLineOption(QStringLiteral("safety"));
}

QStringList ContainerCommand::articleRequired() {
    return required() << QStringLiteral("matnr") << QStringLiteral("week");
}

bool ContainerCommand::chooseArticle(LabelCommand& command, ContainerLabel& label) {
    label.cmbMatnr.userTyped(command.parser.value(QStringLiteral("matnr")));
    return label.cmbMatnr.itemIndex() >= 0;
}

void ContainerCommand::fillArticleFields(LabelCommand& command, ContainerLabel& label, const QDate& date) {
    fill(command,
         {label.edStueckzahl, label.cmbEinheit, label.edPruefer, label.edLieferantenfeld, label.edPruefdatum_DTP,
          label.cb100Pruefung},
         date);
    if (command.parser.isSet(QStringLiteral("safety")))
        label.cbSicherheitsbauteil.setChecked(true);
}

} // namespace zw::cli
