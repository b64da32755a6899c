#pragma once

// Helpers of the resource tests: the files as installed, the external tools
// (LibreOffice, poppler, zbarimg) and templates filled the way the label
// builder fills them.

#include "LabelTemplates.h"

#include <QByteArray>
#include <QImage>
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

// A value as the label builder writes it into the document.
QString rtfText(const QString& value);
// A barcode bitmap as the program makes it: one pixel per module, starting at
// the left edge of a white 175 x 25 picture (turned: 25 x 175, from the top).
QImage barcodePicture(Picture kind);
// An RTF picture group shown at 15 twips per pixel.
QString pictureGroup(const QImage& image);

// The template with every placeholder of its kind replaced by the sample value.
QByteArray fillTemplate(const QByteArray& rtf, const LabelKind& kind);

} // namespace zw::test
