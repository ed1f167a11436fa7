#pragma once
#include <QWidget>

// A symbol with a lowered index, e.g. f with index "ck".
class IndexedLabel : public QWidget {
public:
    IndexedLabel(const QString &main, const QString &index, QWidget *parent = nullptr);
};
