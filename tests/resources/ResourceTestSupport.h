#pragma once

// Helpers of the resource tests: the files as installed, the external tools
// (LibreOffice, poppler, zbarimg) and templates filled by the label builder.

#include "LabelTemplates.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace zw::test {

// The source folder whose files the build installs beside the program.
QString resourcePath(const QString& name);
QByteArray readResource(const QString& name);

struct ToolRun {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Empty when the program is on the PATH, else a message naming the package.
QString missingTool(const QString& program);
ToolRun runTool(const QString& program, const QStringList& args, int timeoutMs = 120000);

// Converts documents with LibreOffice in a profile of its own; returns the
// PDF paths in the order given, or an error message in *error.
QStringList convertToPdf(const QStringList& documents, const QString& outDir, QString* error);

// The lines of a PDF's text layer, each with its runs of white space made one blank.
QStringList pdfLines(const QString& pdf);
int pdfPages(const QString& pdf);
// Page size in points (1/72 inch).
QSizeF pdfPageSize(const QString& pdf);

// A word of a PDF's text layer with its box in points from the page's top left.
struct PdfWord {
    QRectF box;
    QString text;
};
std::vector<PdfWord> pdfWords(const QString& pdf);

// How fillTemplate draws the barcode pictures and names the document.
struct FillOptions {
    // The builder's printer resolution (0: the screen's pictures).
    int printerDpi = 0;
    // Screen pictures shown as wide as the templates make room for (2880 twips).
    bool widestPictures = true;
    // The document's base name; empty: the template's own.
    QString name;
};

// The template filled by the label builder as a label form fills it, with the
// widest value each field allows (its description's) and the sample barcodes;
// written into `folder`. Returns the document's path.
QString fillTemplate(const TemplateCase& layout, const QString& folder, const FillOptions& options = {});

} // namespace zw::test
