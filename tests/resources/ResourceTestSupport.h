#pragma once

// Helpers of the resource tests: the files as installed, the external tools
// (LibreOffice, poppler, zbarimg) and templates filled by the label builder.

#include "LabelTemplates.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>

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

// The lines of a PDF's text layer, each with its runs of white space made one
// blank. The text layer holds what a box clips too, but a value too long for its
// box wraps: its words then stand on two lines.
QStringList pdfLines(const QString& pdf);
int pdfPages(const QString& pdf);
// Page size in points (1/72 inch).
QSizeF pdfPageSize(const QString& pdf);

// How often a value stands whole on one of the lines (bounded by white space or
// the line's ends); a value of several lines counts where each line of it does.
int countOnLines(const QStringList& lines, const QString& value);

// The template filled by the label builder with its kind's sample values and
// barcode pictures, as a label form fills it, written into `folder` under the
// template's own base name; returns the document's path.
QString fillTemplate(const TemplateCase& layout, const QString& folder);

} // namespace zw::test
