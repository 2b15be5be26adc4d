// Creates (or completes) a simulated device tree: make-device-tree DIR
#include "devicetree.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: make-device-tree DIR\n";
        return 2;
    }
    QString error;
    if (!DeviceTree::create(args.at(1), &error)) {
        err << "make-device-tree: " << error << "\n";
        return 1;
    }
    return 0;
}
