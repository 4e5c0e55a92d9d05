#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veltrix"));
    QApplication::setApplicationName(QStringLiteral("Tabulon"));

    frmMain window;
    window.show();
    return app.exec();
}
