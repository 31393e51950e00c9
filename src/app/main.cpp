#include <QApplication>
#include <clocale>

#include "app/vantrell_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrell"));
    // Qt takes the locale from the environment; the program's numbers never follow it,
    // and nothing else in the C library should either.
    std::setlocale(LC_NUMERIC, "C");
    vantrell::CVantrellApp app;
    return app.Run();
}
