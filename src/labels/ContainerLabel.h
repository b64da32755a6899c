#pragma once

#include "labels/ArticleLabel.h"
#include "labels/FieldGroups.h"

namespace zw {

// The container label of an article (stock part, order-related part): the
// shared behaviour of their reset, article choice, symbols and values. A form
// states its own fields, its checks and the values between the shared ones.
class ContainerLabel : public ArticleLabel, public EanFields {
public:
    // `kind` names the templates: "Vorlage" + kind + "_1fach.rtf" / "_4fach.rtf".
    explicit ContainerLabel(const QString& kind);

    void DoNeu() override;
    virtual void edEANCodeChange();
    void cb100PruefungClick() { showWhileTicked(Im100Prz, cb100Pruefung); }
    void cbSicherheitsbauteilClick() { showWhileTicked(ImSicher, cbSicherheitsbauteil); }

    EditField edBenennung{QStringLiteral("edBenennung")};
    EditField edLiefNr{QStringLiteral("edLiefNr")};
    EditField edStueckzahl{QStringLiteral("edStueckzahl")};
    ComboField cmbEinheit{QStringLiteral("cmbEinheit")};
    DateField edPruefdatum_DTP{QStringLiteral("edPruefdatum_DTP")};
    EditField edPruefer{QStringLiteral("edPruefer")};
    EditField edLieferantenfeld{QStringLiteral("edLieferantenfeld")};
    CheckField cb100Pruefung{QStringLiteral("cb100Pruefung")};
    CheckField cbSicherheitsbauteil{QStringLiteral("cbSicherheitsbauteil")};
    PictureField Im100Prz{QStringLiteral("Im100Prz")};
    PictureField ImSicher{QStringLiteral("ImSicher")};

protected:
    // The reset's step for the form's own fields, after the week.
    virtual void resetOwnFields() = 0;
    // The article choice's step for the form's own fields, after the EAN.
    virtual void showOwnArticleFields(const TArtikel&) {}
    void articleChosen(int i, const TArtikel& A) override;

    // Values 01 to 11: designation, document number, material number,
    // quantity, supplier number, barcode, EAN.
    void addArticleValues();
    // From `first` on: 100 % mark, date, inspector, supplier field, safety symbol.
    void addClosingValues(int first);

    // Index of the first unit item equal to `Einheit` (exact comparison), or -1.
    int GibEinheitIndex(const QString& Einheit) const;
};

} // namespace zw
