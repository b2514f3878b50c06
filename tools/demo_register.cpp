// velmarok_demo FOLDER [--year Y] [--letters N] [--clients N] [--seed S]
// Writes a demo register into FOLDER, for trying the program out and for the screenshots.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "tools/demoregister.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    testing::DemoOptions options;
    QString folder;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QStringLiteral("--year") && hasValue) {
            options.year = arguments[++i].toInt();
        } else if (a == QStringLiteral("--letters") && hasValue) {
            options.letters = arguments[++i].toInt();
        } else if (a == QStringLiteral("--clients") && hasValue) {
            options.clients = arguments[++i].toInt();
        } else if (a == QStringLiteral("--seed") && hasValue) {
            options.seed = arguments[++i].toUInt();
        } else if (folder.isEmpty() && !a.startsWith(u'-')) {
            folder = a;
        } else {
            folder.clear();
            break;
        }
    }
    if (folder.isEmpty() || options.year < 1601 || options.letters < 0 || options.clients < 1) {
        std::fputs(
            "usage: velmarok_demo FOLDER [--year Y] [--letters N] [--clients N] [--seed S]\n",
            stderr);
        return 2;
    }
    if (!testing::writeDemoRegister(folder, options)) {
        std::fprintf(stderr, "cannot write the demo register into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
