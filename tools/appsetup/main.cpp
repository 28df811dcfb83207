// AppSetup: started by Zemtar after the user chose another language. Waits for Zemtar to
// finish writing its settings, then starts it again, now in the new language, with the files
// that were open (its arguments) open again.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    QThread::msleep(1500);
#ifdef Q_OS_WIN
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zemtar.exe"));
#else
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zemtar"));
#endif
    return QProcess::startDetached(program, files) ? 0 : 1;
}
