#include <QApplication>

#include "field_demo_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CFieldDemoDialog dialog;
    dialog.exec();
    return 0;
}
