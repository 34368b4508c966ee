// The program's entry: builds the application and hands over to Main.
#include <QApplication>

#include "app/AppState.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InitGlobals();
    return 0;
}
