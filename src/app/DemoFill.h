#pragma once

#include <QHash>
#include <QString>

namespace zw {

class TfrmMain;

// For the documentation's screenshots: when the environment variable
// ZEICHWERK_DEMO_FILL holds "key=value" pairs separated by ";" (matnr, week,
// inspector, storage, supplierfield), the stock-part form is filled with them
// as a user would type them; with "print=1" "Drucken" is clicked afterwards;
// "editor=<page>" (0 or 1) opens the article editor on that page,
// "record=<n>" browsing to the n-th article first. Keys beginning "plate."
// fill the type plate (DemoFill.cpp lists them).
// Without the variable nothing happens.
void applyDemoFill(TfrmMain& window);
// The pairs of ZEICHWERK_DEMO_FILL.
QHash<QString, QString> demoFillValues();
// With "tab=auftragsteil" or "tab=sonderteil" that tab is shown and its form
// filled: order, position, matnr, week, inspector, supplierfield on the
// order-related form; designation, ponumber, poposition, order, position,
// quantity, unit, devicetype, storage, inspector, supplierfield, inspected100
// on the special-part form.
void applyDemoTabFill(TfrmMain& window);
// The same for the spare-part form, with "tab=ersatzteil": its tab is shown and
// filled from sparematnr, spareweek, spareversion (carton, bag), sparetype
// (the barcode-type entry), spareprodnr, spareeei (ticks EEI) and sparecopies.
void applySparePartDemoFill(TfrmMain& window);

} // namespace zw
