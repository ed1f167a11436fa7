#include "window/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLayoutItem>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
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
// The report's menu entries and the drawing's context menu.
#include "plots/plot_export.h"
#include "plots/section_geometry.h"
#include "results/design_report.h"
#include "results/result_reader.h"
#include "window/report_actions.h"
#include "window/run_status.h"
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
    });
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

    // Restored from maximised, the window still fits the screen.
    const QRect available = screen()->availableGeometry();
    resize(fittedWindowSize(sizeHint(), available, windowFrameAllowance));
    move(available.topLeft());
    m_runStatus = new RunStatus(statusBar());  // the outcome of the run shown
    showMaximized();

    set_Enabled();
    oeffnen(platform::pathToUtf8(platform::findDataFile("inputstart.txt")));
    merkeGespeichert();
}

MainWindow::~MainWindow() {
    // Material-table cells that no information panel took over.
    qDeleteAll(m_zellenBeton);
    qDeleteAll(m_zellenBewehrung);
}

void MainWindow::createMenus() {
    struct ActionEntry {
        const char *text;
        int icon;  // QStyle::StandardPixmap, or -1 for none
        const char *shortcut;
        const char *slot;
    };
    const ActionEntry entries[] = {
        {"&Neu...", QStyle::SP_DialogResetButton, "Ctrl+N", SLOT(neuClicked())},
        {"&Öffnen...", QStyle::SP_DirOpenIcon, "Ctrl+O", SLOT(oeffnenClicked())},
        {"&Speichern...", QStyle::SP_DialogSaveButton, "Ctrl+S", SLOT(speichernClicked())},
        {"&Speichern unter...", -1, nullptr, SLOT(speichernunterClicked())},
        {"&letzte Berechnung...", QStyle::SP_DirOpenIcon, nullptr, SLOT(oeffnenLetzteClicked())},
        {"&Materialeigenschaften bearbeiten...", QStyle::SP_ComputerIcon, nullptr,
         SLOT(materialeigenschaftenClicked())},
        {"&Projektangaben…", -1, nullptr, SLOT(projektangabenClicked())},
        {"Beenden", -1, nullptr, SLOT(close())},  // closing asks about unsaved changes
        {"Info...", -1, nullptr, SLOT(ueberClicked())},
        {"Hilfe", -1, nullptr, SLOT(HilfeClicked())},
    };
    QList<QAction *> actions;
    for (const ActionEntry &entry : entries) {
        auto *action = new QAction(QString::fromUtf8(entry.text), this);
        if (entry.icon >= 0)
            action->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(entry.icon)));
        if (entry.shortcut) action->setShortcut(QKeySequence(entry.shortcut));
        connect(action, SIGNAL(triggered()), this, entry.slot);
        actions.append(action);
    }

    auto *datei = new QMenu("&Datei", this);
    datei->addActions({actions[0], actions[1]});
    m_zuletztMenu = datei->addMenu(QString::fromUtf8("&Zuletzt geöffnet"));
    m_zuletztMenu->setToolTipsVisible(true);
    connect(datei, &QMenu::aboutToShow, this, &MainWindow::fuelleZuletztMenu);
    datei->addActions({actions[2], actions[3]});
    datei->addAction(actions[6]);  // Projektangaben…
    datei->addSeparator();
    // The design report of the run shown, as a PDF or on paper (window/report_actions.h).
    auto *protokoll = new ReportActions(
        this,
        [this]() {
            // The head belongs in a report that is handed in: asked for once.
            if (m_shownRun.shown()) offerProjectHeadOnce();
            // The run shown, named by the design file that holds its input,
            // with the project head of the design.
            return report::ReportSource{m_shownRun.runFolder(), m_shownRun.designFile(),
                                        calculationTime(m_shownRun.runFolder()), QDateTime(), m_projektangaben};
        },
        [this](const QString &title, const QString &text) { showCritical(title, text); },
        [this](const QString &title, const QString &text) { showInformation(title, text); });
    datei->addActions({protokoll->exportAction(), protokoll->printAction()});
    datei->addSeparator();
    datei->addActions({actions[4], actions[5]});
    datei->addSeparator();
    datei->addAction(actions[7]);
    auto *hilfe = new QMenu("&Hilfe", this);
    hilfe->addActions({actions[8], actions[9]});

    // F5 and Ctrl+Return start the calculation from anywhere in the window;
    // the button ignores them while an engine runs.
    auto *berechnen = new QAction("Berechnung starten", this);
    berechnen->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    berechnen->setShortcutContext(Qt::WindowShortcut);
    connect(berechnen, &QAction::triggered, this, [this]() {
        if (m_startButton && m_startButton->isEnabled()) onButtonClicked();
    });
    addAction(berechnen);

    auto *bar = new QMenuBar;
    bar->addMenu(datei);
    bar->addMenu(hilfe);
    setMenuBar(bar);
}

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
    linksLayout->addLayout(buttonRow);
    linksLayout->addWidget(m_konsole);

    return new InputSplitter(scrollPage(links), rechts);
}

QWidget *MainWindow::buildRechteSpalte() {
    auto *spalte = new QWidget;
    auto *layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);

    m_infoBox = styledGroupBox(QString());
    m_infoBox->setObjectName("m_infoBox");
    m_infoLayout = new QVBoxLayout(m_infoBox);
    set_img_bet();
    layout->addWidget(scrollPage(m_infoBox), 3);

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
void MainWindow::registerEingabeFelder() {
    for (const design::FieldInfo &info : design::fields()) {
        auto *feld = findChild<NumberEdit *>(QString::fromLatin1(info.formName));
        Q_ASSERT(feld);
        m_eingabeFelder.append(feld);
        m_feldNamen.insert(feld, fieldguide::label(info));
    }
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
