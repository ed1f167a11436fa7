#include "window/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidgetItem>
#include <QTextEdit>
#include <QVBoxLayout>

#include "plots/moment_curvature_plot.h"
#include "widgets/mygraphicsview.h"
#include "window/window_layout.h"
#include "widgets/numberedit.h"
#include "platform/platform.h"
#include "files/design.h"
#include "window/field_guide.h"
#include "window/following_fields.h"
// The report's menu entries and the drawing's context menu.
#include "plots/plot_export.h"
#include "plots/section_geometry.h"
#include "results/design_report.h"
#include "results/result_reader.h"
#include "window/report_actions.h"
#include "window/run_status.h"
#include "window/shear_connector_group.h"
#include "window/window_actions.h"
#include "protocol/result_files.h"

namespace {
const char *const groupBoxStyle = "QGroupBox { font-size: 17px;}";
// Title bar and borders a window manager adds around the window.
const QSize windowFrameAllowance(16, 48);

QGroupBox *styledGroupBox(const QString &title) {
    auto *box = new QGroupBox(title);
    box->setStyleSheet(groupBoxStyle);
    return box;
}
}  // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    createMenus();

    auto *tabs = new QTabWidget;
    tabs->addTab(buildEingabeTab(), "Eingabe");
    m_plotView = new MyGraphicsView;
    m_plotScene = m_plotView->scene();
    // "Werte kopieren" of the drawing: the dimensions of the run it shows.
    PlotExport::attach(m_plotView, [this]() {
        const std::string &shown = m_shownRun.runFolder();
        return shown.empty() ? QString() : sectionValuesText(readSectionGeometry(shown + protocol::outputFile));
    })->setTitle("Querschnitt");
    connect(this, SIGNAL(werteGeaendert()), this, SLOT(update_plot()));
    tabs->addTab(m_plotView, "Plot");
    tabs->addTab(scrollPage(buildGebrauchstauglichkeitTab()), "Gebrauchstauglichkeit");
    tabs->addTab(scrollPage(buildTragfaehigkeitTab()), "Tragfähigkeit");
    // The interaction plot is redrawn before the check panel adds the design point.
    connect(this, SIGNAL(werteGeaendert()), this, SLOT(update_graph_M_V()));
    connect(this, SIGNAL(werteGeaendert()), this, SLOT(update_txt_t()));
    m_plotMomentKruemmung = new MomentCurvaturePlot(font());
    tabs->addTab(m_plotMomentKruemmung, "Momenten-Krümmung");
    connect(this, &MainWindow::werteGeaendert, m_plotMomentKruemmung,
            [this] { m_plotMomentKruemmung->refresh(m_runFolder); });
    m_protokoll = new QTextEdit;
    m_protokoll->setReadOnly(true);
    tabs->addTab(m_protokoll, "Protokoll");

    auto *central = new QWidget;
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);  // every pixel of a laptop screen for the tabs
    centralLayout->addWidget(tabs);

    // The fields are found by name among the window's children.
    setCentralWidget(central);
    registerEingabeFelder();
    connectSectionPreview();
    installInputGuide();

    // Maximised to the screen's available area; restored, the window fills
    // that area less the window manager's frame, so the form still needs no
    // sideways scrolling.
    const QRect available = screen()->availableGeometry();
    resize(fittedWindowSize(available.size(), available, windowFrameAllowance));
    move(available.topLeft());
    m_runStatus = new RunStatus(statusBar());  // the outcome of the run shown
    showMaximized();

    set_Enabled();
    zeigeNeuenEntwurf();
}

MainWindow::~MainWindow() {
    // Material-table cells that no information panel took over.
    qDeleteAll(m_zellenBeton);
    qDeleteAll(m_zellenBewehrung);
}

void MainWindow::createMenus() {
    // The design report of the run shown, as a PDF or on paper (window/report_actions.h).
    auto *protokoll = new ReportActions(
        this,
        [this]() {
            // The head belongs in a report that is handed in: asked for once.
            if (m_shownRun.shown()) offerProjectHeadOnce();
            // The run shown, named by the design file that holds its input,
            // with the project head of the design.
            return report::ReportSource{m_shownRun.runFolder(), m_shownRun.designFile(),
                                        calculationTime(m_shownRun.runFolder()), QDateTime(),
                                        m_shownRun.designFileChanged(), m_projektangaben};
        },
        [this](const QString &title, const QString &text) { showCritical(title, text); },
        [this](const QString &title, const QString &text) { showInformation(title, text); });
    m_actions = new WindowActions(this, protokoll);
    using A = WindowActions;
    const std::pair<A::Command, const char *> verbindungen[] = {
        {A::Neu, SLOT(neuClicked())},
        {A::Oeffnen, SLOT(oeffnenClicked())},
        {A::Speichern, SLOT(speichernClicked())},
        {A::SpeichernUnter, SLOT(speichernunterClicked())},
        {A::LetzteBerechnung, SLOT(oeffnenLetzteClicked())},
        {A::Materialeigenschaften, SLOT(materialeigenschaftenClicked())},
        {A::Projektangaben, SLOT(projektangabenClicked())},
        {A::Beenden, SLOT(close())},  // closing asks about unsaved changes
        {A::Info, SLOT(ueberClicked())},
        {A::Hilfe, SLOT(HilfeClicked())},
    };
    for (const auto &entry : verbindungen) connect(m_actions->action(entry.first), SIGNAL(triggered()), this, entry.second);
    // The button ignores the start while an engine runs.
    connect(m_actions->action(A::Berechnen), &QAction::triggered, this, [this]() {
        if (m_startButton && m_startButton->isEnabled()) onButtonClicked();
    });
    connect(m_actions->fileMenu(), &QMenu::aboutToShow, this, &MainWindow::fuelleZuletztMenu);
    // The lightest rolled profile for the form's slab and actions (window/profile_search_dialog.h).
    calculationMenu()->addAction(QString::fromUtf8("&Profil suchen…"), this, &MainWindow::profilSuchenClicked);
}

