#pragma once

#include "labels/LabelFields.h"
#include "labels/PrintCheck.h"
#include "labels/TemplateTable.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

namespace zw {

class TRTFGebindeObjekt;

// What every label form shares: the label document builder, the template
// table and the copies buttons, the print skeleton with its check table, and
// the helpers for values and checks that several forms use. One subclass per
// label kind states its fields and its differences (ArticleLabel and
// ContainerLabel hold what groups of forms share); the Qt form and the command
// line both drive it.
class LabelLogic {
public:
    LabelLogic();
    virtual ~LabelLogic();
    LabelLogic(const LabelLogic&) = delete;
    LabelLogic& operator=(const LabelLogic&) = delete;

    // FormCreate: the builder, the template table's first row ticked and
    // chosen, then DoNeu.
    virtual void FormCreate();
    virtual void DoNeu() = 0;
    void btnNeuClick() { DoNeu(); }
    virtual PrintOutcome btnDruckClick() = 0;

    void cb1fachClick();
    void cb4fachClick();

    // The fields the main window reaches; nullptr where a form has none.
    virtual ComboField* materialNumberBox() { return nullptr; }
    virtual MaskEditField* supplierNumberField() { return nullptr; }
    virtual MaskEditField* shortSupplierNumberField() { return nullptr; }

    TRTFGebindeObjekt& builder() const { return *GebindeObjekt; }

    std::unique_ptr<TRTFGebindeObjekt> GebindeObjekt;
    RadioField cb1fach{QStringLiteral("cb1fach")};
    RadioField cb4fach{QStringLiteral("cb4fach")};
    // The printer resolution the barcode pictures are drawn for instead of the
    // setting DruckerAufloesung (the command line's --printer-dpi): 0 for the
    // standard pictures, or 100 to 1200 dpi.
    std::optional<int> printerResolution;

protected:
    // The form's templates; its constructor fills them.
    TemplateTable templates;
    // The 1x and 4x buttons as a template dimension.
    std::vector<TemplateOption> copyOptions();
    // The builder's template and document from the ticked buttons; kept when
    // no row is chosen.
    void chooseTemplate();
    void setTemplate(const QString& name);

    // The print skeleton: paints the fields of every check cream, chooses the
    // template, runs the checks in order and, when none stops, adds the values
    // through `addValues` and writes the document. Whatever is raised on the
    // way leaves the builder's value list empty and goes on to the caller.
    PrintOutcome print(const std::vector<PrintCheck>& checks, const std::function<void()>& addValues);
    static void paintCream(std::initializer_list<LabelField*> fields);

    // Checks that several forms run, each with its usual message.
    static PrintCheck quantityCheck(EditField& quantity);
    static PrintCheck unitCheck(ComboField& unit);
    static PrintCheck deliveryDateWarning(DateField& date);
    static PrintCheck inspectorCheck(EditField& inspector);

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
    // "100%" while the box is ticked, else four blanks.
    static QString inspectionValue(const CheckField& box);
    // Adds `values` to the builder as the placeholders `first`, `first` + 1, …
    void addValuesFrom(int first, std::initializer_list<QString> values);

    // A symbol picture that is visible exactly while its box is ticked.
    void showWhileTicked(PictureField& picture, const CheckField& box);
    // The reset's reading of the supplier numbers from Barcode.ini (home folder
    // first); `shortNumber` may be nullptr.
    static void readSupplierNumbers(MaskEditField& number, MaskEditField* shortNumber);
    static QStringList unitItems();

private:
    // printerResolution, else the setting; a setting no printer has is
    // reported once (message 490) and gives the standard pictures.
    int printerResolutionForPrint();
    QString m_reportedResolution;

    static PrintOutcome stop(const PrintCheck& check);
    PrintOutcome produceDocument(const std::function<void()>& addValues);
};

} // namespace zw
