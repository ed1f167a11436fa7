#include "window/profile_search_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using profilesearch::SearchRow;
using profilesearch::Series;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

enum Column { Profil, Masse, Klasse, EtaV, EtaM, EtaMin, EtaVerd, EtaMax, Ergebnis, Grund, ColumnCount };

const QColor failingText(130, 130, 130);
const QColor lightestBackground(205, 237, 205);

}  // namespace

ProfileSearchDialog::ProfileSearchDialog(const design::Design &design, const QString &profile, QWidget *parent)
    : QDialog(parent), design_(design) {
    setWindowTitle(u("Profil suchen"));
    series_ = new QComboBox;
    for (Series s : profilesearch::allSeries())
        series_->addItem(s == Series::All ? u("alle") : profilesearch::seriesWord(s), static_cast<int>(s));
    const Series first = design.rolled() ? profilesearch::seriesOf(profile) : Series::IPE;
    series_->setCurrentIndex(series_->findData(static_cast<int>(first)));
    series_->setToolTip(u("Die Profilreihe der Profiltabelle, deren Walzprofile gerechnet werden"));

    table_ = new QTableWidget(0, ColumnCount);
    table_->setHorizontalHeaderLabels({u("Profil"), u("kg/m"), u("Klasse"), u("η Querkraft"), u("η Biegung"),
                                       u("η Mindestbew."), u("η Verdüb."), u("η max"), u("Ergebnis"), u("Grund")});
    table_->horizontalHeaderItem(EtaVerd)->setToolTip(u("η_min/η der Teilverdübelung (ohne Dübel: –)"));
    table_->horizontalHeaderItem(Klasse)->setToolTip(u("Querschnittsklasse in Richtung von M_Ed (GZT)"));
    table_->horizontalHeaderItem(EtaMax)->setToolTip(u("größte Ausnutzung aller Nachweise"));
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every column as wide as its texts; the reason takes the rest.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(Grund, QHeaderView::Stretch);

    progress_ = new QProgressBar;
    status_ = new QLabel;
    status_->setWordWrap(true);
    stop_ = new QPushButton(u("Abbrechen"));
    apply_ = new QPushButton(u("Übernehmen"));
    apply_->setToolTip(u("Das gewählte Profil in das Formular übernehmen"));
    auto *close = new QPushButton(u("Schließen"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(u("Reihe")));
    top->addWidget(series_);
    top->addWidget(progress_, 1);
    top->addWidget(stop_);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(apply_);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    // Wide enough for every reason on a 1280 px screen.
    resize(1240, 600);

    connect(series_, QOverload<int>::of(&QComboBox::activated), this, &ProfileSearchDialog::startSearch);
    connect(stop_, &QPushButton::clicked, &search_, &ProfileSearch::cancel);
    connect(apply_, &QPushButton::clicked, this, &ProfileSearchDialog::take);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        table_->selectRow(row);
        take();
    });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ProfileSearchDialog::updateButtons);
    connect(&search_, &ProfileSearch::rowFinished, this, &ProfileSearchDialog::showRow);
    connect(&search_, &ProfileSearch::progress, this, [this](int finished, int total) {
        progress_->setRange(0, total);
        progress_->setValue(finished);
        status_->setText(QString::number(finished) + " von " + QString::number(total) + u(" Profilen gerechnet"));
    });
    connect(&search_, &ProfileSearch::finished, this, &ProfileSearchDialog::searchEnded);
    // The dialog is shown first; the search starts from its event loop.
    QTimer::singleShot(0, this, &ProfileSearchDialog::startSearch);
}

void ProfileSearchDialog::startSearch() {
    const Series series = static_cast<Series>(series_->currentData().toInt());
    table_->clearContents();
    table_->setRowCount(0);
    if (!search_.start(design_, series)) {
        status_->setText(search_.error());
        updateButtons();
        return;
    }
    const std::vector<SearchRow> &rows = search_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) showRow(i);
    updateButtons();
}

void ProfileSearchDialog::showRow(int index) {
    const std::vector<SearchRow> &rows = search_.rows();
    if (index < 0 || index >= static_cast<int>(rows.size()) || index >= table_->rowCount()) return;
    const SearchRow &row = rows[index];
    const QString cells[ColumnCount] = {
        row.profile,
        profilesearch::massCell(row.kg_m),
        row.finished ? profilesearch::classCell(row.klasse) : QString(),
        row.finished ? profilesearch::etaCell(row.eta_shear) : QString(),
        row.finished ? profilesearch::etaCell(row.eta_bending) : QString(),
        row.finished ? profilesearch::etaCell(row.eta_minimum) : QString(),
        row.finished ? profilesearch::etaCell(row.eta_connection) : QString(),
        row.finished ? profilesearch::etaCell(row.eta_max) : QString(),
        profilesearch::resultText(row),
        row.reason,
    };
    for (int c = 0; c < ColumnCount; ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        if (c >= Masse && c <= EtaMax) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (row.finished && !row.passed()) item->setForeground(failingText);
        if (c == Grund) item->setToolTip(row.reason);
        table_->setItem(index, c, item);
    }
    markLightest();
}

// The lightest profile that fulfils every check, once every lighter one is known.
void ProfileSearchDialog::markLightest() {
    const int lightest = profilesearch::lightestPassing(search_.rows());
    for (int r = 0; r < table_->rowCount(); ++r)
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem *item = table_->item(r, c);
            if (!item) continue;
            QFont font = item->font();
            font.setBold(r == lightest);
            item->setFont(font);
            item->setBackground(r == lightest ? QBrush(lightestBackground) : QBrush());
            if (c == Profil)
                item->setToolTip(r == lightest ? u("leichtestes Profil mit allen Nachweisen erfüllt") : QString());
        }
}

void ProfileSearchDialog::searchEnded() {
    const std::vector<SearchRow> &rows = search_.rows();
    const int lightest = profilesearch::lightestPassing(rows);
    if (!search_.error().isEmpty())
        status_->setText(search_.error());
    else if (search_.cancelled())
        status_->setText(u("Abgebrochen nach ") + QString::number(search_.finishedCount()) + " von " +
                         QString::number(rows.size()) + " Profilen. " +
                         (lightest >= 0 ? profilesearch::lightestText(rows) : QString()));
    else
        status_->setText(profilesearch::lightestText(rows));
    // Preselected: the lightest profile that fulfils every check, or nothing.
    if (lightest >= 0) {
        table_->selectRow(lightest);
        table_->scrollToItem(table_->item(lightest, Profil));
    } else {
        table_->clearSelection();
    }
    updateButtons();
}

void ProfileSearchDialog::updateButtons() {
    stop_->setEnabled(search_.running());
    const QList<QTableWidgetItem *> selected = table_->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.first()->row();
    apply_->setEnabled(row >= 0 && row < static_cast<int>(search_.rows().size()));
}

void ProfileSearchDialog::take() {
    const QList<QTableWidgetItem *> selected = table_->selectedItems();
    const std::vector<SearchRow> &rows = search_.rows();
    const int row = selected.isEmpty() ? -1 : selected.first()->row();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    const bool complete = !search_.running() && !search_.cancelled() && search_.error().isEmpty();
    const QString note = complete && row == profilesearch::lightestPassing(rows)
                             ? profilesearch::choiceNote(search_.series())
                             : QString();
    search_.cancel();
    emit profileTaken(rows[row].profile, note);
    accept();
}
