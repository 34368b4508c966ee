// The program's entry: builds the application and hands over to Main.
#include <QApplication>

#include "app/AppState.h"
#include "windows/mdb_IDX.h"
#include "windows/mdb_STR.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InitGlobals();
    appState().Section = QStringLiteral("Phonics a to z");
    mdb_STR::holder();
    // TEMPORARY until Main lands: the main window.
    mdb_IDX window;
    window.Load();
    return app.exec();
}
