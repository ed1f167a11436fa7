#include "support/form_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMetaObject>
#include <QStringList>
#include <QTextStream>
#include <string>

#include "window/mainwindow.h"
#include "widgets/numberedit.h"

namespace formdriver {

NumberEdit *field(MainWindow &window, const char *name) {
    return window.findChild<NumberEdit *>(name);
}

QComboBox *selector(MainWindow &window, const char *name) {
    return window.findChild<QComboBox *>(name);
}

QCheckBox *checkBox(MainWindow &window, const char *name) {
    return window.findChild<QCheckBox *>(name);
}

bool invoke(MainWindow &window, const char *slot) {
    return QMetaObject::invokeMethod(&window, slot, Qt::DirectConnection);
}

bool save(MainWindow &window, const QString &path, int mode) {
    return QMetaObject::invokeMethod(&window, "speichern", Qt::DirectConnection,
                                     Q_ARG(QString, path), Q_ARG(int, mode));
}

bool open(MainWindow &window, const QString &path) {
    return QMetaObject::invokeMethod(&window, "oeffnen", Qt::DirectConnection,
                                     Q_ARG(std::string, path.toStdString()));
}

QString exampleInputText() { return readText(NORVEL_BUILD_DIR "/inputstart.txt"); }

QString withLine(const QString &text, const QString &keyword, const QString &line) {
    QStringList lines = text.split('\n');
    for (QString &l : lines)
        if (l.startsWith(keyword)) l = line;
    return lines.join('\n');
}

QString readText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

bool writeText(const QString &path, const QString &text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(text.toUtf8()) >= 0;
}

}  // namespace formdriver
