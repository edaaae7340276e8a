#include "BenchSetting.h"
#include "OrderExportGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

// generate_orders ORDERS FOLDER [SEED]: writes orders.csv, lines.csv and a
// rowsmith.dat with the setting "bench" into FOLDER.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool ok = false;
    const int orders = arguments.value(1).toInt(&ok);
    if (!ok || orders < 0 || arguments.size() < 3) {
        std::fprintf(stderr, "usage: generate_orders ORDERS FOLDER [SEED]\n");
        return 2;
    }
    const quint32 seed = arguments.size() > 3 ? arguments.at(3).toUInt() : 20240105u;
    const QString folder = arguments.at(2);
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "cannot use folder %s\n", qPrintable(folder));
        return 1;
    }
    QFile::remove(QStringLiteral("rowsmith.dat"));
    if (!BenchSetting::save() || !OrderExportGenerator(orders, seed).write(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot write the files\n");
        return 1;
    }
    return 0;
}
