#pragma once

#include "cli/LabelCommand.h"
#include "labels/LabelFields.h"

namespace zw {
class ContainerLabel;
}

namespace zw::cli {

// What the commands of the container labels share (label lagerteil,
// auftragsteil, sonderteil): their common options and how they fill the form
// from them; those of a label made from an article add its choice.
struct ContainerCommand {
    // --quantity, --unit, --inspector, --supplier-field, --inspected100.
    static QList<QCommandLineOption> options();
    static QStringList required();
    // The fields these options fill.
    struct Fields {
        EditField& quantity;
        ComboField& unit;
        EditField& inspector;
        EditField& supplierField;
        DateField& date;
        CheckField& inspected100;
    };
    // Sets `fields` from the options as the user types them, the date to `date`.
    static void fill(LabelCommand& command, const Fields& fields, const QDate& date);

    // The same with --matnr (and --week, a mask option) and --safety, for a
    // label made from an article.
    static QList<QCommandLineOption> articleOptions();
    static QStringList articleRequired();
    // Makes the form (LabelCommand::create), types --matnr into the
    // material-number box as the user would, then sets the mask options and
    // the shared fields. GoOn, or ExitCheckFailed when the form has said that
    // no article has that number.
    template <class Logic>
    static int fillArticleLabel(LabelCommand& command, Logic& label, const std::vector<MaskOption<Logic>>& masks,
                                const QDate& date) {
        command.create(label);
        if (!chooseArticle(command, label))
            return ExitCheckFailed;
        fillMaskOptions(command.cmd, masks, label);
        fillArticleFields(command, label, date);
        return GoOn;
    }

private:
    static bool chooseArticle(LabelCommand& command, ContainerLabel& label);
    static void fillArticleFields(LabelCommand& command, ContainerLabel& label, const QDate& date);
};

} // namespace zw::cli
