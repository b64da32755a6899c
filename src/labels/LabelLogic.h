#pragma once

#include "labels/LabelFields.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>

namespace zw {

class TRTFGebindeObjekt;

// How a print ended when no error was raised.
struct PrintOutcome {
    enum Kind { Printed, Stopped };
    Kind kind = Stopped;
    // Stopped: the field whose check failed (nullptr for a check that marks no
    // field) and the message shown.
    const LabelField* failedField = nullptr;
    QString message;
    // Printed: the document written.
    QString document;
};

// What every label form shares: the label document builder, the 1x/4x template
// choice, the print skeleton and the field colouring of failed checks. One
// subclass per label kind holds its fields and decisions; the Qt form and the
// command line both drive it.
class LabelLogic {
public:
    // `kind` names the templates: "Vorlage" + kind + "_1fach.rtf" / "_4fach.rtf".
    explicit LabelLogic(QString kind);
    virtual ~LabelLogic();
    LabelLogic(const LabelLogic&) = delete;
    LabelLogic& operator=(const LabelLogic&) = delete;

    // FormCreate: the builder, the 1-up template, the 1x choice, then DoNeu.
    virtual void FormCreate();
    virtual void DoNeu() = 0;
    void btnNeuClick() { DoNeu(); }
    virtual PrintOutcome btnDruckClick() = 0;

    void cb1fachClick();
    void cb4fachClick();

    const QString& kind() const { return m_kind; }
    TRTFGebindeObjekt& builder() const { return *GebindeObjekt; }

    std::unique_ptr<TRTFGebindeObjekt> GebindeObjekt;
    RadioField cb1fach{QStringLiteral("cb1fach")};
    RadioField cb4fach{QStringLiteral("cb4fach")};

protected:
    // The template choice of the print skeleton.
    void chooseTemplate();
    static void paintCream(std::initializer_list<LabelField*> fields);
    // A failed check: the field yellow, the message in a box with an error
    // symbol, the focus into the field. A null field is neither coloured nor focused.
    PrintOutcome failCheck(LabelField* field, const QString& message);
    // Adds the values through `addValues` and writes the document. Whatever is
    // raised on the way leaves the builder's value list empty, so the next print
    // starts clean, and goes on to the caller.
    PrintOutcome produceDocument(const std::function<void()>& addValues);
    // The RTF picture group of `picture`, as the value of a picture placeholder.
    QString pictureValue(const QImage& picture);
    // The picture group of a picture file in the program folder.
    QString pictureFileValue(const QString& fileName);

    // A long designation is split over two placeholders: when the trimmed text
    // is longer than `limit`, the first line is the first `cut` characters of the
    // text, trimmed, the second the rest, trimmed; otherwise the text and "".
    static QString designationLine1(const QString& text, int limit, int cut);
    static QString designationLine2(const QString& text, int limit, int cut);
    static QString dateValue(const QDate& d); // dd.mm.yyyy

    // Index of the first unit item equal to `Einheit` (exact comparison), or -1.
    static int GibEinheitIndex(const ComboField& cmbEinheit, const QString& Einheit);
    static QStringList unitItems();

private:
    QString m_kind;
};

} // namespace zw