QMenu *MainWindow::calculationMenu() const { return m_actions->calculationMenu(); }

QWidget *MainWindow::buildEingabeTab() {
    auto *material = styledGroupBox("Materialeigenschaften");
    auto *materialLayout = new QVBoxLayout(material);
    materialLayout->addLayout(buildBetonRow());
    materialLayout->addLayout(buildBewehrungRow());
    materialLayout->addLayout(buildBaustahlRow());

    auto *geometrie = styledGroupBox("Geometriedaten");
    auto *geometrieLayout = new QVBoxLayout(geometrie);
    geometrieLayout->addWidget(buildGeometriePanel());
    // The sketch has a fixed height; space to spare goes to the console.
    geometrie->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *gzg = styledGroupBox("Nachweis der Gebrauchstauglichkeit");
    auto *gzgLayout = new QVBoxLayout(gzg);
    gzgLayout->addLayout(buildGebrauchstauglichkeitArea());

    auto *gzt = styledGroupBox("Nachweis der Tragfähigkeit");
    auto *gztLayout = new QVBoxLayout(gzt);
    gztLayout->addLayout(buildTragfaehigkeitRow());

    m_verbundmittel = new ShearConnectorGroup;
    m_verbundmittel->setStyleSheet(groupBoxStyle);

    m_startButton = new QPushButton("Berechnung starten");
    m_startButton->setStyleSheet("font: 12pt; ");
    connect(m_startButton, SIGNAL(clicked()), this, SLOT(onButtonClicked()));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_startButton);
    buttonRow->addStretch(1);

    m_konsole = new QTextEdit;

    QWidget *rechts = buildRechteSpalte();

    auto *links = new QWidget;
    auto *linksLayout = new QVBoxLayout(links);
    linksLayout->setSpacing(10);
    linksLayout->addWidget(material);
    linksLayout->addWidget(geometrie);
    linksLayout->addWidget(gzg);
    linksLayout->addWidget(gzt);
    linksLayout->addWidget(m_verbundmittel);
    linksLayout->addLayout(buttonRow);
    linksLayout->addWidget(m_konsole);

    return new InputSplitter(scrollPage(links), rechts);
}

QWidget *MainWindow::buildRechteSpalte() {
    auto *spalte = new QWidget;
    auto *layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);

    // The panel's title above its box: it wraps in a narrow column, where a
    // box title would be cut off. Nothing in the column scrolls sideways.
    m_infoTitel = new QLabel;
    m_infoTitel->setObjectName("m_infoTitel");
    m_infoTitel->setStyleSheet("font-size: 17px;");
    m_infoTitel->setWordWrap(true);
    m_infoBox = styledGroupBox(QString());
    m_infoBox->setObjectName("m_infoBox");
    m_infoLayout = new QVBoxLayout(m_infoBox);
    set_img_bet();
    auto *info = new QWidget;
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->addWidget(m_infoTitel);
    infoLayout->addWidget(m_infoBox);
    QScrollArea *infoSeite = scrollPage(info);
    infoSeite->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(infoSeite, 3);

    auto *querschnitt = styledGroupBox("Querschnitt");
    auto *querschnittLayout = new QVBoxLayout(querschnitt);
    m_querschnittView = new MyGraphicsView;
    m_querschnittScene = m_querschnittView->scene();
    m_querschnittView->setMinimumHeight(120);
    querschnittLayout->addWidget(m_querschnittView);
    layout->addWidget(querschnitt, 2);
    return spalte;
}

// The fields of the design model's one field table, in its order (the order
// of the checks before a run): each value of the design, the field that
// shows it, its unit on the form, and through its input-file symbol the
// permitted ranges of the engine (window/field_guide.h). Messages name a
// field by its symbol and group ("γ_c (Beton)").
// A value that follows another (σ_s follows f_sk) is told so by the same
// table; the status bar says why it changed by itself.
void MainWindow::registerEingabeFelder() {
    QHash<QString, NumberEdit *> nachName;
    for (const design::FieldInfo &info : design::fields()) {
        auto *feld = findChild<NumberEdit *>(QString::fromLatin1(info.formName));
        Q_ASSERT(feld);
        m_eingabeFelder.append(feld);
        m_feldNamen.insert(feld, fieldguide::label(info));
        nachName.insert(QString::fromLatin1(info.formName), feld);
    }
    m_following = new FollowingFields(nachName, this);
    connect(m_following, &FollowingFields::followed, this,
            [this](const QString &warum) { statusBar()->showMessage(warum, 15000); });
}

void MainWindow::clearLayout(QLayout *layout, bool deleteWidgets) {
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (deleteWidgets) delete item->widget();
        if (QLayout *child = item->layout()) clearLayout(child, deleteWidgets);
        delete item;
    }
}

bool MainWindow::s_quietMessages = false;

void MainWindow::setQuietMessages(bool quiet) { s_quietMessages = quiet; }

void MainWindow::logMessage(const QString &title, const QString &text) {
    m_messageLog.append(text);
    m_messageTitles.append(title);
}

void MainWindow::showCritical(const QString &title, const QString &text) {
    logMessage(title, text);
    if (!s_quietMessages) QMessageBox::critical(this, title, text);
}

void MainWindow::showWarning(const QString &title, const QString &text) {
    logMessage(title, text);
    if (!s_quietMessages) QMessageBox::warning(this, title, text);
}

void MainWindow::showInformation(const QString &title, const QString &text) {
    logMessage(title, text);
    if (!s_quietMessages) QMessageBox::information(this, title, text);
}
