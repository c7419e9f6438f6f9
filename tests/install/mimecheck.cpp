// Prints, for each file named, the file type a desktop gives it from the type definitions in
// $XDG_DATA_DIRS: one "path<TAB>type" line per file.
#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QMimeDatabase types;
    for (int i = 1; i < argc; ++i) {
        QString type = types.mimeTypeForFile(QString::fromLocal8Bit(argv[i])).name();
        std::printf("%s\t%s\n", argv[i], qPrintable(type));
    }
    return 0;
}
