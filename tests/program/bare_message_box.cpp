// The least a Qt program can do to show a box: the yardstick for how soon ours shows its first one.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox box;
    box.setText(QStringLiteral("Bienvenido al cambio de aceite."));
    box.setWindowTitle(QStringLiteral("vesmol"));
    return box.exec();
}
