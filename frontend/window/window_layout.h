#pragma once
// Layout containers that keep the window usable on small screens: pages
// that scroll when the window is smaller than they need, the split of the
// input tab into the form and the column beside it, and the size the window
// opens at.
#include <QRect>
#include <QSize>
#include <QSplitter>

class QScrollArea;

// A frameless scroll area around `page`: the page fills the area when there
// is room and keeps its minimum size (scrolling) when there is not.
QScrollArea *scrollPage(QWidget *page);

// Widths of the form and of the column beside it, out of `total` pixels.
// The form gets the width it needs without scrolling (`formNeeds`) as long
// as the column keeps `columnMinimum`; the column never takes more than
// `columnPreferred`, the rest goes to the form. Neither width is negative.
struct ColumnWidths {
    int form;
    int column;
};
ColumnWidths inputColumnWidths(int total, int formNeeds, int columnMinimum, int columnPreferred);

// The input tab: the scrolling form on the left, the information panel and
// the section preview on the right. Until the user drags the handle, every
// resize shares the width by inputColumnWidths.
class InputSplitter : public QSplitter {
    Q_OBJECT

public:
    InputSplitter(QScrollArea *form, QWidget *column, QWidget *parent = nullptr);

    // Width of the form's page plus what the scroll area takes around it.
    int formNeeds() const;
    static constexpr int columnMinimum = 180;
    static constexpr int columnPreferred = 560;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void share();

    QScrollArea *m_form;
    bool m_userMoved = false;
};

// Size of the window when it is not maximised: the wanted size, but within
// the available area of the screen less the frame the window manager adds.
QSize fittedWindowSize(const QSize &wanted, const QRect &available, const QSize &frame);
