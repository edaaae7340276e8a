#include "BenchSetting.h"
#include "OrderExportGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

// generate_orders ORDERS FOLDER [SEED [LINES]]: writes orders.csv, lines.csv
// and a rowsmith.dat with the settings "bench" and "bench-statement" into
// FOLDER; with LINES, every order has that many lines.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool ok = false;
    const int orders = arguments.value(1).toInt(&ok);
    bool linesOk = true;
    const int lines = arguments.size() > 4 ? arguments.at(4).toInt(&linesOk) : 0;
    if (!ok || orders < 0 || arguments.size() < 3 || !linesOk || lines < 0) {
        std::fprintf(stderr, "usage: generate_orders ORDERS FOLDER [SEED [LINES]]\n");
        return 2;
    }
    const quint32 seed = arguments.size() > 3 ? arguments.at(3).toUInt() : 20240105u;
    const QString folder = arguments.at(2);
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "cannot use folder %s\n", qPrintable(folder));
        return 1;
    }
    QFile::remove(QStringLiteral("rowsmith.dat"));
    if (!BenchSetting::save() ||
        !OrderExportGenerator(orders, seed, lines).write(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot write the files\n");
        return 1;
    }
    return 0;
}
