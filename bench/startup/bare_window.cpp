// The yardstick for talvo's start-up: a bare Qt Widgets window with what talvo's first window
// has on screen (a menu bar, a tool bar, an MDI area and a filled 128 x 11 table in a child
// window) and nothing else. bench/compare-startup.sh times both to their first mapped window.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"File", "Edit", "Program", "Language", "Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 6; ++i) menu->addAction(QStringLiteral("Command %1").arg(i));
    }
    QToolBar* tools = window.addToolBar(QStringLiteral("Tools"));
    for (const auto icon :
         {QStyle::SP_FileIcon, QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton,
          QStyle::SP_ArrowBack, QStyle::SP_ArrowForward})
        tools->addAction(window.style()->standardIcon(icon), QString());
    auto* mdi = new QMdiArea;
    window.setCentralWidget(mdi);
    auto* table = new QTableWidget(128, 11);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(row, column,
                           new QTableWidgetItem(QStringLiteral("%1.%2").arg(row).arg(column)));
    }
    mdi->addSubWindow(table)->resize(820, 500);
    window.resize(900, 660);
    window.show();
    return QApplication::exec();
}
