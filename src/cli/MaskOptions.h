#pragma once

#include "cli/Commands.h"
#include "labels/LabelFields.h"

#include <QCommandLineOption>
#include <QList>

#include <vector>

namespace zw::cli {

// A label option whose value goes into a mask field of the form, described
// once for the usage, the check and the tests.
struct MaskOptionForm {
    const char* name;         // without "--"
    const char* form;         // what the user is told is expected, e.g. "WW.YY"
    const char* example;      // a value the mask holds, e.g. "08.25"
    bool mayEndEarly = false; // the mask's remaining positions stay blank, as when typing stops
};

// The one rule for such options: the value is taken only when the field's mask
// holds it exactly as given (only blanks added after it where the option may end
// early), so no character is moved, dropped or replaced on the way, and it
// leaves no position unfilled. Otherwise the command ends with status 2 and
// "--NAME: expected FORM, e.g. EXAMPLE".
bool maskHolds(const MaskOptionForm& form, const QString& mask, const QString& value);
QString maskOptionError(const MaskOptionForm& form);

// The mask options of a label command with the fields of its logic class.
template <class Logic> struct MaskOption {
    MaskOptionForm form;
    MaskEditField Logic::*field;

    QCommandLineOption option() const {
        return QCommandLineOption(QLatin1String(form.name), QString(), QLatin1String(form.form));
    }
};

// The descriptions of a label command's mask options, for labelKinds().
template <class Logic> QList<MaskOptionForm> maskOptionForms(const std::vector<MaskOption<Logic>>& options) {
    QList<MaskOptionForm> out;
    for (const MaskOption<Logic>& o : options)
        out.append(o.form);
    return out;
}

// Refuses the first given value its field's mask does not hold (status 2);
// GoOn when every value is held. `label` is the logic the values are meant for.
template <class Logic>
int checkMaskOptions(CommandOptions& cmd, const std::vector<MaskOption<Logic>>& options, const Logic& label) {
    for (const MaskOption<Logic>& o : options) {
        const QString name = QLatin1String(o.form.name);
        if (cmd.parser.isSet(name) && !maskHolds(o.form, (label.*o.field).mask(), cmd.parser.value(name)))
            return cmd.badInput(maskOptionError(o.form));
    }
    return GoOn;
}

// Sets the fields of the given options, as the user types them into the form.
template <class Logic>
void fillMaskOptions(const CommandOptions& cmd, const std::vector<MaskOption<Logic>>& options, Logic& label) {
    for (const MaskOption<Logic>& o : options) {
        const QString name = QLatin1String(o.form.name);
        if (cmd.parser.isSet(name))
            (label.*o.field).setText(cmd.parser.value(name));
    }
}

// Every mask option of every label command ("label <kind>"), for the tests
// that hold them all to the rule; a label kind states its own in labelKinds().
struct LabelMaskOption {
    QString kind;
    MaskOptionForm form;
};
QList<LabelMaskOption> labelMaskOptions();

} // namespace zw::cli
