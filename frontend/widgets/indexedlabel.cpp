#include "widgets/indexedlabel.h"

#include <QHBoxLayout>
#include <QLabel>

IndexedLabel::IndexedLabel(const QString &main, const QString &index, QWidget *parent)
    : QWidget(parent) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *mainLabel = new QLabel(main);
    mainLabel->setStyleSheet("font: 10pt");
    auto *indexLabel = new QLabel(index);
    indexLabel->setStyleSheet("font: 7pt");
    indexLabel->setAlignment(Qt::AlignBottom);
    layout->addWidget(mainLabel);
    layout->addWidget(indexLabel);
}
