#pragma once

// The translating base form. Every form of the program derives from it and
// takes the captions of its numbered components from the text catalogue.
//
// How a form marks its components
// -------------------------------
// Qt widgets have no Tag and no "show hint" switch, so both are dynamic
// properties, set only through the helpers below:
//
//     auto* btnDruck = new QPushButton(QStringLiteral("Drucken"), this);
//     setTag(btnDruck, 207);                       // property "Tag" = 207
//     setTag(GroupBox2, 267, HintDisplay::Shown);  // also "ShowHint" = true: hint from 50267
//     ...
//     Loaded();                                    // last line of the form's setup
//
// Write the tag as a literal number in the setTag call: a test scans the
// sources for these calls and checks that both language files hold every
// number (and 50000 + tag where hints are shown).
//
// What "caption", "text" and "hint" are on each kind of component
// -----------------------------------------------------------------
//   form itself ........................ caption = windowTitle (the form's own Tag, normally 0)
//   QAbstractButton (push, tool, check,
//     radio buttons) ................... caption = text
//   QLabel showing text ................ caption = text
//   QLabel showing a pixmap, picture
//     or movie (a picture component) ... none (setting a text would remove the picture)
//   QGroupBox .......................... caption = title
//   page of a QTabWidget ............... caption = the page's tab text
//   QMenu .............................. caption = title
//   QAction (menu item) ................ caption = text; never a hint
//   QLineEdit (edit, mask edit) ........ text = text (a change runs its textChanged handlers,
//                                        as any programmatic edit does)
//   QComboBox .......................... text = edit text when editable, otherwise the
//                                        current item chosen by its text; runs no handler
//   anything else (memos, date pickers,
//     spin boxes, plain widgets) ....... none
//   hint: the QWidget's toolTip, only where "ShowHint" is true.
//
// The components a form owns are its descendants, in the order in which they
// were created (depth first); a nested translating form (a label form shown on a
// tab page of the main window) owns its own components and is left out.

#include <QWidget>

namespace zw {

enum class HintDisplay { NotShown, Shown };

void setTag(QObject* component, int tag);
void setTag(QObject* component, int tag, HintDisplay hint);
// 0 where no tag was given.
int tagOf(const QObject* component);
void setShowHint(QObject* component, bool show);
bool showsHint(const QObject* component);

// Lets the translation of an outer form skip the components of an inner one.
class TranslatingForm {
public:
    virtual ~TranslatingForm() = default;
    virtual void UebersetzteDialogNeu() = 0;
};

// Translates `form` as described above. A form that owns no components keeps
// even its caption untouched.
void translateForm(QWidget* form);

// `QtForm` is the Qt class the form is: QWidget for the label forms (they are
// embedded as tab pages), QMainWindow for the main window, QDialog for the
// article editor.
template <class QtForm = QWidget> class TKelbUebersetzen : public QtForm, public TranslatingForm {
public:
    using QtForm::QtForm;

    // Called when the form has been built and after every language change.
    void UebersetzteDialogNeu() override { translateForm(this); }

protected:
    // Qt reads no stored layout, so nothing announces that the components
    // exist: the derived form calls this at the end of building them.
    void Loaded() { UebersetzteDialogNeu(); }
};

} // namespace zw
