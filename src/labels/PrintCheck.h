#pragma once

#include "labels/LabelFields.h"

#include <QString>

#include <functional>
#include <vector>

namespace zw {

// One print check as the form Parts tabulate them: what must hold, the
// catalogue message, the fields a failure marks yellow (the first takes the
// focus; none for a check that marks nothing), and what a failure does.
struct PrintCheck {
    enum class OnFailure {
        Stop,        // error box, fields marked and the first focused; the print ends
        WarnAndGoOn, // warning box, fields marked; the print goes on
        AskYesNo,    // warning box with Yes and No: Yes goes on, No marks, focuses and ends
    };

    std::function<bool()> holds;
    QString message;
    std::vector<LabelField*> fields = {};
    OnFailure onFailure = OnFailure::Stop;
};

// How a print ended when no error was raised.
struct PrintOutcome {
    enum Kind { Printed, Stopped };
    Kind kind = Stopped;
    // Stopped: the fields the failed check marked and the message shown.
    std::vector<const LabelField*> failedFields;
    QString message;
    // Printed: the document written.
    QString document;
};

} // namespace zw
