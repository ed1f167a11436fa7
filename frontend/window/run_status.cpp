#include "window/run_status.h"

#include <QLabel>
#include <QStatusBar>

#include "protocol/console_lines.h"

RunStatus::RunStatus(QStatusBar *bar) : QObject(bar), label_(new QLabel) {
    label_->setObjectName("ergebnisStatus");
    label_->setTextFormat(Qt::PlainText);
    bar->addWidget(label_, 1);
}

void RunStatus::clear() {
    outcome_.clear();
    inputChanged_ = false;
    update();
}

void RunStatus::showOutcome(const QString &outcome) {
    outcome_ = outcome;
    update();
}

void RunStatus::setInputChanged(bool changed) {
    if (changed == inputChanged_) return;
    inputChanged_ = changed;
    update();
}

QString RunStatus::text() const { return label_->text(); }

QString RunStatus::changedText(const QString &outcome) {
    return outcome + QString::fromUtf8(" – gilt für die berechneten Eingaben; die Eingaben wurden seither "
                                       "geändert (neu berechnen: F5)");
}

QString RunStatus::refusedText(const QString &errorLine) {
    QString reason = errorLine.trimmed();
    const QString marker = QString::fromUtf8(protocol::errorMarker);
    if (reason.startsWith(marker)) reason = reason.mid(marker.size()).trimmed();
    return QString::fromUtf8("Berechnung abgebrochen: ") + reason;
}

void RunStatus::update() {
    const bool changed = inputChanged_ && !outcome_.isEmpty();
    label_->setText(changed ? changedText(outcome_) : outcome_);
    // The remark in the colour of a warning, so it is not read past.
    label_->setStyleSheet(changed ? "color: #a04000;" : QString());
}
