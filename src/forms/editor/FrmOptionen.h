#pragma once

#include "editor/ArticleEditor.h"
#include "forms/labels/FieldBinding.h"
#include "texts/KelbUebersetzen.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zw {

// The article editor and settings dialog, shown modally by the main window.
// A view only: its controls are bound to the fields of ArticleEditor, which
// holds every rule; what the view adds is the platform's handling of masked
// fields and the moment the material number is left.
class TfrmOptionen : public TKelbUebersetzen<QDialog>, public ArticleEditorWindow {
    Q_OBJECT
public:
    // Builds and binds the controls, translates them and runs FormCreate.
    explicit TfrmOptionen(QWidget* parent = nullptr, LabelFormCalls mainWindow = {});
    // Runs FormDestroy.
    ~TfrmOptionen() override;

    ArticleEditor logic;

    QTabWidget* PageControl1;
    QWidget* tsAllgemein;
    QWidget* tsGeraetetyplagerplatz;

    QGroupBox* GroupBox1;
    QLabel* Label5;
    QLineEdit* edSAPLieferantennr;
    QLabel* Label20;
    QLabel* Label18;
    QLabel* Label19;
    QLineEdit* edLiefNrKurz;
    QLabel* lblSprache;
    QComboBox* cboxSprache;
    QLabel* lblBarcodeTyp;
    QComboBox* cbBarcodeTyp;
    QLabel* lblDruckerAufloesung;
    QComboBox* cmbDruckerAufloesung;
    QPushButton* btnSpeicherort;
    QLineEdit* edAktSpeicherpfad;
    QPushButton* btnDelete;
    QPushButton* btnEANreload;

    QGroupBox* GroupBox2;
    QLabel* Label3;
    QLineEdit* edMaterialnr;
    QLabel* Label4;
    QLineEdit* edBenennung;
    QLabel* lblEAN;
    QLineEdit* edEAN;
    QLabel* Label1;
    QLineEdit* edZeichnNr;
    QLabel* Label8;
    QLineEdit* edIndexZNr;
    QLabel* Label9;
    QLineEdit* edMQSNr;
    QLabel* Label10;
    QLineEdit* edIndexMQS;
    QLabel* Label11;
    QLineEdit* edKSTNr;
    QLabel* Label12;
    QLineEdit* edIndexKST;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label22;
    QLineEdit* edSprache1;
    QLineEdit* edSprache2;
    QLineEdit* edSprache3;
    QLineEdit* edSprache4;
    QLineEdit* edSprache5;
    QLineEdit* edSprache6;
    QLabel* Label7;
    QLineEdit* edKelblagerplatz;
    QLabel* Label6;
    QLineEdit* edStueckzahl;
    QLabel* Label21;
    QComboBox* cmbEinheit;
    QLabel* Label2;
    QLineEdit* edLieferantenfeld;
    QCheckBox* cbPruefung100;
    QCheckBox* cbSSymbol;

    QToolButton* bttnfirst;
    QToolButton* bttnprev;
    QToolButton* bttnnext;
    QToolButton* bttnlast;
    QToolButton* bttnneu;
    QToolButton* bttnspeichern;
    QToolButton* bttnloeschen;
    QToolButton* bttnSuchen;
    QLabel* labStatus;
    QPushButton* bttnAbbrechen;
    QPushButton* bttnOk;
    QCheckBox* cbLog;

    QLabel* lblGeraetetyp;
    QPlainTextEdit* mGeraetetyp;
    QLabel* lblLagerplatz;
    QPlainTextEdit* mLagerplatz;

    // ArticleEditorWindow.
    void setCaption(const QString& caption) override;
    void setHint(const QString& button, const QString& hint) override;
    void showGeneralPage() override;
    void UebersetzteDialogNeu() override { TKelbUebersetzen<QDialog>::UebersetzteDialogNeu(); }
    void closeDialog() override;

    // Abbrechen, the close box and Escape: the article file is read again.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGeneralPage();
    void buildListsPage();
    // The field of a masked edit, nullptr for any other widget.
    MaskEditField* maskedField(const QWidget* w) const;
    // The masked edit that has the focus, or nullptr.
    QLineEdit* focusedMaskedEdit() const;
    // Whether the focus may leave the masked edit `edit`: not when it was
    // edited and is not filled.
    bool mayLeave(QLineEdit* edit) const;
    // Tells the user and takes the focus back into `edit`.
    void refuseLeaving(QLineEdit* edit);

    BoundFields m_bound;
    std::vector<std::pair<QLineEdit*, MaskEditField*>> m_masked;
    QString m_textOnEntry; // of the masked edit that has the focus, for Escape
    // A masked edit a mouse press is leaving half filled: the press that follows is refused.
    QLineEdit* m_leftByClick = nullptr;
};

} // namespace zw
