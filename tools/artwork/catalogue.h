#pragma once
// Every picture the programs ship, with the file name under which the
// front end looks for it.
#include <QImage>
#include <QString>
#include <vector>

namespace artwork {

struct Picture {
    QString fileName;
    QImage (*draw)();
};

const std::vector<Picture> &pictures();

}  // namespace artwork
