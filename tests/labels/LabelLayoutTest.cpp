// The layout descriptions: what the reader refuses, and where it puts things.
// The templates written from them are checked in tests/resources.

#include "labels/LabelLayout.h"
#include "base/AppError.h"
#include "labels/OrderPartLabel.h"
#include "labels/SpecialPartLabel.h"
#include "labels/StockPartLabel.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

// A label 100 x 50 mm, margin 5, with `rows` (JSON) and one single sheet.
QByteArray label(const char* rows, const char* extra = "") {
    return QStringLiteral(R"({"kind": "Test", "labels": [{"size": [100, 50], "margin": 5, %1
                                "sheets": [{"file": "VorlageTest_1fach.rtf", "title": "Test"}],
                                "rows": [%2]}]})")
        .arg(QLatin1String(extra), QLatin1String(rows))
        .toUtf8();
}

QString readError(const QByteArray& json) {
    try {
        readLabelLayouts(json, QStringLiteral("Test.json"));
    } catch (const AppError& e) {
        return e.message();
    }
    return {};
}

TEST(LabelLayout, RefusesADescriptionThatCannotBePrintedAsWritten) {
    const struct {
        const char* what;
        QByteArray json;
        const char* message;
    } rows[] = {
        {"broken JSON", "{\"kind\": ", "Test.json: offset"},
        {"a misspelt key", label(R"({"height": 10, "cells": [{"width": 90, "lines": [{"value": 1, "mx": 3}]}]})"),
         "/labels/0/rows/0/cells/0/lines/0/mx: unknown key"},
        {"cells narrower than the label", label(R"({"height": 10, "cells": [{"width": 80}]})"),
         "/labels/0/rows/0: the cells are 80.00 mm wide, the label's inside 90.00 mm"},
        {"rows taller than the label", label(R"({"height": 30, "cells": [{"width": 90}]},
                                                {"height": 11, "cells": [{"width": 90}]})"),
         "the rows are 41.00 mm high, the label's inside 40.00 mm"},
        {"more lines than the cell holds",
         label(R"({"height": 10, "cells": [{"width": 90, "pt": 10, "lines": [{"value": 1, "max": 5, "wrap": 3}]}]})"),
         "/labels/0/rows/0/cells/0: the paragraphs take 12.17 mm, the cell is 10.00 mm high"},
        {"a placeholder twice", label(R"({"height": 10, "cells": [{"width": 45, "lines": [{"value": 1, "max": 5}]},
                                                                  {"width": 45, "lines": [{"value": 1, "max": 5}]}]})"),
         "placeholder 1 stands twice on the label"},
        {"a value without its widest", label(R"({"height": 10, "cells": [{"width": 90, "lines": [3]}]})"),
         "/labels/0/rows/0/cells/0/lines/0: a value needs \"max\" or \"widest\""},
        {"a picture of nothing", label(R"({"height": 10, "cells": [{"width": 90, "lines": [{"picture": 2}]}]})"),
         "lines/0/shows: missing"},
        {"a continued cell on top", label(R"({"height": 10, "cells": [{"width": 90, "merge": "continued"}]})"),
         "a continued cell without a merged cell above"},
        {"a sheet too small",
         label(R"({"height": 10, "cells": [{"width": 90}]})")
             .replace("\"title\": \"Test\"", "\"title\": \"T\", \"grid\": [2, 1]"),
         "the labels do not fit on the paper"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const QString error = readError(r.json);
        EXPECT_TRUE(error.contains(QLatin1String(r.message))) << error.toStdString();
    }
}

