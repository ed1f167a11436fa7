#include "window/window_layout.h"

#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

QScrollArea *scrollPage(QWidget *page) {
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

ColumnWidths inputColumnWidths(int total, int formNeeds, int columnMinimum, int columnPreferred) {
    total = std::max(total, 0);
    int column = std::clamp(total - formNeeds, columnMinimum, std::max(columnMinimum, columnPreferred));
    column = std::min(column, total);
    return {total - column, column};
}

InputSplitter::InputSplitter(QScrollArea *form, QWidget *column, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent), m_form(form) {
    setChildrenCollapsible(false);
    addWidget(form);
    addWidget(column);
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
    column->setMinimumWidth(columnMinimum);
    connect(this, &QSplitter::splitterMoved, this, [this]() { m_userMoved = true; });
}

int InputSplitter::formNeeds() const {
    const QWidget *page = m_form->widget();
    const int pageWidth = page ? page->minimumSizeHint().width() : 0;
    // Room for the vertical scroll bar, which a low window needs.
    return pageWidth + 2 * m_form->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void InputSplitter::share() {
    const ColumnWidths widths = inputColumnWidths(width() - handleWidth(), formNeeds(), columnMinimum, columnPreferred);
    setSizes({widths.form, widths.column});
}

void InputSplitter::resizeEvent(QResizeEvent *event) {
    QSplitter::resizeEvent(event);
    if (!m_userMoved) share();
}

QSize fittedWindowSize(const QSize &wanted, const QRect &available, const QSize &frame) {
    const QSize room = (available.size() - frame).expandedTo(QSize(0, 0));
    return wanted.boundedTo(room);
}
