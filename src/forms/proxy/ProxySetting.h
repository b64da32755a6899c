#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

// Edits the proxy values of the data module and stores them in section Proxy of
// the program folder's Barcode.ini; tests them by fetching the proxy test file.
// Not translated: its texts are the same in every language.
class TfrmProxySetting : public QDialog {
    Q_OBJECT
public:
    // Builds the components and runs FormCreate. Needs DataModule1.
    explicit TfrmProxySetting(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* edProxyName;
    QLineEdit* edProxyPort;
    QLineEdit* edProxyUser;
    QLineEdit* edProxyPasswortME;
    QPushButton* btnUebernehmen;
    QPushButton* btnProxyTesten;

    // Fills the edits from the data module's proxy values.
    void FormCreate();
    // Takes the edits into the data module and writes them to the settings file.
    void btnUebernehmenClick();
    // Downloads the proxy test file into the home folder, shows its first line
    // and deletes it again.
    void btnProxyTestenClick();
};

} // namespace zw