TEST(LabelLayout, PlacesParagraphsAsTheWordProcessorSetsThem) {
    const std::vector<LabelLayout> layouts =
        readLabelLayouts(label(R"({"height": 20, "cells": [{"width": 30, "logo": "Test"},
                                          {"width": 60, "caption": "Name", "pt": 12, "lines": [
                                              {"value": 1, "max": 10, "wrap": 2, "fields": ["edName"]}]}]},
                 {"height": 20, "cells": [{"width": 70, "valign": "centre", "lines": [
                                              {"picture": 2, "shows": "row", "fields": ["ImRow"]}]},
                                          {"width": 20, "lines": [{"value": 3, "widest": "ab cd",
                                              "fields": ["edA", "edB"]}]}]})",
                               R"("captionPt": 6,)"),
                         QStringLiteral("Test.json"));
    ASSERT_EQ(layouts.size(), 1u);
    const LabelLayout& l = layouts.front();
    EXPECT_EQ(l.id, QStringLiteral("Test"));
    EXPECT_EQ(l.placeholders(), (std::vector<int>{1, 2, 3}));

    // The caption: 0.4 mm above a line of 1.25 x 6 pt; then two lines of 1.15 x 12 pt.
    const LayoutSpot name = l.spotOfField(QStringLiteral("edName"));
    ASSERT_NE(name.paragraph, nullptr);
    const double mm = 25.4 / 72;
    EXPECT_DOUBLE_EQ(name.cell.left(), 35);
    EXPECT_NEAR(name.valueRect.top(), 5 + 0.4 + 7.5 * mm, 1e-9);
    EXPECT_NEAR(name.valueRect.height(), 2 * 13.8 * mm, 1e-9);
    EXPECT_NEAR(name.valueRect.left(), 35.8, 1e-9);
    EXPECT_NEAR(name.valueRect.right(), 94.2, 1e-9);
    EXPECT_EQ(name.paragraph->widestValue(), QStringLiteral("WWWWWWWWWW"));

    // A barcode picture has room for 2880 x 375 twips after its quiet zone, centred in its cell.
    const LayoutSpot row = l.spotOfPlaceholder(2);
    EXPECT_NEAR(row.valueRect.width(), 2880 * 25.4 / 1440, 1e-9);
    EXPECT_NEAR(row.valueRect.left(), 5 + 180 * 25.4 / 1440, 1e-9);
    EXPECT_NEAR(row.valueRect.center().y(), 35, 1e-9);
    EXPECT_EQ(l.spotOfField(QStringLiteral("edB")).paragraph, l.spotOfField(QStringLiteral("edA")).paragraph);
    EXPECT_EQ(l.spotOfField(QStringLiteral("edC")).paragraph, nullptr);
}

TEST(LabelLayout, CentresTheLabelsOfASheet) {
    LabelLayout l;
    l.width = 100;
    l.height = 50;
    LayoutSheet sheet;
    sheet.paperWidth = 297;
    sheet.paperHeight = 210;
    sheet.columns = 2;
    sheet.rows = 3;
    sheet.gapX = 7;
    sheet.gapY = 4;
    EXPECT_EQ(l.origin(sheet, 0, 0), QPointF(45, 26));
    EXPECT_EQ(l.origin(sheet, 1, 2), QPointF(152, 134));
}

// The widest value each field of a container label allows is what its form
// lets the user type: the description and the form must not disagree.
TEST(LabelLayout, ContainerValuesAreAsLongAsTheFormAllows) {
    const StockPartLabel stock;
    const OrderPartLabel order;
    const SpecialPartLabel special;
    struct Row {
        const char* kind;
        int placeholder;
        int formLimit;
        int before = 0; // characters of the field printed by an earlier placeholder
    } rows[] = {
        {"Lagerteil", 2, stock.edBenennung.maxLength, 13},
        {"Lagerteil", 12, stock.edLagerort.maxLength},
        {"Lagerteil", 15, stock.edPruefer.maxLength},
        {"Lagerteil", 16, stock.edLieferantenfeld.maxLength},
        {"Auftragsteil", 2, order.edBenennung.maxLength, 13},
        {"Auftragsteil", 12, order.edKDAuftrag.maxLength},
        {"Auftragsteil", 13, order.edKDPos.maxLength},
        {"Auftragsteil", 16, order.edPruefer.maxLength},
        {"Auftragsteil", 17, order.edLieferantenfeld.maxLength},
        // Longer than 30, the designation is cut after its 25th character.
        {"Sonderteil", 2, special.edBenennung.maxLength, 25},
        {"Sonderteil", 3, special.edBestellNr.maxLength},
        {"Sonderteil", 4, special.edBestellPos.maxLength},
        {"Sonderteil", 5, special.edKDAuftrag.maxLength},
        {"Sonderteil", 6, special.edKDPos.maxLength},
        {"Sonderteil", 9, special.edGeraetetyp.maxLength},
        {"Sonderteil", 10, special.edLagerort.maxLength},
        {"Sonderteil", 13, special.edPruefer.maxLength},
        {"Sonderteil", 14, special.edLieferantenfeld.maxLength},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QStringLiteral("%1 @%2").arg(QLatin1String(r.kind)).arg(r.placeholder).toStdString());
        const LayoutSpot spot = labelLayout(QLatin1String(r.kind)).spotOfPlaceholder(r.placeholder);
        ASSERT_NE(spot.paragraph, nullptr);
        // A value given by its widest sample allows as many characters.
        const int room = spot.paragraph->maxLength > 0 ? spot.paragraph->maxLength : int(spot.paragraph->widest.size());
        EXPECT_EQ(r.before + room, r.formLimit);
    }
}

} // namespace
} // namespace zw
