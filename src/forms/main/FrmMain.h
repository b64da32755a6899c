#pragma once

#include "texts/KelbUebersetzen.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace zw {

class TLabelForm;
class TfrmGebindeLagerteil;
class TfrmGebindeAuftragsteil;
class TfrmGebindeSonderteil;
class TfrmTypenschild;
class TfrmErsatzteil;
class TfrmEinzelteil;

// The main window. Creating it runs the start-up sequence; it hosts the label
// forms on its tab pages and offers the menu.
class TfrmMain : public TKelbUebersetzen<QMainWindow> {
    Q_OBJECT
public:
    // Builds the components and runs FormCreate. An error in the start-up
    // sequence ends the sequence and goes to the general error dialog; the
    // window opens all the same.
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    QLabel* IMenueTitel;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label7;
    QTabWidget* PageControl1;
    QWidget* tsLagerteil;
    QWidget* tsAuftragsteil;
    QWidget* tsSonderteil;
    QWidget* tsTypenschild;
    QWidget* tsErsatzteil;
    QMenu* Datei1;
    QAction* NeuesEttiket1;
    QAction* N1;
    QAction* Artikelaktualisieren1;
    QAction* N2;
    QAction* Beenden1;
    QMenu* Optionen1;
    QAction* Artikeleinstellungen1;
    QAction* Proxy1;
    QMenu* Hilfe1;
    QAction* Bedienungsanleitung1;
    QAction* aktuelleSpezifikation1;
    QTimer* TUpdate;

    // The label forms, owned by the window (created without owner, released in FormDestroy).
    TfrmTypenschild* frmTypenschild = nullptr;
    TfrmEinzelteil* frmEinzelteil = nullptr;
    TfrmErsatzteil* frmErsatzteil = nullptr;
    TfrmGebindeLagerteil* frmGebindeLagerteil = nullptr;
    TfrmGebindeAuftragsteil* frmGebindeAuftragsteil = nullptr;
    TfrmGebindeSonderteil* frmGebindeSonderteil = nullptr;

    // The start-up sequence.
    void FormCreate();
    // Embeds the label forms in their pages; runs when the window is first shown.
    void FormShow();
    void FormDestroy();

    void NeuesEttiket1Click() { doNeuMain(); }
    void Artikelaktualisieren1Click() { ArtikelNeuEinlesen(); }
    void Beenden1Click();
    void Optionen1Click();
    void Proxy1Click();
    void Bedienungsanleitung1Click();
    void aktuelleSpezifikation1Click() {}
    void TUpdateTimer();

    // Label form hosting.
    void doNeuMain();
    void ArtikelNeuEinlesen();
    void LadeMatNrNeu();
    void NachLiefNrWechselNeueEintragen();
    // After a language change: the window, then every label form.
    void SpracheGeaendertMain();

    // The size at which every tab title and every hosted form show whole.
    QSize defaultSize() const;
    // The scroll area in which `page` hosts its label form.
    static QScrollArea* scrollArea(QWidget* page);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildComponents();
    void createLabelForms();
    // Keeps the window on the screen (height first, as the start-up says) and centres it.
    void fitToScreen();
    // Moves the article folder's working copy back to "Artikel.ini" when this
    // workstation holds it.
    void giveBackArticleFile();
    // Set when the start-up sequence has run (so far as it got).
    bool m_shown = false;
    // While the article editor is open the watch waits: it must not re-read the list the editor works on.
    bool m_editorOpen = false;
};

// The one main window; set while it exists.
extern TfrmMain* frmMain;

} // namespace zw
