#pragma once

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

} // namespace zw
