// Writes every label template that the layout descriptions define into the
// folder given (the source tree's resources/), and removes none.
//   zw_write_templates <folder>

#include "base/AppError.h"
#include "labels/LabelLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zw_write_templates <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        int written = 0;
        for (const zw::LabelLayout& layout : zw::labelLayouts()) {
            for (const zw::LayoutSheet& sheet : layout.sheets) {
                QFile f(folder.filePath(sheet.file));
                if (!f.open(QIODevice::WriteOnly) || f.write(zw::templateRtf(layout, sheet)) < 0 || !f.flush()) {
                    std::fprintf(stderr, "%s: %s\n", qPrintable(f.fileName()), qPrintable(f.errorString()));
                    return 1;
                }
                ++written;
            }
        }
        std::printf("%d templates written to %s\n", written, qPrintable(folder.absolutePath()));
    } catch (const zw::AppError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
