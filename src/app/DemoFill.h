#pragma once

namespace zw {

class TfrmMain;

// For the documentation's screenshot: when the environment variable
// ZEICHWERK_DEMO_FILL holds "key=value" pairs separated by ";" (matnr, week,
// inspector, storage, supplierfield), the stock-part form is filled with them
// as a user would type them; with "print=1" "Drucken" is clicked afterwards.
// Without the variable nothing happens.
void applyDemoFill(TfrmMain& window);

} // namespace zw
